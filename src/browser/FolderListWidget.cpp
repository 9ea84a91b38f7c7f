#include "browser/FolderListWidget.h"

#include "common/NativeFiles.h"

#include "browser/Drives.h"

#include <QDir>
#include <QStyle>

namespace {

constexpr int kPathRole = Qt::UserRole;

QStringList ancestorsOf(const QString &path)
{
    QStringList chain;
    QDir dir(path);
    chain.prepend(dir.absolutePath());
    while (dir.cdUp())
        chain.prepend(dir.absolutePath());
    return chain;
}

} // namespace

FolderListWidget::FolderListWidget(QWidget *parent)
    : QListWidget(parent)
{
    setUniformItemSizes(true);
    connect(this, &QListWidget::itemActivated, this, &FolderListWidget::openItem);
}

bool FolderListWidget::setPath(const QString &path)
{
    if (!isAccessibleFolder(path))
        return false;
    m_path = QDir(path).absolutePath();
    fill();
    Q_EMIT pathChanged(m_path);
    return true;
}

void FolderListWidget::fill()
{
    clear();
    const QIcon openIcon = style()->standardIcon(QStyle::SP_DirOpenIcon);
    const QIcon closedIcon = style()->standardIcon(QStyle::SP_DirClosedIcon);
    const QStringList chain = ancestorsOf(m_path);
    int depth = 0;
    for (const QString &folder : chain) {
        const QString name = QDir(folder).dirName().isEmpty() || folder == QDir::rootPath()
                                 ? folder
                                 : QDir(folder).dirName();
        auto *item = new QListWidgetItem(openIcon, QString(depth * 2, QLatin1Char(' ')) + name, this);
        item->setData(kPathRole, folder);
        ++depth;
    }
    setCurrentRow(count() - 1);
    const QStringList children = listNativeFolder(m_path, false).value_or(QStringList());
    for (const QString &child : children) {
        auto *item = new QListWidgetItem(closedIcon, QString(depth * 2, QLatin1Char(' ')) + child, this);
        item->setData(kPathRole, QDir(m_path).filePath(child));
    }
}

void FolderListWidget::openItem(QListWidgetItem *item)
{
    if (item == nullptr)
        return;
    const QString target = item->data(kPathRole).toString();
    if (target != m_path)
        setPath(target);
}
