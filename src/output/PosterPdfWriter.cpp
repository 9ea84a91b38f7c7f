#include "output/PosterPdfWriter.h"

#include "resources/PosterStrings.h"

#include "output/AtomicPdfDevice.h"
#include "output/TileWriter.h"
#include "imaging/ProgramPixels.h"
#include "imaging/VectorPage.h"

#include <podofo/podofo.h>

#include <QTransform>

#include <algorithm>
#include <cstring>

using namespace PoDoFo;

// Declared in this order so that PoDoFo's document goes first, then the device it writes
// to, then the file.
struct PosterPdfWriter::Document
{
    // A poster of pictures is written page by page as it is made; one of page art is held
    // until it is closed, as PoDoFo copies another document's page only into a document it
    // holds. Its pages carry no pictures of their own, so it stays small.
    explicit Document(bool held) : device(file)
    {
        if (held)
            heldDocument = std::make_unique<PdfMemDocument>();
        else
            streamedDocument = std::make_unique<PdfStreamedDocument>(&device);
    }
    PdfDocument &document()
    {
        return heldDocument ? static_cast<PdfDocument &>(*heldDocument) : *streamedDocument;
    }
    AtomicFile file;
    AtomicPdfDevice device;
    std::unique_ptr<PdfStreamedDocument> streamedDocument;
    std::unique_ptr<PdfMemDocument> heldDocument;
    PdfFont *font = nullptr;
    // The page art's form and how its space maps onto the poster's picture pixels.
    std::unique_ptr<PdfXObject> ownedArt;
    PdfXObject *art = nullptr;
    QTransform artToPicture;
    // Each JPEG crop's picture once it is in, by the crop's place in the list: the assembly
    // page shows the same pictures again.
    std::vector<PdfObject *> cropPictures;
};

namespace {

constexpr double kTitlePoints = 16.0;
constexpr double kFactPoints = 10.0;

// PDF measures y from the bottom of the page.
double fromTop(double pageHeight, double y, double height = 0.0)
{
    return pageHeight - y - height;
}

} // namespace

PosterPdfWriter::Picture PosterPdfWriter::preparePicture(const QImage &image, bool jpeg)
{
    Picture picture{image.size(), QByteArray(), jpeg};
    if (jpeg) {
        picture.data = encodeTile(image, ImageFileType::Jpeg).value_or(QByteArray());
        return picture;
    }
    // 24-bit RGB rows without padding, as PDF image data wants them.
    const QImage rgb = image.convertToFormat(QImage::Format_RGB888);
    const qsizetype rowBytes = qsizetype(rgb.width()) * 3;
    picture.data.resize(rowBytes * rgb.height());
    for (int y = 0; y < rgb.height(); ++y)
        std::memcpy(picture.data.data() + rowBytes * y, rgb.constScanLine(y), size_t(rowBytes));
    return picture;
}

PosterPdfWriter::PosterPdfWriter(const PosterPages &pages, bool jpegPictures, QByteArray colourProfile)
    : m_pages(pages), m_jpegPictures(jpegPictures),
      m_colourProfile(isRgbColourProfile(colourProfile) ? std::move(colourProfile) : QByteArray())
{
}

PosterPdfWriter::~PosterPdfWriter() = default;

bool PosterPdfWriter::fail(const QString &text)
{
    m_error = text;
    return false;
}

bool PosterPdfWriter::written()
{
    return !m_document->file.failed() || fail(m_document->file.errorText());
}

