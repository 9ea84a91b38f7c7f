#pragma once

#include <QByteArray>
#include <QImage>
#include <QRect>
#include <QRectF>
#include <QSize>
#include <QSizeF>
#include <QString>
#include <QTransform>

#include <memory>
#include <mutex>
#include <vector>

namespace Poppler {
class Document;
}

// One page of a PDF file, or an SVG drawing, as the poster's source. It has no pixels of
// its own: any part of it is drawn when it is needed, at the size asked for, so that a
// page cut into hundreds of sheets is never drawn whole. An SVG drawing is kept as the
// one-page PDF Qt's PDF writer makes of it, so both kinds are drawn, and put into a PDF
// poster, the same way. Thread-safe: each thread that draws takes a document of its own.
class VectorPage
{
public:
    // A drawing that runs longer than this is given up, so that a hostile page cannot
    // hang the program.
    static constexpr int kDrawSeconds = 60;
    // The resolution a page is measured at until the person chooses another.
    static constexpr int kDefaultResolution = 300;
    static constexpr int kMinResolution = 10;
    static constexpr int kMaxResolution = 2400;

    struct Opened
    {
        std::shared_ptr<const VectorPage> page; // set when the page can be used
        QString errorText;
    };
    // Page pageNumber (from 1) of a PDF file, or an SVG file (whose only page is 1).
    static Opened open(const QString &path, int pageNumber);
    // The same from bytes already read; svg tells which kind they are.
    static Opened fromBytes(const QByteArray &bytes, bool svg, int pageNumber);

    ~VectorPage();

    int pageCount() const { return m_pageCount; }
    int pageNumber() const { return m_pageNumber; }
    // The page's size in points as a viewer shows it (its crop box, turned as the file
    // says), before the person's own turn.
    QSizeF sizePoints() const { return m_sizePoints; }
    // The document as PDF: the file itself, or what the SVG drawing became.
    const QByteArray &pdf() const { return m_pdf; }

    // The part area of the page turned clockwise by turn degrees and drawn at picture
    // pixels for the whole page; a null image when it cannot be drawn in time.
    QImage draw(QSize picture, int turn, const QRect &area) const;

private:
    VectorPage() = default;
    std::unique_ptr<Poppler::Document> takeDocument() const;
    void giveBack(std::unique_ptr<Poppler::Document> document) const;

    QByteArray m_pdf;
    int m_pageCount = 0;
    int m_pageNumber = 1;
    QSizeF m_sizePoints;
    mutable std::mutex m_documentsLock;
    mutable std::vector<std::unique_ptr<Poppler::Document>> m_documents;
};

// Whether the name is that of a page source: .pdf, .svg or .svgz in any case.
bool isVectorPageName(const QString &fileName);

// The size in pixels of a page of points turned by turn degrees, at dpi pixels per inch.
QSize pagePictureSize(const QSizeF &points, int turn, double dpi);

// Maps the page's own space (PDF user space: points, y upward) onto the pixels of a picture
// of the page: cropBox is the page's crop box, pageRotation its /Rotate, turn the person's
// clockwise turn; picture the picture's size.
QTransform pageSpaceToPicture(const QRectF &cropBox, int pageRotation, int turn, QSize picture);
