#pragma once

#include "imaging/ImageFileRules.h"
#include "imaging/PixelArrayView.h"
#include "imaging/StreamingJpegDecoder.h"

#include <QImage>
#include <QSize>
#include <QString>

#include <functional>
#include <memory>

// A big JPEG opened for the window in two steps: a picture decoded at reduced size, ready
// for the canvas at once, while the whole picture decodes on the decoder's own thread.
// An unturned JPEG too large to hold whole is opened too, with the reduced picture only:
// its tiles can still be cut band by band from its file.
class QuickPictureLoad
{
public:
    // Smaller pictures decode whole in a few tens of milliseconds: they load the ordinary way.
    static constexpr qint64 kFromPixels = 4'000'000;

    // Starts the load of a JPEG the streaming decoder takes, of at least fromPixels pixels
    // and the minimum size, whose whole picture can be held or which is not turned; the
    // reduced picture is made for a canvas of the given size. Nothing otherwise: the
    // ordinary load then decides, and says why a file cannot be used.
    // whenWholeDecoded is called on the decoding thread once finish would not wait. Any
    // thread may start a load; the watch hears how far the reduced picture is read, and
    // once its stop is set, the reduced picture is given up and nothing comes back.
    static std::unique_ptr<QuickPictureLoad> start(const QString &path, int rotationDegrees, QSize canvas,
                                                   qint64 fromPixels = kFromPixels,
                                                   std::function<void()> whenWholeDecoded = {},
                                                   const ReadWatch &watch = {});

    // The whole picture's size after the turn.
    QSize size() const { return m_size; }
    // The reduced picture, turned as the whole one will be.
    ConstPixelArrayView canvasPicture() const
    {
        return ConstPixelArrayView(m_canvasPicture.constBits(), m_canvasPicture.width(), m_canvasPicture.height(),
                                   m_canvasPicture.bytesPerLine());
    }

    // Rows the file could not give, as the reduced picture found them, turned with it.
    const PictureDamage &damage() const { return m_damage; }

    // False for a picture too large to hold whole, which is never decoded whole.
    bool decodesWhole() const { return m_decoder != nullptr; }
    // Why the whole picture cannot be held; empty when it is decoding.
    const QString &tooLargeText() const { return m_tooLargeText; }

    // True once the whole picture is decoded, or has failed to: finish would not wait.
    bool isFinished() const { return !m_decoder || m_decoder->isFinished(); }
    // Waits for the whole picture and turns it: what the ordinary load would have given.
    LoadedSourceImage finish();

private:
    QuickPictureLoad() = default;

    std::unique_ptr<StreamingJpegDecoder> m_decoder;
    int m_rotation = 0;
    QSize m_size;
    QImage m_canvasPicture;
    QString m_tooLargeText;
    PictureDamage m_damage;
};
