#pragma once

#include <QByteArray>
#include <QString>

// A file that appears under its name whole or not at all, replacing any file of that
// name only once every byte is written and on disk. Its bytes first go to a file without
// a name in the target's folder (O_TMPFILE), which nothing can leave behind: whatever ends
// the program, even SIGKILL, the system frees it. Where the file system cannot make such a
// file, a hidden one with a short name is used instead, so that a target name as long as
// the system allows still works.
class AtomicFile
{
public:
    AtomicFile() = default;
    // Drops the bytes written when commit has not succeeded.
    ~AtomicFile();

    AtomicFile(const AtomicFile &) = delete;
    AtomicFile &operator=(const AtomicFile &) = delete;

    // Starts the file that commit will put at path (full path, names as QString as the
    // native file functions give them). False, with errorText, when it cannot be made.
    bool open(const QString &path);
    // Writes all the bytes or reports failure (a full disk, say); every later write and
    // commit then fail too.
    bool write(const char *data, qsizetype size);
    bool write(const QByteArray &bytes) { return write(bytes.constData(), bytes.size()); }
    // Bytes written so far.
    qint64 size() const { return m_written; }
    // Whether a write or the opening failed.
    bool failed() const { return m_failed; }
    // Syncs the file, checks that it holds exactly the bytes written, and puts it under
    // its name. After a failure nothing is under the name that was not there before.
    bool commit();

    QString errorText() const { return m_errorText; }

private:
    bool fail();
    bool linkUnnamed();
    void discard();

    QByteArray m_target;   // the final name's bytes
    QByteArray m_folder;   // the target's folder, ending in '/'
    QByteArray m_namedTemporary; // the hidden file's name when no unnamed file could be made
    int m_fd = -1;
    qint64 m_written = 0;
    bool m_failed = false;
    QString m_errorText;
};

// Makes bytes the whole content of the file at path through an AtomicFile. On failure,
// errorText says why.
bool writeFileAtomically(const QString &path, const QByteArray &bytes, QString &errorText);
