#pragma once

#include "browser/FolderListWidget.h"
#include "app/frmMain.h"
#include "support/ScriptedMessages.h"
#include "support/TempDir.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QJsonDocument>
#include <QJsonObject>
#include <QListWidget>
#include <QPushButton>

#include <gtest/gtest.h>

#include <memory>

// One main window over its own settings file and profile folder.
class frmMainTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        QDir().mkpath(QDir::homePath());
        m_images = m_scratch.path() + "/images";
        QDir().mkpath(m_images);
        storeSettings({});
    }

    void storeSettings(QJsonObject values)
    {
        values.insert("app_dir", m_scratch.path());
        QFile file(settingsPath());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(QJsonDocument(values).toJson());
    }

    QString settingsPath() const { return m_scratch.filePath("Quiltera.json"); }
    PreferenceStore prefs() const { return PreferenceStore(settingsPath()); }

    frmMain &start()
    {
        m_window = std::make_unique<frmMain>(prefs());
        m_window->setEndProgram([this] { ++m_endCount; });
        m_window->show();
        return *m_window;
    }

    template <typename Widget>
    Widget *control(const char *name) const
    {
        auto *widget = m_window->findChild<Widget *>(QString::fromLatin1(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }

    QString writeImage(const QString &name, int width, int height, const char *format = "BMP") const
    {
        QImage image(width, height, QImage::Format_RGB32);
        image.fill(Qt::darkCyan);
        const QString path = QDir(m_images).filePath(name);
        EXPECT_TRUE(image.save(path, format));
        return path;
    }

    void writeFile(const QString &name, const QByteArray &bytes) const
    {
        QFile file(QDir(m_images).filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

    void openImagesFolder() { ASSERT_TRUE(control<FolderListWidget>("Dir1")->setPath(m_images)); }

    // Picks a file in the file list as a click would.
    void pick(const QString &name)
    {
        auto *files = control<QListWidget>("lstFiles");
        const QList<QListWidgetItem *> found = files->findItems(name, Qt::MatchExactly);
        ASSERT_EQ(found.size(), 1) << name.toStdString();
        files->setCurrentItem(found.first());
        Q_EMIT files->itemClicked(found.first());
    }

    QStringList fileList() const
    {
        QStringList names;
        auto *files = control<QListWidget>("lstFiles");
        for (int row = 0; row < files->count(); ++row)
            names.append(files->item(row)->text());
        return names;
    }

    bool actionsEnabled() const
    {
        return control<QPushButton>("cmdSaveNow")->isEnabled() && control<QPushButton>("cmdLargePreview")->isEnabled();
    }

    TempDir m_scratch;
    QString m_images;
    ScriptedMessages m_messages;
    std::unique_ptr<frmMain> m_window;
    int m_endCount = 0;
};