bool PosterPdfWriter::open(const QString &path)
{
    try {
        m_document = std::make_unique<Document>(!m_artPdf.isEmpty());
        if (!m_document->file.open(path)) {
            const QString reason = m_document->file.errorText();
            m_document.reset();
            return fail(reason);
        }
        // Printed from a viewer, a page scaled to fit would no longer join its neighbours.
        PdfName noScaling("None");
        m_document->document().SetPrintScaling(noScaling);
        m_document->font = m_document->document().CreateFont("Helvetica", false, false, false,
                                                           PdfEncodingFactory::GlobalWinAnsiEncodingInstance(),
                                                           PdfFontCache::eFontCreationFlags_AutoSelectBase14, false);
        if (m_document->font == nullptr)
            return fail(QStringLiteral("no font"));
        if (m_artPdf.isEmpty() || putPageArt())
            return true;
        // A file poppler mends (one without its cross-reference table, say) may still be
        // one PoDoFo cannot copy from: its poster is then made of the page's pixels.
        m_artPdf.clear();
        return open(path);
    } catch (const PdfError &error) {
        m_document.reset();
        return fail(QString::fromLatin1(PdfError::ErrorMessage(error.GetError())));
    }
}

namespace {

// One picture of the page: JPEG bytes passed through, or lossless RGB, with the profile.
void drawPicture(PdfDocument &document, PdfPainter &painter, const PosterPdfWriter::Picture &picture,
                 const QRectF &where, double pageHeight, const QByteArray &profile)
{
    if (picture.data.isEmpty() || picture.size.isEmpty())
        PODOFO_RAISE_ERROR(ePdfError_InvalidDataType);
    PdfImage image(&document);
    if (picture.jpeg) {
        image.LoadFromJpegData(reinterpret_cast<const unsigned char *>(picture.data.constData()), picture.data.size());
    } else {
        image.SetImageColorSpace(ePdfColorSpace_DeviceRGB);
        PdfMemoryInputStream stream(picture.data.constData(), pdf_long(picture.data.size()));
        image.SetImageData(unsigned(picture.size.width()), unsigned(picture.size.height()), 8, &stream);
    }
    if (!profile.isEmpty()) {
        PdfMemoryInputStream iccStream(profile.constData(), pdf_long(profile.size()));
        image.SetImageICCProfile(&iccStream, 3, ePdfColorSpace_DeviceRGB);
    }
    painter.DrawImage(where.left(), fromTop(pageHeight, where.top(), where.height()), &image,
                      where.width() / picture.size.width(), where.height() / picture.size.height());
}

// The form's /Matrix: identity when it has none.
QTransform formMatrix(PdfXObject &form)
{
    const PdfObject *matrix = form.GetObject()->GetDictionary().GetKey("Matrix");
    if (matrix == nullptr || !matrix->IsArray() || matrix->GetArray().size() != 6)
        return QTransform();
    const PdfArray &values = matrix->GetArray();
    const auto at = [&values](std::size_t i) { return values[i].IsNumber() ? double(values[i].GetNumber()) : values[i].GetReal(); };
    return QTransform(at(0), at(1), at(2), at(3), at(4), at(5));
}

// Maps an area of the picture's pixels onto a rectangle of the page (points, y downward),
// turned a quarter counter-clockwise as turned tiles are: the area's right edge on top.
QTransform areaOntoRect(const QRectF &area, const QRectF &rect, bool turned)
{
    if (!turned) {
        const double across = rect.width() / area.width();
        const double down = rect.height() / area.height();
        return QTransform(across, 0, 0, down, rect.left() - area.left() * across, rect.top() - area.top() * down);
    }
    const double across = rect.width() / area.height();
    const double down = rect.height() / area.width();
    return QTransform(0, -down, across, 0, rect.left() - area.top() * across, rect.top() + area.right() * down);
}

void drawLine(PdfPainter &painter, const QLineF &line, double pageHeight)
{
    painter.DrawLine(line.x1(), fromTop(pageHeight, line.y1()), line.x2(), fromTop(pageHeight, line.y2()));
}

// The grid's area of the picture: from the first tile's top-left corner to the last one's
// bottom-right corner.
QRectF gridArea(const TileCoords &cuts)
{
    const int last = cuts.count() - 1;
    return QRectF(QPointF(cuts.left(0), cuts.top(0)), QPointF(cuts.right(last) + 1.0, cuts.bottom(last) + 1.0));
}

// Tile t's cut rectangle of the picture, its last pixels included.
QRectF cutArea(const TileCoords &cuts, int t)
{
    return QRectF(cuts.left(t), cuts.top(t), double(cuts.right(t)) - cuts.left(t) + 1,
                  double(cuts.bottom(t)) - cuts.top(t) + 1);
}

} // namespace

