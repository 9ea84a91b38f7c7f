#include "imaging/ImageDataCompleteness.h"

#include <QtEndian>

#include <cstring>
#include <limits>

namespace {

constexpr unsigned char kMarkerPrefix = 0xFF;
constexpr unsigned char kStartOfImage = 0xD8;
constexpr unsigned char kEndOfImage = 0xD9;
constexpr unsigned char kStartOfScan = 0xDA;
constexpr unsigned char kStuffedZero = 0x00;
constexpr unsigned char kTemporary = 0x01;

bool isRestartMarker(unsigned char marker) { return marker >= 0xD0 && marker <= 0xD7; }

bool hasNoLength(unsigned char marker)
{
    return marker == kStuffedZero || marker == kTemporary || isRestartMarker(marker);
}

class JpegScanner
{
public:
    explicit JpegScanner(QByteArrayView data)
        : m_bytes(reinterpret_cast<const unsigned char *>(data.data())), m_size(data.size())
    {
    }

    JpegStructure scan()
    {
        JpegStructure structure;
        if (m_size < 2 || m_bytes[0] != kMarkerPrefix || m_bytes[1] != kStartOfImage)
            return structure;
        m_pos = 2;
        for (;;) {
            const int marker = nextMarker();
            if (marker < 0)
                return structure;
            if (marker == kEndOfImage) {
                structure.complete = true;
                return structure;
            }
            if (hasNoLength(marker))
                continue;
            if (isStartOfFrame(marker))
                readFrame(marker, structure);
            if (!skipSegment())
                return structure;
            if (marker == kStartOfScan) {
                ++structure.scans;
                skipEntropyCodedData();
            }
        }
    }

private:
    static bool isStartOfFrame(int marker)
    {
        return marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC;
    }

    // The frame header: precision, height, width, then three bytes per component, the
    // second holding the horizontal and vertical sampling factors.
    void readFrame(int marker, JpegStructure &structure) const
    {
        if (m_size - m_pos < 8)
            return;
        const unsigned char *frame = m_bytes + m_pos + 2;
        structure.progressive = marker == 0xC2 || marker == 0xC6 || marker == 0xCA || marker == 0xCE;
        const int count = frame[5];
        structure.sampling.clear();
        for (int c = 0; c < count && m_pos + 8 + 3 * (c + 1) <= m_size; ++c) {
            const unsigned char factors = frame[6 + 3 * c + 1];
            structure.sampling.push_back({factors >> 4, factors & 0x0F});
        }
    }

    // Reads the marker at the current position, tolerating fill bytes and stray bytes
    // before it as the decoder does; -1 at the end of the data.
    int nextMarker()
    {
        const void *prefix = std::memchr(m_bytes + m_pos, kMarkerPrefix, size_t(m_size - m_pos));
        if (prefix == nullptr)
            return -1;
        m_pos = static_cast<const unsigned char *>(prefix) - m_bytes;
        while (m_pos < m_size && m_bytes[m_pos] == kMarkerPrefix)
            ++m_pos;
        if (m_pos >= m_size)
            return -1;
        return m_bytes[m_pos++];
    }

    bool skipSegment()
    {
        if (m_size - m_pos < 2)
            return false;
        const qsizetype length = (qsizetype(m_bytes[m_pos]) << 8) | m_bytes[m_pos + 1];
        if (length < 2 || length > m_size - m_pos)
            return false;
        m_pos += length;
        return true;
    }

    // Moves to the first real marker after a scan's coded bytes, where a 0xFF is followed
    // by a stuffed zero, a restart marker or another fill byte.
    void skipEntropyCodedData()
    {
        while (m_pos < m_size) {
            const void *prefix = std::memchr(m_bytes + m_pos, kMarkerPrefix, size_t(m_size - m_pos));
            if (prefix == nullptr) {
                m_pos = m_size;
                return;
            }
            m_pos = static_cast<const unsigned char *>(prefix) - m_bytes;
            if (m_pos + 1 >= m_size)
                return;
            const unsigned char next = m_bytes[m_pos + 1];
            if (next == kStuffedZero || isRestartMarker(next))
                m_pos += 2;
            else if (next == kMarkerPrefix)
                m_pos += 1;
            else
                return;
        }
    }

    const unsigned char *m_bytes;
    qsizetype m_size;
    qsizetype m_pos = 0;
};

} // namespace

JpegStructure inspectJpeg(QByteArrayView data)
{
    return JpegScanner(data).scan();
}

bool jpegDataIsComplete(QByteArrayView data)
{
    return inspectJpeg(data).complete;
}

bool bmpDataIsComplete(QByteArrayView data)
{
    constexpr qsizetype kFileHeaderSize = 14;
    constexpr qsizetype kInfoHeaderSize = 40;
    if (data.size() < kFileHeaderSize + kInfoHeaderSize)
        return true;
    const char *bytes = data.data();
    const quint32 infoSize = qFromLittleEndian<quint32>(bytes + 14);
    if (infoSize < kInfoHeaderSize)
        return true;
    const qint64 pixelOffset = qFromLittleEndian<quint32>(bytes + 10);
    const qint64 width = qFromLittleEndian<qint32>(bytes + 18);
    const qint64 height = qAbs(qint64(qFromLittleEndian<qint32>(bytes + 22)));
    const quint16 bitsPerPixel = qFromLittleEndian<quint16>(bytes + 28);
    const quint32 compression = qFromLittleEndian<quint32>(bytes + 30);
    const bool uncompressed = compression == 0 || compression == 3 || compression == 6;
    const bool knownDepth = bitsPerPixel == 1 || bitsPerPixel == 4 || bitsPerPixel == 8
        || bitsPerPixel == 16 || bitsPerPixel == 24 || bitsPerPixel == 32;
    if (!uncompressed || !knownDepth || width <= 0)
        return true;
    // Rows are padded to whole 32-bit words.
    const qint64 bytesPerRow = (width * bitsPerPixel + 31) / 32 * 4;
    if (height > 0 && bytesPerRow > (std::numeric_limits<qint64>::max() - pixelOffset) / height)
        return false;
    return qint64(data.size()) >= pixelOffset + bytesPerRow * height;
}
