#pragma once

#include "imaging/StreamingJpegDecoder.h"

#include <QImage>
#include <QString>

#include <condition_variable>
#include <mutex>
#include <vector>

// Rows top to bottom (inclusive) of the picture that one row of tiles reads, and how many
// tiles read them.
struct RowBand
{
    int top = 0;
    int bottom = 0;
    int readers = 0;
};

// The bands of a picture decoded band by band, held in two buffers used in turn, so that
// the whole picture is never held: band b + 2 takes band b's buffer once every reader of
// band b has released it. Readers on several threads wait for their band; the decoder
// fills the ring on its own thread.
class BandRing final : public DecodedRowReceiver
{
public:
    // Starts the decoder on the bands, given top to bottom, in the pixel format (32-bit or
    // 24-bit RGB). started() is false, with the reason as errorText(), when the bands do
    // not lie within the picture in order or their buffers cannot be had.
    BandRing(StreamingJpegDecoder &decoder, std::vector<RowBand> bands, QImage::Format pixels);
    // Stops the decoder and waits for its thread, which writes into this ring.
    ~BandRing() override;
    BandRing(const BandRing &) = delete;
    BandRing &operator=(const BandRing &) = delete;

    bool started() const { return m_started; }
    int bandCount() const { return int(m_bands.size()); }
    const RowBand &band(int b) const { return m_bands[std::size_t(b)]; }

    // Blocks until band b is decoded; its rows as an image (row 0 is the band's top row)
    // carrying the picture's resolution and colour profile, valid until the band is
    // released. A null image when decoding failed or stopped before the band was complete.
    QImage waitForBand(int b);
    // One reader is done with the band; after the last, its buffer takes the next band.
    void releaseBand(int b);
    // Wakes every waiter: readers get no more bands, and the decoder stops.
    void stop();

    // Why the bands stopped coming; empty while they have not.
    QString errorText() const;

    // The decoding thread's side.
    uchar *place(int y) override;
    int rowsInBatch(int first, int count) override;
    bool rowsDone(int end, const PictureDamage &damage) override;
    void decodingFailed(const QString &why) override;

private:
    bool fail(const QString &why);
    // The first band not yet complete that holds row y; -1 when no band does.
    int firstBandHolding(int y) const;
    // Waits until the band's buffer is free for it; false when asked to stop meanwhile.
    bool acquireBuffer(int b);

    StreamingJpegDecoder &m_decoder;
    std::vector<RowBand> m_bands;
    bool m_started = false;

    mutable std::mutex m_mutex;
    std::condition_variable m_changed;
    std::vector<int> m_readersLeft;
    int m_bandsDone = 0; // bands 0 to m_bandsDone - 1 are complete
    bool m_stopped = false;
    QString m_errorText;

    // The decoding thread's own: which band it fills and which buffer it may write.
    int m_bandFilling = 0;
    int m_bandAcquired = -1;
    int m_rowsDone = 0;
    QImage m_buffers[2];
    QImage m_scratchRow; // rows no band reads
};