bool PosterPdfWriter::addAssemblyPage(const QImage &posterPicture, const QStringList &facts)
{
    if (!m_document)
        return fail(QStringLiteral("not open"));
    try {
        // Made once every sheet is in, when the whole picture is, but the first page.
        const QSizeF size = m_pages.pageSize();
        PdfPage *page = m_document->document().GetPagesTree()->InsertPage(PdfRect(0, 0, size.width(), size.height()), 0);
        PdfPainter painter;
        painter.SetPage(page);
        const double margin = std::min(size.width(), size.height()) * 0.06;
        const double textHeight = kTitlePoints * 2 + facts.size() * kFactPoints * 1.5;
        const QRectF room(margin, margin + kTitlePoints * 2, size.width() - 2 * margin,
                          size.height() - 2 * margin - textHeight);
        painter.SetFont(m_document->font);
        m_document->font->SetFontSize(kTitlePoints);
        painter.DrawText(margin, fromTop(size.height(), margin + kTitlePoints), PdfString(facts.value(0).toLatin1().constData()));
        // The facts follow the picture, or the title when there is none.
        double y = room.top() + kFactPoints;
        const QRectF grid = gridArea(m_pages.cuts());
        const QSizeF overview = placesPicture() ? grid.size() : QSizeF(posterPicture.size());
        if (!overview.isEmpty() && room.width() > 0 && room.height() > 0) {
            const QSizeF fitted = overview.scaled(room.size(), Qt::KeepAspectRatio);
            const QRectF where(room.left() + (room.width() - fitted.width()) / 2, room.top(), fitted.width(),
                               fitted.height());
            if (placesPicture())
                drawPlacedOverview(painter, grid, where);
            else
                drawPicture(m_document->document(), painter, preparePicture(posterPicture, m_jpegPictures), where,
                            size.height(), m_colourProfile);
            // Each sheet's label at the middle of its cell of the grid.
            const LayoutState &layout = m_pages.layout();
            m_document->font->SetFontSize(std::clamp(fitted.height() / layout.tilesHigh() / 4, 5.0, 24.0));
            for (int t = 0; t < m_pages.sheetCount(); ++t) {
                if (!m_pages.sheetMade(t))
                    continue;
                const double cellWidth = fitted.width() / layout.tilesWide();
                const double cellHeight = fitted.height() / layout.tilesHigh();
                const double x = where.left() + (t % layout.tilesWide()) * cellWidth;
                const double y = where.top() + (t / layout.tilesWide() + 0.5) * cellHeight;
                painter.SetColor(1.0, 0.0, 0.0);
                painter.DrawTextAligned(x, fromTop(size.height(), y), cellWidth,
                                        PdfString(m_pages.sheetLabel(t).toLatin1().constData()), ePdfAlignment_Center);
            }
            painter.SetColor(0.0, 0.0, 0.0);
            y = where.bottom() + kFactPoints * 2.5;
        }
        m_document->font->SetFontSize(kFactPoints);
        for (qsizetype i = 1; i < facts.size(); ++i, y += kFactPoints * 1.5)
            painter.DrawText(margin, fromTop(size.height(), y), PdfString(facts.at(i).toLatin1().constData()));
        painter.FinishPage();
        return written();
    } catch (const PdfError &error) {
        return fail(QString::fromLatin1(PdfError::ErrorMessage(error.GetError())));
    }
}

bool PosterPdfWriter::addSheet(int t, QSize rendered, const Picture &tile, const QRect &drawn,
                               const SheetStrips &stripPictures)
{
    return addSheetPage(t, rendered, drawn, &tile, &stripPictures);
}

void PosterPdfWriter::useJpegCrops(std::vector<JpegCrop> crops, QSize picture)
{
    m_jpegCrops = std::move(crops);
    m_jpegPicture = picture;
}

