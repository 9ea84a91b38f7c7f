#include "imaging/ImageObjectFactory.h"

#include "imaging/ImageFileType.h"
#include "resources/ImagingStrings.h"

#include <QGuiApplication>
#include <QImageReader>
#include <QImageWriter>
#include <QMutex>
#include <QMutexLocker>

#include <cstdio>
#include <cstdlib>

struct ImageObjectConstruction
{
    static std::unique_ptr<ImageObject> make() { return std::unique_ptr<ImageObject>(new ImageObject()); }
};

namespace {

void printAndExit(const QString &title, const QString &text)
{
    std::fprintf(stderr, "%s: %s\n", qPrintable(title), qPrintable(text));
    std::exit(EXIT_FAILURE);
}

QMutex &handlerMutex()
{
    static QMutex mutex;
    return mutex;
}

ImagingFatalErrorHandler &currentHandler()
{
    static ImagingFatalErrorHandler handler = printAndExit;
    return handler;
}

void reportFatalError(const QString &text)
{
    ImagingFatalErrorHandler handler;
    {
        const QMutexLocker lock(&handlerMutex());
        handler = currentHandler();
    }
    handler(ImagingStrings::kErrorTitle, text);
}

bool allCodecsAvailable()
{
    const QList<QByteArray> readable = QImageReader::supportedImageFormats();
    const QList<QByteArray> writable = QImageWriter::supportedImageFormats();
    for (const ImageFileType type : {ImageFileType::Jpeg, ImageFileType::Tiff, ImageFileType::Bmp}) {
        const QByteArray format = qtFormatName(type);
        if (!readable.contains(format) || !writable.contains(format))
            return false;
    }
    return true;
}

} // namespace

ImagingFatalErrorHandler setImagingFatalErrorHandler(ImagingFatalErrorHandler handler)
{
    const QMutexLocker lock(&handlerMutex());
    ImagingFatalErrorHandler previous = std::move(currentHandler());
    currentHandler() = handler ? std::move(handler) : ImagingFatalErrorHandler(printAndExit);
    return previous;
}

bool imagingLibraryReady()
{
    // The installed codecs do not change while the program runs.
    static const bool codecsAvailable = allCodecsAvailable();
    return qobject_cast<QGuiApplication *>(QCoreApplication::instance()) != nullptr && codecsAvailable;
}

std::unique_ptr<ImageObject> createImageObject()
{
    return createImageObject(imagingLibraryReady);
}

std::unique_ptr<ImageObject> createImageObject(const ImagingReadinessCheck &readinessCheck)
{
    try {
        if (!readinessCheck || !readinessCheck()) {
            reportFatalError(ImagingStrings::kInitializationFailed);
            return nullptr;
        }
        return ImageObjectConstruction::make();
    } catch (...) {
        reportFatalError(ImagingStrings::kInitializationProcedureFailed);
        return nullptr;
    }
}
