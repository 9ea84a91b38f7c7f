#include "output/BandRing.h"

#include "resources/ImagingStrings.h"

#include <QColorSpace>

#include <algorithm>
#include <cstring>

BandRing::BandRing(StreamingJpegDecoder &decoder, std::vector<RowBand> bands, QImage::Format pixels)
    : m_decoder(decoder), m_bands(std::move(bands))
{
    const QSize size = decoder.size();
    int tallest = 0;
    for (std::size_t b = 0; b < m_bands.size(); ++b) {
        const RowBand &band = m_bands[b];
        // In order, and no row in more than two bands: a shared row is copied to one next band.
        const bool inOrder = b == 0 || band.top > m_bands[b - 1].top;
        const bool sharedOnce = b < 2 || band.top > m_bands[b - 2].bottom;
        if (!inOrder || !sharedOnce || band.top > band.bottom || band.bottom >= size.height()) {
            fail(ImagingStrings::kInvalidImageSize);
            return;
        }
        tallest = std::max(tallest, band.bottom - band.top + 1);
    }
    if (m_bands.empty() || (pixels != QImage::Format_RGB32 && pixels != QImage::Format_RGB888)) {
        fail(ImagingStrings::kInvalidImageSize);
        return;
    }
    const int bytesPerPixel = pixels == QImage::Format_RGB888 ? 3 : 4;
    if (const ImagingResult room = decoder.roomForRows(2 * qint64(size.width()) * tallest * bytesPerPixel); !room) {
        fail(room.errorText());
        return;
    }
    for (QImage &buffer : m_buffers) {
        buffer = QImage(size.width(), tallest, pixels);
        if (buffer.isNull()) {
            fail(ImagingStrings::kOutOfMemory);
            return;
        }
    }
    m_scratchRow = QImage(size.width(), 1, pixels);
    for (const RowBand &band : m_bands)
        m_readersLeft.push_back(band.readers);
    m_started = m_decoder.decodeRowsInto(*this, pixels);
    if (!m_started)
        fail(m_decoder.errorText());
}

BandRing::~BandRing()
{
    stop();
    m_decoder.stopDecoding();
}

void BandRing::stop()
{
    {
        const std::lock_guard lock(m_mutex);
        m_stopped = true;
    }
    m_changed.notify_all();
}

bool BandRing::fail(const QString &why)
{
    {
        const std::lock_guard lock(m_mutex);
        m_stopped = true;
        if (m_errorText.isEmpty())
            m_errorText = why;
    }
    m_changed.notify_all();
    return false;
}

void BandRing::decodingFailed(const QString &why)
{
    fail(why);
}

QString BandRing::errorText() const
{
    const std::lock_guard lock(m_mutex);
    return m_errorText;
}

int BandRing::firstBandHolding(int y) const
{
    // A batch of rows may run past the band being filled: each row finds its own band.
    int b = m_bandFilling;
    while (b < bandCount() && m_bands[std::size_t(b)].bottom < y)
        ++b;
    if (b >= bandCount() || y < m_bands[std::size_t(b)].top)
        return -1;
    return b;
}

int BandRing::rowsInBatch(int first, int count)
{
    // Band b + 2 may have to wait for band b's readers, and they get band b only after the
    // batch that completes it: a batch that reached band b + 2 before band b is complete
    // would wait for itself. Such a batch ends before its first row of band b + 2; the
    // batch's first row never waits so, since every row above it is in.
    for (int i = 1; i < count; ++i) {
        const int b = firstBandHolding(first + i);
        if (b > m_bandAcquired && b - 2 >= m_bandFilling)
            return i;
    }
    return count;
}

uchar *BandRing::place(int y)
{
    if (m_bandFilling >= bandCount())
        return nullptr; // every band is in: decoding can stop
    const int b = firstBandHolding(y);
    if (b < 0)
        return m_scratchRow.bits();
    if (!acquireBuffer(b))
        return nullptr;
    return m_buffers[b % 2].scanLine(y - m_bands[std::size_t(b)].top);
}

bool BandRing::acquireBuffer(int b)
{
    if (b <= m_bandAcquired)
        return true;
    // Band b + 2 takes the buffer of band b once every tile of band b is done with it.
    if (b >= 2) {
        std::unique_lock lock(m_mutex);
        m_changed.wait(lock, [this, b] { return m_stopped || m_readersLeft[std::size_t(b - 2)] <= 0; });
        if (m_stopped)
            return false;
    }
    m_bandAcquired = b;
    return true;
}

bool BandRing::rowsDone(int end, const PictureDamage &damage)
{
    const qsizetype rowBytes = m_scratchRow.bytesPerLine();
    for (int y = m_rowsDone; y < end; ++y) {
        // One row may end two bands at once (19-20 and 20-20 when tiles are tiny).
        while (m_bandFilling < bandCount()) {
            const RowBand &filling = m_bands[std::size_t(m_bandFilling)];
            if (y < filling.top)
                break;
            // A row that two bands share went into the first one; the next one gets a copy.
            const int next = m_bandFilling + 1;
            if (next < bandCount() && y >= m_bands[std::size_t(next)].top) {
                const RowBand &following = m_bands[std::size_t(next)];
                if (!acquireBuffer(next))
                    return false;
                std::memcpy(m_buffers[next % 2].scanLine(y - following.top),
                            m_buffers[m_bandFilling % 2].constScanLine(y - filling.top), size_t(rowBytes));
            }
            if (y != filling.bottom)
                break;
            // Grey rows past the end of the data must not become tiles.
            if (damage.missingWithin(QRect(0, filling.top, m_scratchRow.width(), filling.bottom - filling.top + 1)))
                return fail(ImagingStrings::kIncompleteFile);
            {
                const std::lock_guard lock(m_mutex);
                m_bandsDone = ++m_bandFilling;
            }
            m_changed.notify_all();
        }
    }
    m_rowsDone = end;
    const std::lock_guard lock(m_mutex);
    return !m_stopped && m_bandFilling < bandCount();
}

QImage BandRing::waitForBand(int b)
{
    if (b < 0 || b >= bandCount())
        return QImage();
    {
        std::unique_lock lock(m_mutex);
        m_changed.wait(lock, [this, b] { return m_stopped || m_bandsDone > b; });
        if (m_bandsDone <= b)
            return QImage();
    }
    const RowBand &rows = m_bands[std::size_t(b)];
    const QImage &buffer = m_buffers[b % 2];
    // Shares the buffer: the band's tiles are cut from it in place.
    QImage view(buffer.constBits(), buffer.width(), rows.bottom - rows.top + 1, buffer.bytesPerLine(), buffer.format());
    const QImage &traits = m_decoder.pictureTraits();
    view.setDotsPerMeterX(traits.dotsPerMeterX());
    view.setDotsPerMeterY(traits.dotsPerMeterY());
    view.setColorSpace(traits.colorSpace());
    return view;
}

void BandRing::releaseBand(int b)
{
    if (b < 0 || b >= bandCount())
        return;
    {
        const std::lock_guard lock(m_mutex);
        --m_readersLeft[std::size_t(b)];
    }
    m_changed.notify_all();
}