bool PosterPdfWriter::addPlacedSheet(int t, QSize rendered, const QRect &drawn)
{
    if (m_document && !m_document->art && m_jpegCrops.empty())
        return fail(QStringLiteral("nothing to place"));
    return addSheetPage(t, rendered, drawn, nullptr, nullptr);
}

void PosterPdfWriter::usePageArt(const QByteArray &pdf, int pageNumber, int turn, QSize picture)
{
    m_artPdf = pdf;
    m_artPage = pageNumber;
    m_artTurn = turn;
    m_artPicture = picture;
}

bool PosterPdfWriter::putPageArt()
{
    const int pageNumber = m_artPage;
    try {
        PdfMemDocument source;
        source.LoadFromBuffer(m_artPdf.constData(), long(m_artPdf.size()));
        const PdfPage *page = source.GetPage(pageNumber - 1);
        if (page == nullptr || m_artPicture.isEmpty())
            return fail(QStringLiteral("no such page"));
        const PdfRect crop = page->GetCropBox();
        // PoDoFo tells what it copies as it goes.
        PdfError::EnableLogging(false);
        PdfError::EnableDebug(false);
        auto *art = new PdfXObject(source, pageNumber - 1, &m_document->document(), "Page");
        m_document->ownedArt.reset(art);
        m_document->art = art;
        // The form draws the page's own space through its /Matrix, which PoDoFo sets to
        // undo the page's /Rotate; that is taken back here, and the whole turn worked out
        // from the page's own space.
        m_document->artToPicture = formMatrix(*art).inverted()
            * pageSpaceToPicture(QRectF(crop.GetLeft(), crop.GetBottom(), crop.GetWidth(), crop.GetHeight()),
                                 page->GetRotation(), m_artTurn, m_artPicture);
        return true;
    } catch (const PdfError &error) {
        return fail(QString::fromLatin1(PdfError::ErrorMessage(error.GetError())));
    }
}

void PosterPdfWriter::drawPlacedOverview(PdfPainter &painter, const QRectF &grid, const QRectF &where)
{
    const double pageHeight = m_pages.pageSize().height();
    if (m_document->art) {
        drawPlacedArea(painter, grid, where, where, false);
    } else {
        // Each sheet's own crop on its cell: the pictures the sheets carry, drawn again small.
        const QTransform gridOntoWhere = areaOntoRect(grid, where, false);
        for (int t = 0; t < m_pages.sheetCount(); ++t) {
            if (!m_pages.sheetMade(t))
                continue;
            const QRectF cell = gridOntoWhere.mapRect(cutArea(m_pages.cuts(), t));
            drawPlacedArea(painter, cutArea(m_pages.cuts(), t), cell, cell, false);
        }
    }
    // The sheets a picture kept whole leaves blank in grey, the grid's lines in red, as on
    // the overview picture of a photograph.
    const LayoutState &layout = m_pages.layout();
    const double cellWidth = where.width() / layout.tilesWide();
    const double cellHeight = where.height() / layout.tilesHigh();
    painter.SetColor(0.75, 0.75, 0.75);
    for (int t = 0; t < m_pages.sheetCount(); ++t) {
        if (m_pages.sheetMade(t))
            continue;
        painter.Rectangle(where.left() + (t % layout.tilesWide()) * cellWidth,
                          fromTop(pageHeight, where.top() + (t / layout.tilesWide()) * cellHeight, cellHeight),
                          cellWidth, cellHeight);
        painter.Fill();
    }
    painter.SetStrokingColor(1.0, 0.0, 0.0);
    painter.SetStrokeWidth(PosterPages::kLineWidthPoints);
    for (int column = 0; column <= layout.tilesWide(); ++column)
        drawLine(painter, QLineF(where.left() + column * cellWidth, where.top(), where.left() + column * cellWidth,
                                 where.bottom()),
                 pageHeight);
    for (int row = 0; row <= layout.tilesHigh(); ++row)
        drawLine(painter, QLineF(where.left(), where.top() + row * cellHeight, where.right(),
                                 where.top() + row * cellHeight),
                 pageHeight);
    painter.SetStrokingColor(0.0, 0.0, 0.0);
    painter.SetColor(0.0, 0.0, 0.0);
}

