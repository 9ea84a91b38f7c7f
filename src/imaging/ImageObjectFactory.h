#pragma once

#include "imaging/ImageObject.h"

#include <QString>

#include <functional>
#include <memory>

// Called when an ImageObject cannot be created; the program cannot go on without images.
// The handler is expected to tell the user and end the program. The default prints the
// message to stderr and exits; the window program puts a message box in its place.
using ImagingFatalErrorHandler = std::function<void(const QString &title, const QString &text)>;

// Installs the handler and returns the one it replaces; an empty handler restores the default.
ImagingFatalErrorHandler setImagingFatalErrorHandler(ImagingFatalErrorHandler handler);

// True when images can be made here: a GUI application exists (text drawing needs its
// fonts) and BMP, JPEG and TIFF can each be read and written.
bool imagingLibraryReady();

using ImagingReadinessCheck = std::function<bool()>;

// The one way to make an ImageObject. When the imaging library is not ready, or creation
// fails in any other way, the fatal-error handler is called with the matching message;
// should the handler return, the result is empty.
std::unique_ptr<ImageObject> createImageObject();
std::unique_ptr<ImageObject> createImageObject(const ImagingReadinessCheck &readinessCheck);
