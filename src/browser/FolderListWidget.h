#pragma once

#include <QListWidget>

// The folder list of the image browser: the current folder's ancestors from the drive's
// root down to it, followed by its subfolders. Activating an entry (double click or
// Enter) opens that folder.
class FolderListWidget : public QListWidget
{
    Q_OBJECT

public:
    explicit FolderListWidget(QWidget *parent = nullptr);

    QString path() const { return m_path; }

    // Shows the folder and reports the change. False, and nothing changes, when the folder
    // cannot be read.
    bool setPath(const QString &path);

Q_SIGNALS:
    void pathChanged(const QString &path);

private:
    void fill();
    void openItem(QListWidgetItem *item);

    QString m_path;
};
