#pragma once

#include "imaging/ImageObject.h"

#include <QByteArray>
#include <QString>

#include <atomic>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <thread>

// Decodes a baseline or progressive JPEG on a background thread, top row first, into an
// image of the full size that exists from the start. A caller that needs only the upper
// part of the picture can use it as soon as those rows are in, while the rest decodes:
// the pixels come out exactly as decodeImageFile gives them.
//
// Only files the streaming decoder is sure to read the same way are taken: grey-scale,
// YCbCr and RGB JPEGs that pass the same checks as decodeImageFile (readable, complete,
// within the size limit). Anything else is left to decodeImageFile, which also says why a
// file cannot be used.
class StreamingJpegDecoder
{
public:
    // Starts decoding the file; nothing when it cannot be streamed.
    static std::unique_ptr<StreamingJpegDecoder> start(const QString &path);

    // Stops decoding early if it is still running and waits for the thread.
    ~StreamingJpegDecoder();

    StreamingJpegDecoder(const StreamingJpegDecoder &) = delete;
    StreamingJpegDecoder &operator=(const StreamingJpegDecoder &) = delete;

    // The picture being filled in. Rows below those waitForRows confirmed may still change.
    const ImageObject &image() const { return *m_image; }

    // Blocks until the first rowCount rows are decoded. False when decoding failed before
    // reaching them; a count beyond the image waits for all of it.
    bool waitForRows(int rowCount);

    // Why decoding failed; empty while it has not.
    QString errorText() const;

    struct Codec; // libjpeg's state, kept out of this header

private:
    StreamingJpegDecoder();
    void decode();
    // Called by the decoding thread after each batch of rows; false asks it to stop.
    bool publishRows(int rowsDone);
    void finishWithError(const QString &text);

    QByteArray m_bytes; // the whole file
    std::unique_ptr<Codec> m_codec;
    std::unique_ptr<ImageObject> m_image;
    uchar *m_firstRow = nullptr;
    qsizetype m_bytesPerLine = 0;

    mutable std::mutex m_mutex;
    std::condition_variable m_rowsChanged;
    int m_rowsDone = 0;
    bool m_failed = false;
    QString m_errorText;
    std::atomic<bool> m_stopRequested{false};
    std::thread m_thread;
};
