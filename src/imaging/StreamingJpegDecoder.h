#pragma once

#include "imaging/ImageDataCompleteness.h"
#include "imaging/ImageFileReader.h"
#include "imaging/ImageObject.h"

#include <QByteArray>
#include <QImage>
#include <QSize>
#include <QString>

#include <atomic>
#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

struct JpegCodec; // libjpeg's state, kept out of this header

// Rows top to bottom (inclusive) of the picture that one row of tiles reads, and how many
// tiles read them.
struct RowBand
{
    int top = 0;
    int bottom = 0;
    int readers = 0;
};

// Decodes a baseline or progressive JPEG on a background thread, top row first, in one of
// two ways: into an image of the full size that exists from the start, whose upper part a
// caller can use as soon as those rows are in; or band by band, the rows of one row of
// tiles at a time in two buffers used in turn, so that the whole picture is never held.
// Either way the pixels come out exactly as decodeImageFile gives them.
//
// Only files the streaming decoder is sure to read the same way are taken: grey-scale,
// YCbCr and RGB JPEGs that pass the same checks as decodeImageFile (readable, complete,
// within the size limit). Anything else is left to decodeImageFile, which also says why a
// file cannot be used.
class StreamingJpegDecoder
{
public:
    // Reads the file and its header; nothing when it cannot be streamed. No pixel is
    // decoded until decodeWhole or decodeBands is called, once.
    static std::unique_ptr<StreamingJpegDecoder> open(const QString &path);
    // open, then decodeWhole; nothing also when the whole picture would not fit in memory.
    static std::unique_ptr<StreamingJpegDecoder> start(const QString &path);

    QSize size() const { return m_size; }

    // Whether the whole picture can be held: its size within the program's limit and its
    // memory free now; the reason when not.
    ImagingResult wholePictureRoom() const;
    // Decodes into image(); false when its memory cannot be had. whenFinished, if given, is
    // called on the decoding thread once the last row is in or the decode has failed.
    bool decodeWhole(std::function<void()> whenFinished = {});
    // Decodes only the rows of the bands, given top to bottom, each into one of two
    // buffers of the pixel format (32-bit RGB as image() has, or 24-bit RGB, the same
    // colours in three quarters of the memory): band b + 2 waits until every reader of
    // band b has released it. False, with the reason as errorText(), when the bands do not
    // lie within the picture in order or their buffers cannot be had.
    bool decodeBands(std::vector<RowBand> bands, QImage::Format pixels = QImage::Format_RGB32);

    // Stops decoding early if it is still running and waits for the thread.
    ~StreamingJpegDecoder();

    StreamingJpegDecoder(const StreamingJpegDecoder &) = delete;
    StreamingJpegDecoder &operator=(const StreamingJpegDecoder &) = delete;

    // The picture being filled in by decodeWhole. Rows below those waitForRows confirmed
    // may still change.
    const ImageObject &image() const { return *m_image; }

    // True once decodeWhole has decoded the last row or failed: waitForRows would not block.
    bool isFinished() const;

    // The picture at the smallest of libjpeg's reduced sizes (n/8 of each side) that is
    // still at least the given size both ways, or whole when none is, for showing: 32-bit
    // RGB without resolution or colour profile, decoded by libjpeg on the calling thread. A
    // null image when the data does not decode. Safe while the decoding thread runs: it
    // reads the file's bytes only.
    QImage reducedPicture(QSize atLeast, PictureDamage *damage = nullptr) const;
    // The file's RGB colour profile (ICC), empty when it has none.
    const QByteArray &colourProfile() const { return m_colourProfile; }

    // The rows decoded so far that the file could not give. Bands that need rows past the
    // point where the data runs out are not delivered: decoding fails with the reason.
    PictureDamage damage() const;

    // Blocks until the first rowCount rows are decoded. False when decoding failed before
    // reaching them; a count beyond the image waits for all of it.
    bool waitForRows(int rowCount);
    // The same for rows that tiles are cut from: false also when any of them lies past the
    // end of the file's data, which errorText then says.
    bool waitForRowsToCut(int rowCount);

    // Blocks until band b is decoded; its rows as an image (row 0 is the band's top row)
    // carrying the picture's resolution and colour profile, valid until the band is
    // released. A null image when decoding failed before the band was complete.
    QImage waitForBand(int band);
    // One reader is done with the band; after the last, its buffer takes the next band.
    void releaseBand(int band);

    // Stops decoding: waiting readers get no more bands.
    void requestStop();

    // Why decoding failed; empty while it has not.
    QString errorText() const;


private:
    class DecoderSink; // the decoding thread's view of the decoder

    StreamingJpegDecoder();
    void decode();
    void decodeRows();
    // Called by the decoding thread after each batch of rows; false asks it to stop.
    bool publishRows(int rowsDone);
    void finishWithError(const QString &text);
    // Where the decoding thread puts picture row y: its place in the whole image, or in
    // the buffer of the first band that holds it (waiting for that buffer to be free), or
    // a scratch row for a row no tile reads.
    uchar *placeOfRow(int y);
    // The first band not yet complete that holds row y; -1 when no band does.
    int firstBandHolding(int y) const;
    // How many of the count rows from first the decoding thread may decode in one batch
    // without waiting for a buffer that only the same batch's rows would free.
    int rowsWithoutWaiting(int first, int count) const;
    bool bandedRowsDone(int first, int end);
    // Waits until the band's buffer is free for it; false when asked to stop meanwhile.
    bool acquireBuffer(int band);
    QImage bandView(int band) const;

    QSize m_size;
    ImageFileInfo m_header;
    JpegStructure m_structure;
    QByteArray m_colourProfile;
    std::int32_t m_resolution[2] = {0, 0}; // horizontal, vertical, as read; 0 when not given

    QByteArray m_bytes; // the whole file
    std::unique_ptr<JpegCodec> m_codec;
    std::unique_ptr<ImageObject> m_image;
    uchar *m_firstRow = nullptr;
    qsizetype m_bytesPerLine = 0;

    mutable std::mutex m_mutex;
    std::condition_variable m_rowsChanged;
    int m_rowsDone = 0;
    bool m_failed = false;
    PictureDamage m_damage;

    // Band decoding: the bands, their readers still to release them, and the two buffers.
    std::vector<RowBand> m_bands;
    std::vector<int> m_readersLeft;
    int m_bandsDone = 0; // bands 0 to m_bandsDone - 1 are complete
    int m_bandFilling = 0;  // the first band not yet complete
    int m_bandAcquired = -1; // the last band whose buffer the decoding thread writes
    bool m_missingRowsNeeded = false; // a band reached past the end of the file's data
    QImage m_buffers[2];
    QImage m_scratchRow;
    QImage m_shape; // one pixel carrying the picture's resolution and colour profile
    QString m_errorText;
    std::atomic<bool> m_stopRequested{false};
    std::thread m_thread;
    std::function<void()> m_whenFinished;
};