void PosterPdfWriter::drawPlacedArea(PdfPainter &painter, const QRectF &area, const QRectF &onPage, const QRectF &clip,
                                     bool turned)
{
    const double pageHeight = m_pages.pageSize().height();
    const QTransform toPdf(1, 0, 0, -1, 0, pageHeight);
    const QTransform place = areaOntoRect(area, onPage, turned) * toPdf;
    painter.Save();
    painter.SetClipRect(clip.left(), fromTop(pageHeight, clip.top(), clip.height()), clip.width(), clip.height());
    // From here on the page is drawn in the picture's pixels.
    painter.SetTransformationMatrix(place.m11(), place.m12(), place.m21(), place.m22(), place.dx(), place.dy());
    if (m_document->art) {
        const QTransform &art = m_document->artToPicture;
        painter.SetTransformationMatrix(art.m11(), art.m12(), art.m21(), art.m22(), art.dx(), art.dy());
        painter.DrawXObject(0, 0, m_document->art);
    } else {
        drawJpegCrop(painter, area);
    }
    painter.Restore();
}

void PosterPdfWriter::drawJpegCrop(PdfPainter &painter, const QRectF &area)
{
    const QRect inside = area.toAlignedRect().intersected(QRect(QPoint(), m_jpegPicture));
    const auto crop = std::find_if(m_jpegCrops.begin(), m_jpegCrops.end(),
                                   [&inside](const JpegCrop &c) { return c.region.contains(inside); });
    if (inside.isEmpty() || crop == m_jpegCrops.end())
        PODOFO_RAISE_ERROR(ePdfError_InvalidDataType);
    m_document->cropPictures.resize(m_jpegCrops.size());
    PdfObject *&placed = m_document->cropPictures[std::size_t(crop - m_jpegCrops.begin())];
    if (placed == nullptr) {
        PdfImage image(&m_document->document());
        image.LoadFromJpegData(reinterpret_cast<const unsigned char *>(crop->jpeg.constData()), crop->jpeg.size());
        if (!m_colourProfile.isEmpty() && image.GetObject()->GetDictionary().GetKey("ColorSpace") != nullptr
            && image.GetObject()->GetDictionary().GetKey("ColorSpace")->IsName()
            && image.GetObject()->GetDictionary().GetKey("ColorSpace")->GetName() == PdfName("DeviceRGB")) {
            PdfMemoryInputStream iccStream(m_colourProfile.constData(), pdf_long(m_colourProfile.size()));
            image.SetImageICCProfile(&iccStream, 3, ePdfColorSpace_DeviceRGB);
        }
        placed = image.GetObject();
    }
    PdfImage image(placed);
    // The image's unit square, bottom row first, onto the crop's region of the picture.
    painter.DrawImage(crop->region.left(), crop->region.top() + crop->region.height(), &image, 1.0, -1.0);
}

