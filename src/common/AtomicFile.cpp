#include "common/AtomicFile.h"

#include "common/NativeFiles.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <random>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Short enough beside any folder name: the target's own name may already be as long as
// the system allows.
constexpr char kTemporaryPattern[] = ".quiltera-XXXXXX";
constexpr int kNameTries = 100;

QString systemError()
{
    return QString::fromLocal8Bit(std::strerror(errno));
}

mode_t creationMode()
{
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

// A name that no entry of the folder has yet, for a link made right before a rename.
QByteArray unusedShortName(const QByteArray &folder)
{
    static thread_local std::mt19937 random{std::random_device{}()};
    static constexpr char kLetters[] = "abcdefghijklmnopqrstuvwxyz0123456789";
    QByteArray name = folder + QByteArray(kTemporaryPattern);
    for (qsizetype i = name.size() - 6; i < name.size(); ++i)
        name[i] = kLetters[random() % (sizeof kLetters - 1)];
    return name;
}

} // namespace

AtomicFile::~AtomicFile()
{
    discard();
}

bool AtomicFile::open(const QString &path)
{
    discard();
    m_failed = false;
    m_written = 0;
    m_errorText.clear();
    m_target = encodeNativePath(path);
    const qsizetype slash = m_target.lastIndexOf('/');
    m_folder = slash >= 0 ? m_target.left(slash + 1) : QByteArray("./");
    m_fd = ::open(m_folder.constData(), O_TMPFILE | O_WRONLY | O_CLOEXEC, creationMode());
    if (m_fd >= 0)
        return true;
    // Some file systems (FAT, network shares) make no unnamed files.
    m_namedTemporary = m_folder + QByteArray(kTemporaryPattern);
    m_fd = ::mkostemp(m_namedTemporary.data(), O_CLOEXEC);
    if (m_fd < 0) {
        m_namedTemporary.clear();
        return fail();
    }
    ::fchmod(m_fd, creationMode());
    return true;
}

bool AtomicFile::write(const char *data, qsizetype size)
{
    if (m_fd < 0 || m_failed)
        return false;
    qsizetype done = 0;
    while (done < size) {
        const ssize_t written = ::write(m_fd, data + done, size_t(size - done));
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0) {
            if (written == 0)
                errno = ENOSPC;
            return fail();
        }
        done += written;
        m_written += written;
    }
    return true;
}

bool AtomicFile::commit()
{
    if (m_fd < 0 || m_failed)
        return false;
    struct stat status{};
    if (::fsync(m_fd) != 0 || ::fstat(m_fd, &status) != 0)
        return fail();
    // A file system that took the bytes without storing them all must not replace a good file.
    if (status.st_size != m_written) {
        errno = EIO;
        return fail();
    }
    const bool placed = m_namedTemporary.isEmpty() ? linkUnnamed()
                                                   : ::rename(m_namedTemporary.constData(), m_target.constData()) == 0;
    if (!placed)
        return fail();
    m_namedTemporary.clear();
    // The bytes are synced and named: an error of the close changes nothing.
    ::close(m_fd);
    m_fd = -1;
    return true;
}

bool AtomicFile::linkUnnamed()
{
    char handle[64];
    std::snprintf(handle, sizeof handle, "/proc/self/fd/%d", m_fd);
    const auto link = [this, &handle](const QByteArray &name) {
        // Through /proc, as any user may; AT_EMPTY_PATH needs a privilege.
        return ::linkat(AT_FDCWD, handle, AT_FDCWD, name.constData(), AT_SYMLINK_FOLLOW) == 0
            || ::linkat(m_fd, "", AT_FDCWD, name.constData(), AT_EMPTY_PATH) == 0;
    };
    if (link(m_target))
        return true;
    if (errno != EEXIST)
        return false;
    // A link cannot replace a file: the bytes get a short name, which a rename then moves
    // over the old file in one step.
    for (int attempt = 0; attempt < kNameTries; ++attempt) {
        const QByteArray name = unusedShortName(m_folder);
        if (!link(name)) {
            if (errno == EEXIST)
                continue;
            return false;
        }
        if (::rename(name.constData(), m_target.constData()) == 0)
            return true;
        const int renameError = errno;
        ::unlink(name.constData());
        errno = renameError;
        return false;
    }
    return false;
}

bool AtomicFile::fail()
{
    if (!m_failed)
        m_errorText = systemError();
    m_failed = true;
    return false;
}

void AtomicFile::discard()
{
    if (m_fd >= 0)
        ::close(m_fd);
    m_fd = -1;
    if (!m_namedTemporary.isEmpty())
        ::unlink(m_namedTemporary.constData());
    m_namedTemporary.clear();
}

bool writeFileAtomically(const QString &path, const QByteArray &bytes, QString &errorText)
{
    AtomicFile file;
    const bool written = file.open(path) && file.write(bytes) && file.commit();
    if (!written)
        errorText = file.errorText();
    return written;
}
