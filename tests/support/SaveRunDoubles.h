#pragma once

#include "output/FileSystemAccess.h"
#include "output/SaveRunListener.h"

#include <QStringList>

#include <gtest/gtest.h>

#include <optional>
#include <vector>

// Records what the run shows, in order, and answers as scripted.
class RecordingListener : public SaveRunListener
{
public:
    int answer = 6;
    int cancelOnCall = 0; // the cancelRequested call (1-based) that first answers true
    QStringList events;
    QString lastText;
    QString lastTitle;
    std::vector<double> progress;

    int askYesNoCancel(const QString &text, const QString &title) override
    {
        events << "ask";
        lastText = text;
        lastTitle = title;
        return answer;
    }
    void showMessage(const QString &text, const QString &title, MessageIcon icon) override
    {
        events << "message";
        lastText = text;
        lastTitle = title;
        EXPECT_EQ(icon, MessageIcon::Critical);
    }
    void showProgress(const QString &message) override { events << "progress:" + message; }
    void setProgress(double fraction) override { progress.push_back(fraction); }
    bool cancelRequested() override { return ++m_cancelCalls == cancelOnCall; }
    void closeProgress(ProgressClose how) override
    {
        events << (how == ProgressClose::Now ? "close:now" : "close:next-tick");
    }
    void showCompleted(const QString &folder, Saved saved) override
    {
        events << (saved == Saved::PdfPoster ? "completed poster:" : "completed:") + folder;
    }

private:
    int m_cancelCalls = 0;
};

// The local disks, with a scripted amount of free space and a write that fails.
class ScriptedFileSystem : public FileSystemAccess
{
public:
    std::optional<qint64> free; // the real disk's when unset
    bool freeUnknown = false;
    int failWriteNumber = 0; // 1-based

    bool folderExists(const QString &path) const override { return m_disk.folderExists(path); }
    bool createFolder(const QString &path) override { return m_disk.createFolder(path); }
    std::optional<qint64> freeBytes(const QString &folder) const override
    {
        if (freeUnknown)
            return std::nullopt;
        return free ? free : m_disk.freeBytes(folder);
    }
    bool writeFile(const QString &path, const QByteArray &bytes) override
    {
        if (++m_writes == failWriteNumber)
            return false;
        return m_disk.writeFile(path, bytes);
    }

private:
    LocalFileSystem m_disk;
    int m_writes = 0;
};