bool PosterPdfWriter::addSheetPage(int t, QSize rendered, const QRect &drawn, const Picture *tile,
                                   const SheetStrips *stripPictures)
{
    if (!m_document)
        return fail(QStringLiteral("not open"));
    try {
        const QSizeF size = m_pages.pageSize();
        PdfPage *page = m_document->document().CreatePage(PdfRect(0, 0, size.width(), size.height()));
        PdfPainter painter;
        painter.SetPage(page);
        const QRectF picture = m_pages.pictureRect(rendered);
        const QRectF ownPixels = m_pages.ownPixelsRect(rendered);
        const double pointsPerPixel = picture.width() / rendered.width();
        const QRectF where = drawn.isNull() ? picture
                                            : QRectF(picture.left() + drawn.left() * pointsPerPixel,
                                                     picture.top() + drawn.top() * pointsPerPixel,
                                                     drawn.width() * pointsPerPixel, drawn.height() * pointsPerPixel);
        // Page art reaches past the tile's own pixels into any compensation borders, as
        // the page goes on there; JPEG crops are made for posters without borders.
        if (tile)
            drawPicture(m_document->document(), painter, *tile, where, size.height(), m_colourProfile);
        else
            drawPlacedArea(painter, cutArea(m_pages.cuts(), t), ownPixels, where, m_pages.layout().bTileRotated);

        const QList<PosterPages::GlueStrip> strips = stripPictures
            ? m_pages.glueStrips(ownPixels, *stripPictures)
            : m_pages.glueStrips(ownPixels, m_pages.neighbourStripArea(t, true).has_value(),
                                 m_pages.neighbourStripArea(t, false).has_value());
        for (const PosterPages::GlueStrip &strip : strips) {
            if (stripPictures)
                drawPicture(m_document->document(), painter, preparePicture(strip.picture, m_jpegPictures), strip.rect,
                            size.height(), m_colourProfile);
            else
                drawPlacedArea(painter, QRectF(*m_pages.neighbourStripArea(t, strip.right)), strip.rect, strip.rect,
                               m_pages.layout().bTileRotated);
        }
        painter.SetStrokeWidth(PosterPages::kLineWidthPoints);
        painter.SetStrokingColor(0.0, 0.0, 0.0);
        for (const QLineF &mark : m_pages.cutMarks(ownPixels, picture))
            drawLine(painter, mark, size.height());
        painter.SetStrokeStyle(ePdfStrokeStyle_Dash);
        for (const PosterPages::GlueStrip &strip : strips)
            drawLine(painter, strip.boundary, size.height());
        painter.SetStrokeStyle(ePdfStrokeStyle_Solid);

        const std::optional<QRectF> label = m_pages.labelRect(picture, strips);
        if (const std::optional<PosterPages::ScaleBar> scale = m_pages.scaleBar(picture, strips, label)) {
            drawLine(painter, scale->bar, size.height());
            constexpr double kTick = 3.0;
            for (const QPointF &end : {scale->bar.p1(), scale->bar.p2()})
                drawLine(painter, QLineF(end.x(), end.y() - kTick, end.x(), end.y() + kTick), size.height());
            painter.SetFont(m_document->font);
            m_document->font->SetFontSize(PosterPages::kLabelPoints);
            painter.DrawText(scale->textBaseline.x(), fromTop(size.height(), scale->textBaseline.y()),
                             PdfString(scale->text.toLatin1().constData()));
        }
        if (label) {
            painter.SetFont(m_document->font);
            m_document->font->SetFontSize(PosterPages::kLabelPoints);
            const QString text = m_pages.sheetLabel(t) + QStringLiteral("   ")
                + PosterStrings::sheetOfText(m_pages.madeSheetNumber(t), m_pages.madeSheetCount());
            const double baseline = label->top() + (label->height() + PosterPages::kLabelPoints * 0.7) / 2;
            painter.DrawTextAligned(0, fromTop(size.height(), baseline), size.width(),
                                    PdfString(text.toLatin1().constData()), ePdfAlignment_Center);
        }
        painter.FinishPage();
        return written();
    } catch (const PdfError &error) {
        return fail(QString::fromLatin1(PdfError::ErrorMessage(error.GetError())));
    }
}

bool PosterPdfWriter::close()
{
    if (!m_document)
        return fail(QStringLiteral("not open"));
    try {
        if (m_document->heldDocument)
            m_document->heldDocument->Write(&m_document->device);
        else
            m_document->streamedDocument->Close();
    } catch (const PdfError &error) {
        discard();
        return fail(QString::fromLatin1(PdfError::ErrorMessage(error.GetError())));
    }
    // Every byte PoDoFo gave is in the file, or the poster is not put in place.
    const bool whole =
        m_document->device.finish() && m_document->file.size() == qint64(m_document->device.GetLength());
    if (!whole || !m_document->file.commit()) {
        const QString reason = m_document->file.errorText();
        discard();
        return fail(reason);
    }
    m_document.reset();
    return true;
}

void PosterPdfWriter::discard()
{
    m_document.reset();
}
