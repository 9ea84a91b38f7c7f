#include "imaging/VectorPage.h"

#include "imaging/ImageLimits.h"
#include "resources/ImagingStrings.h"

#include <poppler/qt6/poppler-qt6.h>

#include <QBuffer>
#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSvgRenderer>

#include <cmath>

namespace {

// SVG lengths without a unit are CSS pixels, 96 to the inch.
constexpr double kPointsPerSvgPixel = 72.0 / 96.0;

// The largest page side taken, in points: a PDF page may be up to 200 inches a side, and
// user units stretch that further; anything beyond is not a page.
constexpr double kMaxPagePoints = 14400.0 * 10;

Poppler::Page::Rotation popplerTurn(int turn)
{
    switch (turn) {
    case 90: return Poppler::Page::Rotate90;
    case 180: return Poppler::Page::Rotate180;
    case 270: return Poppler::Page::Rotate270;
    default: return Poppler::Page::Rotate0;
    }
}

bool pastDeadline(const QVariant &deadline)
{
    return QDateTime::currentMSecsSinceEpoch() > deadline.toLongLong();
}

void ignorePopplerMessage(const QString &, const QVariant &) {}

std::unique_ptr<Poppler::Document> loadDocument(const QByteArray &pdf)
{
    // What poppler finds wrong in a file is its own affair: the person is told whether the
    // page can be used, not what poppler mended on the way.
    static const bool quiet = (Poppler::setDebugErrorFunction(ignorePopplerMessage, QVariant()), true);
    static_cast<void>(quiet);
    std::unique_ptr<Poppler::Document> document = Poppler::Document::loadFromData(pdf);
    if (document) {
        document->setRenderHint(Poppler::Document::Antialiasing);
        document->setRenderHint(Poppler::Document::TextAntialiasing);
    }
    return document;
}

// The drawing as a one-page PDF of its own size, its shapes and text kept as they are.
QByteArray svgAsPdf(const QByteArray &svg)
{
    QSvgRenderer renderer(svg);
    const QSizeF pixels = renderer.defaultSize();
    if (!renderer.isValid() || pixels.isEmpty())
        return QByteArray();
    const QSizeF points = pixels * kPointsPerSvgPixel;
    if (points.width() > kMaxPagePoints || points.height() > kMaxPagePoints)
        return QByteArray();
    QByteArray pdf;
    QBuffer out(&pdf);
    out.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&out);
        writer.setPageSize(QPageSize(points, QPageSize::Point, QString(), QPageSize::ExactMatch));
        writer.setPageMargins(QMarginsF());
        writer.setResolution(72);
        writer.setCreator(QStringLiteral("Quiltera"));
        QPainter painter(&writer);
        renderer.render(&painter, QRectF(QPointF(), points));
    }
    return pdf;
}

} // namespace

VectorPage::~VectorPage() = default;

bool isVectorPageName(const QString &fileName)
{
    const QString suffix = QFileInfo(fileName).suffix().toLower();
    return suffix == QLatin1String("pdf") || suffix == QLatin1String("svg") || suffix == QLatin1String("svgz");
}

VectorPage::Opened VectorPage::open(const QString &path, int pageNumber)
{
    QFile file(path);
    if (!file.exists())
        return {nullptr, ImagingStrings::kFileNotFound};
    if (file.size() > ImageLimits::kMaxFileBytes)
        return {nullptr, ImagingStrings::kImageTooLarge};
    if (!file.open(QIODevice::ReadOnly))
        return {nullptr, ImagingStrings::kFileUnreadable};
    const QByteArray bytes = file.readAll();
    if (bytes.isEmpty())
        return {nullptr, ImagingStrings::kFileEmpty};
    return fromBytes(bytes, QFileInfo(path).suffix().toLower() != QLatin1String("pdf"), pageNumber);
}

