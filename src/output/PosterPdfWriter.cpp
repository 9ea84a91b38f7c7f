#include "output/PosterPdfWriter.h"

#include "resources/PosterStrings.h"

#include "output/AtomicPdfDevice.h"
#include "output/TileWriter.h"
#include "imaging/ProgramPixels.h"

#include <podofo/podofo.h>

#include <cstring>

using namespace PoDoFo;

// Declared in this order so that PoDoFo's document goes first, then the device it writes
// to, then the file.
struct PosterPdfWriter::Document
{
    Document() : device(file), document(&device) {}
    AtomicFile file;
    AtomicPdfDevice device;
    PdfStreamedDocument document;
    PdfFont *font = nullptr;
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
        m_document = std::make_unique<Document>();
        if (!m_document->file.open(path)) {
            const QString reason = m_document->file.errorText();
            m_document.reset();
            return fail(reason);
        }
        // Printed from a viewer, a page scaled to fit would no longer join its neighbours.
        PdfName noScaling("None");
        m_document->document.SetPrintScaling(noScaling);
        m_document->font = m_document->document.CreateFont("Helvetica", false, false, false,
                                                           PdfEncodingFactory::GlobalWinAnsiEncodingInstance(),
                                                           PdfFontCache::eFontCreationFlags_AutoSelectBase14, false);
        return m_document->font != nullptr || fail(QStringLiteral("no font"));
    } catch (const PdfError &error) {
        m_document.reset();
        return fail(QString::fromLatin1(PdfError::ErrorMessage(error.GetError())));
    }
}

namespace {

// One picture of the page: JPEG bytes passed through, or lossless RGB, with the profile.
void drawPicture(PdfStreamedDocument &document, PdfPainter &painter, const PosterPdfWriter::Picture &picture,
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

void drawLine(PdfPainter &painter, const QLineF &line, double pageHeight)
{
    painter.DrawLine(line.x1(), fromTop(pageHeight, line.y1()), line.x2(), fromTop(pageHeight, line.y2()));
}

} // namespace

bool PosterPdfWriter::addAssemblyPage(const QImage &posterPicture, const QStringList &facts)
{
    if (!m_document)
        return fail(QStringLiteral("not open"));
    try {
        // Made once every sheet is in, when the whole picture is, but the first page.
        const QSizeF size = m_pages.pageSize();
        PdfPage *page = m_document->document.GetPagesTree()->InsertPage(PdfRect(0, 0, size.width(), size.height()), 0);
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
        if (!posterPicture.isNull() && room.width() > 0 && room.height() > 0) {
            const QSizeF fitted = QSizeF(posterPicture.size()).scaled(room.size(), Qt::KeepAspectRatio);
            const QRectF where(room.left() + (room.width() - fitted.width()) / 2, room.top(), fitted.width(),
                               fitted.height());
            drawPicture(m_document->document, painter, preparePicture(posterPicture, m_jpegPictures), where,
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
    if (!m_document)
        return fail(QStringLiteral("not open"));
    try {
        const QSizeF size = m_pages.pageSize();
        PdfPage *page = m_document->document.CreatePage(PdfRect(0, 0, size.width(), size.height()));
        PdfPainter painter;
        painter.SetPage(page);
        const QRectF picture = m_pages.pictureRect(rendered);
        const QRectF ownPixels = m_pages.ownPixelsRect(rendered);
        const double pointsPerPixel = picture.width() / rendered.width();
        const QRectF where = drawn.isNull() ? picture
                                            : QRectF(picture.left() + drawn.left() * pointsPerPixel,
                                                     picture.top() + drawn.top() * pointsPerPixel,
                                                     drawn.width() * pointsPerPixel, drawn.height() * pointsPerPixel);
        drawPicture(m_document->document, painter, tile, where, size.height(), m_colourProfile);

        const QList<PosterPages::GlueStrip> strips = m_pages.glueStrips(ownPixels, stripPictures);
        for (const PosterPages::GlueStrip &strip : strips)
            drawPicture(m_document->document, painter, preparePicture(strip.picture, m_jpegPictures), strip.rect,
                        size.height(), m_colourProfile);
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
        m_document->document.Close();
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
