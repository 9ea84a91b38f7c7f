#pragma once

#include "output/JpegCrops.h"
#include "output/PosterPages.h"

#include <QByteArray>
#include <QImage>
#include <QSize>
#include <QString>

#include <memory>
#include <vector>

namespace PoDoFo {
class PdfPainter;
}

// Writes the poster's pages into one PDF file, page by page: each page is written out
// before the next is begun, so memory holds one page at a time. Pictures are stored
// losslessly (Flate), or as JPEG at the tiles' quality when jpegPictures is set, and carry
// the colour profile given (ICC, byte for byte) where there is one. Page boxes are the
// paper's size exactly.
class PosterPdfWriter
{
public:
    // A picture ready to go into the file: JPEG bytes, or RGB rows for lossless storage.
    // Made on any thread, so tiles can be encoded on every core.
    struct Picture
    {
        QSize size;
        QByteArray data;
        bool jpeg = false;
    };
    static Picture preparePicture(const QImage &image, bool jpeg);

    PosterPdfWriter(const PosterPages &pages, bool jpegPictures, QByteArray colourProfile);
    ~PosterPdfWriter();
    PosterPdfWriter(const PosterPdfWriter &) = delete;
    PosterPdfWriter &operator=(const PosterPdfWriter &) = delete;

    // Starts the poster that close puts at path; until then any file there stays as it is.
    bool open(const QString &path);
    // The assembly page: the poster picture (with its grid) and what the poster prints as.
    // It becomes the first page whenever it is added. A poster of page art or JPEG crops
    // shows them instead of a picture.
    bool addAssemblyPage(const QImage &posterPicture, const QStringList &facts);
    // Sheet t's page from its prepared tile of rendered size, with the glue strips'
    // pictures. The picture shows the drawn part of the tile (the whole tile when null).
    bool addSheet(int t, QSize rendered, const Picture &tile, const QRect &drawn, const SheetStrips &strips);

    // Puts page pageNumber (from 1) of the PDF document pdf into the file once, as a form,
    // for the sheets to show as vectors: its text stays text and its lines stay sharp at
    // any size. picture is the size in pixels, turned clockwise by turn, that the poster's
    // tile rectangles measure the page in. Before open, which makes a poster of pictures
    // instead when the page cannot be copied; usesPageArt then says which it makes.
    void usePageArt(const QByteArray &pdf, int pageNumber, int turn, QSize picture);
    bool usesPageArt() const { return !m_artPdf.isEmpty(); }
    // Makes the sheets and their glue strips from these cuts of the photo's own JPEG data,
    // as the camera coded it: each area of the picture a sheet shows comes from the crop
    // whose region holds it, placed so that exactly the area prints. picture is the photo's
    // size. Before the first sheet.
    void useJpegCrops(std::vector<JpegCrop> crops, QSize picture);
    // Whether the sheets show the page art or the JPEG crops rather than pictures given.
    bool placesPicture() const { return usesPageArt() || !m_jpegCrops.empty(); }
    // Sheet t's page showing its part of the page art or of the JPEG crops, as addSheet
    // would show the tile of rendered size, its glue strips likewise.
    bool addPlacedSheet(int t, QSize rendered, const QRect &drawn);
    // Finishes the file and puts it at the path, replacing any file there; false, with
    // nothing changed at the path, when any byte could not be written.
    bool close();
    // Drops what was written: the path stays as it was.
    void discard();

    // Why the last call failed.
    const QString &errorText() const { return m_error; }

    struct Document; // PoDoFo's state, kept out of this header

private:
    bool fail(const QString &text);
    // Sheet t's page: its tile and strips from the pictures given, or from the page art
    // when there are none.
    bool addSheetPage(int t, QSize rendered, const QRect &drawn, const Picture *tile, const SheetStrips *strips);
    // False, with the reason, once a write to the file has failed (a full disk, say).
    bool written();
    // An area of the picture's pixels shown on the rectangle onPage (turned as turned tiles
    // are, when asked), cut to clip, from the page art or the JPEG crops.
    void drawPlacedArea(PoDoFo::PdfPainter &painter, const QRectF &area, const QRectF &onPage, const QRectF &clip,
                        bool turned);
    // The JPEG crop that holds the area, drawn in the picture's pixels.
    void drawJpegCrop(PoDoFo::PdfPainter &painter, const QRectF &area);
    // The assembly page's overview from the page art or the sheets' JPEG crops: the grid's
    // area on where, with the grid.
    void drawPlacedOverview(PoDoFo::PdfPainter &painter, const QRectF &grid, const QRectF &where);

    // Puts the page art into the document just opened.
    bool putPageArt();

    const PosterPages &m_pages;
    QByteArray m_artPdf;
    int m_artPage = 1;
    int m_artTurn = 0;
    QSize m_artPicture;
    std::vector<JpegCrop> m_jpegCrops;
    QSize m_jpegPicture;
    bool m_jpegPictures;
    QByteArray m_colourProfile;
    std::unique_ptr<Document> m_document;
    QString m_error;
};
