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
#include <cstdio>
#include <functional>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

struct JpegCodec; // libjpeg's state, kept out of this header

// Where the rows of a decode that does not fill the whole picture go, as the decoding
// thread produces them, top row first. It must outlive the decode: stopDecoding joins the
// thread.
class DecodedRowReceiver
{
public:
    virtual ~DecodedRowReceiver() = default;
    // Where row y goes; null stops decoding.
    virtual uchar *place(int y) = 0;
    // How many of the count rows from first may be decoded in one batch (at least one): a
    // receiver may end a batch early where placing a row would wait for rows of the batch.
    virtual int rowsInBatch(int /*first*/, int count) { return count; }
    // Every row above end is in; damage is what the file showed so far. False stops decoding.
    virtual bool rowsDone(int end, const PictureDamage &damage) = 0;
    // The decode ended before the receiver asked it to stop: why, empty when the decoder
    // was asked to stop.
    virtual void decodingFailed(const QString &why) = 0;
};

// Decodes a baseline or progressive JPEG on a background thread, top row first, in one of
// two ways: into an image of the full size that exists from the start, whose upper part a
// caller can use as soon as those rows are in; or into the places a receiver gives for
// each row, so that the whole picture need never be held. Either way the pixels come out
// exactly as decodeImageFile gives them. The decoder knows nothing of who reads the rows.
//
// Only files the streaming decoder is sure to read the same way are taken: grey-scale,
// YCbCr and RGB JPEGs that pass the same checks as decodeImageFile (readable, complete,
// within the size limit). Anything else is left to decodeImageFile, which also says why a
// file cannot be used.
// How a caller follows a long read from another thread: once stop is set the read is given
// up; progress, when given, hears the share of rows read (0 to 100) each time it grows.
struct ReadWatch
{
    const std::atomic<bool> *stop = nullptr;
    std::function<void(int percent)> progress;
};

class StreamingJpegDecoder
{
public:
    // Reads the file and its header; nothing when it cannot be streamed. No pixel is
    // decoded until decodeWhole or decodeBands is called, once.
    static std::unique_ptr<StreamingJpegDecoder> open(const QString &path);
    // The file the decoder reads.
    const QString &path() const { return m_path; }
    // open, then decodeWhole; nothing also when the whole picture would not fit in memory.
    static std::unique_ptr<StreamingJpegDecoder> start(const QString &path);

    QSize size() const { return m_size; }

    // Whether the whole picture can be held: its size within the program's limit and its
    // memory free now; the reason when not.
    ImagingResult wholePictureRoom() const;
    // Decodes into image(); false when its memory cannot be had. whenFinished, if given, is
    // called on the decoding thread once the last row is in or the decode has failed.
    bool decodeWhole(std::function<void()> whenFinished = {});
    // Decodes every row into the receiver's places, in the pixel format (32-bit RGB as
    // image() has, or 24-bit RGB, the same colours in three quarters of the memory).
    bool decodeRowsInto(DecodedRowReceiver &receiver, QImage::Format pixels = QImage::Format_RGB32);
    // Lets go of the file's bytes before any decoding: rows are decoded from the file itself
    // from now on, as decodeRowsInto does anyway. For a picture only ever cut band by band,
    // whose bytes (a gigapixel panorama's are hundreds of megabytes) would otherwise be held
    // for nothing. False when decoding has started or the file no longer reads as it did.
    bool readFromFileOnly();
    // Whether rows a receiver holds (bytes) fit beside what the decoder itself keeps: a
    // progressive or multi-scan JPEG keeps every coefficient of the picture.
    ImagingResult roomForRows(qint64 heldBytes) const;
    // One pixel carrying the picture's resolution and colour profile, as the whole picture
    // would: rows handed on carry them the same way.
    const QImage &pictureTraits() const { return m_traits; }

    // Stops decoding early if it is still running and waits for the thread. A receiver
    // waiting for its readers must be told to stop first.
    void stopDecoding();
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
    // reads the file's bytes only (from the file itself once they were let go of).
    QImage reducedPicture(QSize atLeast, PictureDamage *damage = nullptr, const ReadWatch &watch = {}) const;
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

    // Why decoding failed; empty while it has not.
    QString errorText() const;

private:
    // Stops decoding: waiters for rows of the whole picture get no more.
    void requestStop();
    class WholePictureRows; // the rows' places in the whole picture
    class ReceiverStops;    // tells the decoder when a receiver asked it to stop

    StreamingJpegDecoder();
    bool startDecoding(DecodedRowReceiver &receiver);
    // Reads the rows from the file as they are decoded, instead of from its bytes held
    // whole; false when the file no longer gives the same picture.
    bool decodeFromFile();
    void decode();
    void finishWithError(const QString &text);
    bool wholeRowsDone(int rowsDone);

    QSize m_size;
    ImageFileInfo m_header;
    JpegStructure m_structure;
    QByteArray m_colourProfile;
    std::int32_t m_resolution[2] = {0, 0}; // horizontal, vertical, as read; 0 when not given
    QImage m_traits;

    QString m_path;
    QByteArray m_bytes; // the whole file; let go once rows are decoded from the file itself
    // Declared before the codec, which reads it until it is destroyed.
    std::unique_ptr<std::FILE, int (*)(std::FILE *)> m_file{nullptr, &std::fclose};
    std::unique_ptr<JpegCodec> m_codec;
    std::unique_ptr<ImageObject> m_image;
    std::unique_ptr<WholePictureRows> m_wholeRows;
    DecodedRowReceiver *m_receiver = nullptr;

    mutable std::mutex m_mutex;
    std::condition_variable m_rowsChanged;
    int m_rowsDone = 0;
    bool m_failed = false;
    PictureDamage m_damage;
    QString m_errorText;
    std::atomic<bool> m_stopRequested{false};
    std::thread m_thread;
    std::function<void()> m_whenFinished;
};
