#include "common/AvailableMemory.h"

#include <QByteArray>
#include <QFile>

#include <algorithm>

namespace {

std::optional<qint64> &overriddenMemory()
{
    static std::optional<qint64> bytes;
    return bytes;
}

// A small text file of the kernel's: read with a plain read, as its size reads 0.
QByteArray kernelFile(const char *path)
{
    QFile file(QString::fromLatin1(path));
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray();
    return file.read(4096);
}

std::optional<qint64> memAvailable()
{
    const QByteArray info = kernelFile("/proc/meminfo");
    const qsizetype at = info.indexOf("MemAvailable:");
    if (at < 0)
        return std::nullopt;
    const qsizetype end = info.indexOf('\n', at);
    const QByteArray kilobytes = info.mid(at + 13, end - at - 13).replace("kB", "").trimmed();
    bool ok = false;
    const qint64 value = kilobytes.toLongLong(&ok);
    return ok ? std::optional<qint64>(value * 1024) : std::nullopt;
}

// cgroup v2: the limit less what the group uses; "max" means no limit.
std::optional<qint64> controlGroupRoom()
{
    const QByteArray limit = kernelFile("/sys/fs/cgroup/memory.max").trimmed();
    const QByteArray used = kernelFile("/sys/fs/cgroup/memory.current").trimmed();
    bool limitOk = false;
    bool usedOk = false;
    const qint64 max = limit.toLongLong(&limitOk);
    const qint64 current = used.toLongLong(&usedOk);
    if (!limitOk || !usedOk)
        return std::nullopt;
    return std::max<qint64>(0, max - current);
}

} // namespace

std::optional<qint64> availableMemoryBytes()
{
    if (overriddenMemory())
        return overriddenMemory();
    const std::optional<qint64> machine = memAvailable();
    const std::optional<qint64> group = controlGroupRoom();
    if (machine && group)
        return std::min(*machine, *group);
    return machine ? machine : group;
}

ScopedAvailableMemory::ScopedAvailableMemory(qint64 bytes) : m_previous(overriddenMemory())
{
    overriddenMemory() = bytes;
}

ScopedAvailableMemory::~ScopedAvailableMemory()
{
    overriddenMemory() = m_previous;
}
