#include "output/AtomicPdfDevice.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

namespace {

// PoDoFo writes a PDF in many small pieces: they reach the file in blocks of this size.
constexpr std::size_t kBlockBytes = 256 * 1024;
// How far back PoDoFo may seek over what it wrote; it steps back seven bytes.
constexpr std::size_t kRewritableBytes = 64;

} // namespace

AtomicPdfDevice::AtomicPdfDevice(AtomicFile &file) : m_file(file)
{
    m_held.reserve(kBlockBytes + kRewritableBytes);
}

void AtomicPdfDevice::Print(const char *format, ...)
{
    va_list arguments;
    va_start(arguments, format);
    const long bytes = PrintVLen(format, arguments);
    va_end(arguments);
    va_start(arguments, format);
    PrintV(format, bytes, arguments);
    va_end(arguments);
}

void AtomicPdfDevice::PrintV(const char *format, long bytes, va_list arguments)
{
    if (bytes < 0) {
        m_good = false;
        return;
    }
    std::vector<char> text(std::size_t(bytes) + 1);
    std::vsnprintf(text.data(), text.size(), format, arguments);
    Write(text.data(), std::size_t(bytes));
}

void AtomicPdfDevice::Write(const char *data, size_t length)
{
    const std::size_t at = m_position - m_flushed;
    if (at + length > m_held.size())
        m_held.resize(at + length);
    std::memcpy(m_held.data() + at, data, length);
    m_position += length;
    m_ulLength = std::max(m_ulLength, m_position);
    if (m_held.size() >= kBlockBytes + kRewritableBytes)
        Flush();
}

size_t AtomicPdfDevice::Read(char *, size_t)
{
    m_good = false;
    return 0;
}

void AtomicPdfDevice::Seek(size_t offset)
{
    if (offset < m_flushed || offset > m_flushed + m_held.size()) {
        m_good = false;
        return;
    }
    m_position = offset;
}

void AtomicPdfDevice::Flush()
{
    // Bytes past the position stay too: they may be written over.
    const std::size_t keepFrom = std::min(m_position - m_flushed, m_held.size());
    if (keepFrom > kRewritableBytes)
        writeOut(keepFrom - kRewritableBytes);
}

bool AtomicPdfDevice::finish()
{
    writeOut(m_held.size());
    return m_good;
}

void AtomicPdfDevice::writeOut(std::size_t count)
{
    m_good = m_file.write(m_held.data(), qsizetype(count)) && m_good;
    m_held.erase(m_held.begin(), m_held.begin() + std::ptrdiff_t(count));
    m_flushed += count;
}
