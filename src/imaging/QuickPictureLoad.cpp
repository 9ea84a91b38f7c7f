#include "imaging/QuickPictureLoad.h"

#include "imaging/CanvasFit.h"
#include "imaging/ImageObjectFactory.h"

#include <QFileInfo>
#include <QTransform>

std::unique_ptr<QuickPictureLoad> QuickPictureLoad::start(const QString &path, int rotationDegrees, QSize canvas,
                                                          qint64 fromPixels, std::function<void()> whenWholeDecoded,
                                                          const ReadWatch &watch)
{
    using namespace ImageFileRules;
    if (!hasLoadableImageEnding(QFileInfo(path).fileName()) || !isImageRotation(rotationDegrees) || canvas.isEmpty())
        return nullptr;
    std::unique_ptr<StreamingJpegDecoder> decoder = StreamingJpegDecoder::open(path);
    if (!decoder)
        return nullptr;
    const QSize stored = decoder->size();
    const bool sidesSwap = rotationDegrees % 180 != 0;
    const QSize turned = sidesSwap ? stored.transposed() : stored;
    if (qint64(stored.width()) * stored.height() < fromPixels || isBelowMinimumSize(turned.width(), turned.height()))
        return nullptr;
    // Only an unturned picture can be cut without holding it whole.
    const ImagingResult room = decoder->wholePictureRoom();
    if (!room && rotationDegrees != 0)
        return nullptr;

    // The whole decode runs on its own thread while the reduced picture is made here: each
    // has a core. A picture too large to hold keeps nothing of its file: its tiles read it
    // again.
    if (room && !decoder->decodeWhole(std::move(whenWholeDecoded)))
        return nullptr;
    const CanvasFit fit = fitImageToCanvas(turned.width(), turned.height(), canvas.width(), canvas.height());
    const QSize shown(fit.width, fit.height);
    PictureDamage damage;
    QImage reduced = decoder->reducedPicture(sidesSwap ? shown.transposed() : shown, &damage, watch);
    if (rotationDegrees != 0 && !reduced.isNull())
        reduced = reduced.transformed(QTransform().rotate(rotationDegrees));
    if (!reduced.isNull() && reduced.format() != QImage::Format_RGB32)
        reduced.convertTo(QImage::Format_RGB32);
    if (reduced.isNull())
        return nullptr;

    std::unique_ptr<QuickPictureLoad> load(new QuickPictureLoad);
    if (room)
        load->m_decoder = std::move(decoder);
    else
        load->m_tooLargeText = room.errorText();
    load->m_damage = rotationDegrees != 0 ? damage.transformed(QTransform().rotate(rotationDegrees), stored) : damage;
    load->m_rotation = rotationDegrees;
    load->m_size = turned;
    load->m_canvasPicture = std::move(reduced);
    return load;
}

LoadedSourceImage QuickPictureLoad::finish()
{
    if (!m_decoder)
        return sourceLoadFailure(m_tooLargeText);
    if (!m_decoder->waitForRows(m_decoder->size().height()))
        return sourceLoadFailure(m_decoder->errorText());
    std::unique_ptr<ImageObject> image = createImageObject();
    if (!image || !image->FromImage(m_decoder->image()))
        return sourceLoadFailure(QString());
    image->SetDamage(m_decoder->damage());
    return decodedSource(std::move(image), m_rotation);
}
