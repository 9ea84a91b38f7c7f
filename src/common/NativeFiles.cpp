#include "common/NativeFiles.h"

#include <QStringDecoder>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>

namespace {

constexpr char16_t kEscapeBase = 0xDC00;

// Closes the descriptor however the work ends.
class Descriptor
{
public:
    explicit Descriptor(int fd) : m_fd(fd) {}
    ~Descriptor()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    Descriptor(const Descriptor &) = delete;
    Descriptor &operator=(const Descriptor &) = delete;
    int get() const { return m_fd; }

private:
    int m_fd;
};

// The length of the valid UTF-8 sequence that starts the bytes, 0 when none does.
int validSequenceLength(const unsigned char *bytes, qsizetype available)
{
    const unsigned char lead = bytes[0];
    int length = 0;
    char32_t minimum = 0;
    char32_t value = 0;
    if (lead < 0x80)
        return 1;
    if ((lead & 0xE0) == 0xC0) {
        length = 2;
        minimum = 0x80;
        value = lead & 0x1F;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3;
        minimum = 0x800;
        value = lead & 0x0F;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4;
        minimum = 0x10000;
        value = lead & 0x07;
    } else {
        return 0;
    }
    if (available < length)
        return 0;
    for (int i = 1; i < length; ++i) {
        if ((bytes[i] & 0xC0) != 0x80)
            return 0;
        value = (value << 6) | (bytes[i] & 0x3F);
    }
    // Overlong forms, surrogates and values past Unicode are not valid UTF-8.
    if (value < minimum || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF))
        return 0;
    return length;
}

} // namespace

QString decodeNativePath(const QByteArray &bytes)
{
    QString text;
    text.reserve(bytes.size());
    const auto *data = reinterpret_cast<const unsigned char *>(bytes.constData());
    qsizetype i = 0;
    while (i < bytes.size()) {
        const int length = validSequenceLength(data + i, bytes.size() - i);
        if (length == 0) {
            text.append(QChar(char16_t(kEscapeBase + data[i])));
            ++i;
            continue;
        }
        text.append(QString::fromUtf8(bytes.constData() + i, length));
        i += length;
    }
    return text;
}

QByteArray encodeNativePath(const QString &path)
{
    QByteArray bytes;
    bytes.reserve(path.size());
    qsizetype runStart = 0;
    for (qsizetype i = 0; i <= path.size(); ++i) {
        const bool escaped = i < path.size() && path.at(i).unicode() >= kEscapeBase + 0x80
            && path.at(i).unicode() <= kEscapeBase + 0xFF
            && !(i > 0 && path.at(i - 1).isHighSurrogate());
        if (i < path.size() && !escaped)
            continue;
        bytes += QStringView(path).mid(runStart, i - runStart).toUtf8();
        if (escaped)
            bytes += char(path.at(i).unicode() - kEscapeBase);
        runStart = i + 1;
    }
    return bytes;
}

NativeFileStatus nativeFileStatus(const QString &path)
{
    NativeFileStatus status;
    const QByteArray native = encodeNativePath(path);
    struct stat info{};
    if (native.isEmpty() || ::stat(native.constData(), &info) != 0)
        return status;
    status.exists = true;
    status.regularFile = S_ISREG(info.st_mode);
    status.folder = S_ISDIR(info.st_mode);
    status.readable = ::access(native.constData(), R_OK) == 0;
    status.size = info.st_size;
    return status;
}

bool isRegularFile(const QString &path)
{
    return nativeFileStatus(path).regularFile;
}

std::optional<QByteArray> readRegularFile(const QString &path, qint64 maxBytes)
{
    // O_NONBLOCK keeps a FIFO that took the file's place after a check from blocking the open.
    const Descriptor file(::open(encodeNativePath(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    struct stat status{};
    if (file.get() < 0 || ::fstat(file.get(), &status) != 0 || !S_ISREG(status.st_mode) || status.st_size > maxBytes)
        return std::nullopt;

    QByteArray bytes(qsizetype(status.st_size), Qt::Uninitialized);
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t got = ::read(file.get(), bytes.data() + done, size_t(bytes.size() - done));
        if (got < 0 && errno == EINTR)
            continue;
        // A file that shrank since its size was taken ends early: it is not the file it was.
        if (got <= 0)
            return std::nullopt;
        done += got;
    }
    return bytes;
}

bool createNativeFolder(const QString &path)
{
    return !path.isEmpty() && ::mkdir(encodeNativePath(path).constData(), 0777) == 0;
}

std::optional<qint64> nativeFreeBytes(const QString &folder)
{
    struct statvfs volume{};
    if (::statvfs(encodeNativePath(folder).constData(), &volume) != 0)
        return std::nullopt;
    return qint64(volume.f_bavail) * qint64(volume.f_frsize);
}

std::optional<QStringList> listNativeFolder(const QString &folder, bool filesOnly)
{
    const QByteArray native = encodeNativePath(folder);
    DIR *directory = ::opendir(native.constData());
    if (directory == nullptr)
        return std::nullopt;
    QStringList names;
    while (const dirent *entry = ::readdir(directory)) {
        const QByteArray name(entry->d_name);
        // Hidden entries (and '.' and '..') are not shown, as in every file browser.
        if (name.startsWith('.'))
            continue;
        struct stat info{};
        if (::stat((native + '/' + name).constData(), &info) != 0)
            continue;
        if (filesOnly ? S_ISREG(info.st_mode) : S_ISDIR(info.st_mode))
            names.append(decodeNativePath(name));
    }
    ::closedir(directory);
    std::sort(names.begin(), names.end(),
              [](const QString &a, const QString &b) { return QString::compare(a, b, Qt::CaseInsensitive) < 0; });
    return names;
}
