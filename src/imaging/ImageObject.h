#pragma once

#include "imaging/ImageFileReader.h"
#include "imaging/ImagingResult.h"
#include "imaging/PixelArrayView.h"

#include <QByteArray>
#include <QImage>
#include <QSize>
#include <QString>

#include <cstdint>

// One raster image: loaded, drawn on, turned, resampled and written by the rest of the
// program. Every ImageObject comes from createImageObject (ImageObjectFactory.h).
//
// Colours are 24-bit RGB values with red in the low byte (0x00BBGGRR). The resolution
// (pixels per inch) travels with the object: loading a file or copying another object
// takes theirs; every other operation keeps the current one, so it is written with the
// next file. Every operation either succeeds or leaves the image unchanged and says why.
class ImageObject
{
public:
    // Axis codes of SetResolution.
    static constexpr int kHorizontalAxis = 3;
    static constexpr int kVerticalAxis = 4;

    ImageObject(const ImageObject &) = delete;
    ImageObject &operator=(const ImageObject &) = delete;

    std::int32_t Width() const { return m_image.width(); }
    std::int32_t Height() const { return m_image.height(); }
    bool IsEmpty() const { return m_image.isNull(); }

    ImagingResult SetResolution(int axis, std::int32_t pixelsPerInch);
    // Nearest whole pixels per inch of the axis; 0 for an empty image or an unknown axis.
    std::int32_t Resolution(int axis) const;

    // Replaces the image by a decoded BMP, JPEG or TIFF file (see decodeImageFile).
    ImagingResult LoadFile(const QString &path, DecodeFormats formats = DecodeFormats::PosterFormats);
    // Exact copy of the other image, resolution included. The pixels are shared until
    // either side changes them, so copying costs nothing up front.
    ImagingResult FromImage(const ImageObject &other);
    ImagingResult NewImage(std::int32_t width, std::int32_t height, std::uint32_t colour);
    // An image of the size whose pixels are left as the memory holds them, for a writer
    // that fills every row before any row is read: a big picture is then written once.
    ImagingResult NewImageToFill(std::int32_t width, std::int32_t height);
    // Replaces the image by a copy of the pixels the view shows, which may be a region of
    // this or another image: cutting a tile copies only the tile.
    ImagingResult FromPixelArray(ConstPixelArrayView pixels);

    // Smooth resampling to exactly width x height, aspect ratio not kept.
    ImagingResult Resize(std::int32_t width, std::int32_t height);
    // A canvas of width x height in the colour, with the current image (if any) at its
    // top-left corner, cut off where the canvas is smaller.
    ImagingResult SetCanvas(std::int32_t width, std::int32_t height, std::uint32_t colour);
    // Clockwise turn by 90, 180 or 270 degrees; width and height swap at 90 and 270.
    ImagingResult Rotate(float degrees);

    // The ICC colour profile that goes with the pixels into every JPEG and TIFF file
    // written; empty for none. A profile that does not describe RGB pixels, or that Qt
    // cannot read, is not taken.
    QByteArray ColourProfile() const;
    void SetColourProfile(const QByteArray &iccProfile);

    // The pixels seen in place (PixelArrayView.h). The writable view first gives this
    // object pixels of its own when they are still shared with a copy.
    PixelArrayView PixelArray();
    ConstPixelArrayView ConstPixelArray() const;

    // The image for display in a window.
    const QImage &image() const { return m_image; }

    // Rows the loaded file could not give, turned with the picture; none once other pixels
    // replace it.
    const PictureDamage &Damage() const { return m_damage; }
    void SetDamage(const PictureDamage &damage) { m_damage = damage; }

    // File type codes: 1 JPEG, 3 TIFF, 6 BMP (ImageFileType).
    ImagingResult SaveFile(const QString &path, int fileType) const;
    // The encoded file in memory; writeImageFile (ImageEncoder.h) writes exactly these bytes.
    ImagingResult EncodeToBytes(QByteArray &bytes, int fileType) const;

    // Width and height in pixels of the text as DrawText renders it.
    ImagingResult MeasureText(const QString &text, int pointSize, QSize &size) const;
    // Draws the text with its top-left corner at (x, y).
    ImagingResult DrawText(int x, int y, const QString &text, int pointSize, std::uint32_t colour);

private:
    friend struct ImageObjectConstruction;
    ImageObject() = default;

    // Takes next as the image, keeping this object's resolution.
    void replaceKeepingResolution(QImage next);

    QImage m_image;
    PictureDamage m_damage;
};