VectorPage::Opened VectorPage::fromBytes(const QByteArray &bytes, bool svg, int pageNumber)
{
    std::shared_ptr<VectorPage> page(new VectorPage);
    page->m_pdf = svg ? svgAsPdf(bytes) : bytes;
    if (page->m_pdf.isEmpty())
        return {nullptr, ImagingStrings::kSvgUnreadable};
    std::unique_ptr<Poppler::Document> document = loadDocument(page->m_pdf);
    if (!document)
        return {nullptr, ImagingStrings::kPdfUnreadable};
    if (document->isLocked())
        return {nullptr, ImagingStrings::kPdfLocked};
    page->m_pageCount = document->numPages();
    if (page->m_pageCount <= 0)
        return {nullptr, ImagingStrings::kPdfUnreadable};
    if (pageNumber < 1 || pageNumber > page->m_pageCount)
        return {nullptr, ImagingStrings::noSuchPageText(pageNumber, page->m_pageCount)};
    const std::unique_ptr<Poppler::Page> shown = document->page(pageNumber - 1);
    const QSizeF size = shown ? shown->pageSizeF() : QSizeF();
    if (!(size.width() >= 1.0 && size.height() >= 1.0 && size.width() <= kMaxPagePoints
          && size.height() <= kMaxPagePoints))
        return {nullptr, ImagingStrings::kPdfUnreadable};
    page->m_pageNumber = pageNumber;
    page->m_sizePoints = size;
    page->giveBack(std::move(document));
    return {page, QString()};
}

std::unique_ptr<Poppler::Document> VectorPage::takeDocument() const
{
    {
        const std::lock_guard lock(m_documentsLock);
        if (!m_documents.empty()) {
            std::unique_ptr<Poppler::Document> document = std::move(m_documents.back());
            m_documents.pop_back();
            return document;
        }
    }
    return loadDocument(m_pdf);
}

void VectorPage::giveBack(std::unique_ptr<Poppler::Document> document) const
{
    const std::lock_guard lock(m_documentsLock);
    m_documents.push_back(std::move(document));
}

QImage VectorPage::draw(QSize picture, int turn, const QRect &area) const
{
    const QSize turned = pagePictureSize(m_sizePoints, turn, 72.0);
    const QRect inside = area.intersected(QRect(QPoint(), picture));
    if (picture.isEmpty() || inside != area || !ImageLimits::isAllowedImageSize(area.width(), area.height()))
        return QImage();
    std::unique_ptr<Poppler::Document> document = takeDocument();
    if (!document)
        return QImage();
    QImage image;
    if (const std::unique_ptr<Poppler::Page> page = document->page(m_pageNumber - 1)) {
        const double xres = 72.0 * picture.width() / turned.width();
        const double yres = 72.0 * picture.height() / turned.height();
        const qint64 deadline = QDateTime::currentMSecsSinceEpoch() + qint64(kDrawSeconds) * 1000;
        image = page->renderToImage(xres, yres, area.x(), area.y(), area.width(), area.height(), popplerTurn(turn),
                                    nullptr, nullptr, pastDeadline, QVariant(deadline));
        // A drawing given up part way is no picture of the page.
        if (QDateTime::currentMSecsSinceEpoch() > deadline)
            image = QImage();
    }
    giveBack(std::move(document));
    if (image.isNull())
        return image;
    // Poppler draws on transparent paper where the page leaves it blank.
    QImage onPaper(image.size(), QImage::Format_RGB32);
    onPaper.fill(Qt::white);
    QPainter(&onPaper).drawImage(0, 0, image);
    return onPaper;
}

QSize pagePictureSize(const QSizeF &points, int turn, double dpi)
{
    const bool across = turn == 90 || turn == 270;
    const QSizeF inches = (across ? points.transposed() : points) / 72.0;
    return QSize(std::max(1, int(std::lround(inches.width() * dpi))), std::max(1, int(std::lround(inches.height() * dpi))));
}

QTransform pageSpaceToPicture(const QRectF &cropBox, int pageRotation, int turn, QSize picture)
{
    // The crop box with y downward from its top-left corner, then turned clockwise by the
    // page's own turn and the person's, then stretched onto the picture.
    const int quarter = (((pageRotation + turn) / 90) % 4 + 4) % 4;
    const double width = cropBox.width();
    const double height = cropBox.height();
    QTransform upright(1, 0, 0, -1, -cropBox.left(), cropBox.bottom());
    QTransform clockwise;
    switch (quarter) {
    case 1: clockwise = QTransform(0, 1, -1, 0, height, 0); break;
    case 2: clockwise = QTransform(-1, 0, 0, -1, width, height); break;
    case 3: clockwise = QTransform(0, -1, 1, 0, 0, width); break;
    default: break;
    }
    const bool across = quarter % 2 == 1;
    const double turnedWidth = across ? height : width;
    const double turnedHeight = across ? width : height;
    const QTransform stretch = QTransform::fromScale(picture.width() / turnedWidth, picture.height() / turnedHeight);
    return upright * clockwise * stretch;
}
