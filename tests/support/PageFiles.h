#pragma once

#include <QColor>
#include <QFile>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QString>

// PDF files and SVG drawings for the tests, written with Qt's own PDF writer: text, lines,
// and a red square marking the page's top-left corner, so a test can tell which way a page
// was turned.
namespace test_pages {

inline constexpr const char *kWords = "Quiltera vector words";

// A PDF of the given number of pages of size points; page n (from 2) says "Page n".
inline bool writePdf(const QString &path, QSizeF points, int pages = 1)
{
    QPdfWriter writer(path);
    writer.setResolution(72);
    writer.setPageSize(QPageSize(points, QPageSize::Point, QString(), QPageSize::ExactMatch));
    writer.setPageMargins(QMarginsF());
    QPainter painter(&writer);
    if (!painter.isActive())
        return false;
    const QRectF page(QPointF(), points);
    painter.fillRect(QRectF(0, 0, points.width() / 8, points.height() / 8), Qt::red);
    painter.setPen(QPen(Qt::darkGreen, 3));
    painter.drawLine(page.topLeft(), page.bottomRight());
    painter.setPen(Qt::black);
    painter.setFont(QFont(QStringLiteral("DejaVu Sans"), int(points.height() / 20)));
    painter.drawText(page, Qt::AlignCenter, QString::fromLatin1(kWords));
    for (int n = 2; n <= pages; ++n) {
        writer.newPage();
        painter.drawText(page, Qt::AlignCenter, QStringLiteral("Page %1").arg(n));
    }
    return painter.end();
}

// An SVG drawing of width x height CSS pixels with the same marks.
inline QByteArray svg(int width, int height)
{
    return QStringLiteral("<svg xmlns=\"http://www.w3.org/2000/svg\" "
                          "width=\"%1\" height=\"%2\">"
                          "<rect width=\"%1\" height=\"%2\" fill=\"white\"/>"
                          "<rect width=\"%3\" height=\"%4\" fill=\"red\"/>"
                          "<line x1=\"0\" y1=\"0\" x2=\"%1\" y2=\"%2\" "
                          "stroke=\"green\" stroke-width=\"3\"/>"
                          "</svg>")
        .arg(width)
        .arg(height)
        .arg(width / 8)
        .arg(height / 8)
        .toUtf8();
}

// A one-page PDF written by hand, with a red square, a blue line and a word drawn in the
// page's own space, and the page dictionary's entries given (its /MediaBox, say, and a
// /CropBox or /Rotate). Without its cross-reference table when asked, which poppler mends.
inline QByteArray handWrittenPdf(const QByteArray &pageEntries, bool crossReferences = true)
{
    const QByteArray content = "1 0 0 rg 0 78 16 12 re f 0 0 1 RG 3 w 0 90 m 120 0 l S BT /F1 12 Tf 10 40 Td (Words) Tj ET";
    const QByteArray objects[] = {
        "<< /Type /Catalog /Pages 2 0 R >>",
        "<< /Type /Pages /Kids [3 0 R] /Count 1 >>",
        "<< /Type /Page /Parent 2 0 R /Contents 4 0 R /Resources << /Font << /F1 5 0 R >> >> " + pageEntries + " >>",
        "<< /Length " + QByteArray::number(content.size()) + " >>\nstream\n" + content + "\nendstream",
        "<< /Type /Font /Subtype /Type1 /BaseFont /Helvetica >>",
    };
    QByteArray pdf = "%PDF-1.4\n";
    QByteArray table = "xref\n0 6\n0000000000 65535 f \n";
    for (int n = 0; n < 5; ++n) {
        table += QByteArray::number(pdf.size()).rightJustified(10, '0') + " 00000 n \n";
        pdf += QByteArray::number(n + 1) + " 0 obj\n" + objects[n] + "\nendobj\n";
    }
    const QByteArray start = QByteArray::number(pdf.size());
    if (crossReferences)
        pdf += table;
    return pdf + "trailer\n<< /Size 6 /Root 1 0 R >>\nstartxref\n" + (crossReferences ? start : "0") + "\n%%EOF\n";
}

inline bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// Whether a pixel is the red of the corner mark.
inline bool isMarkRed(QRgb pixel)
{
    return qRed(pixel) > 200 && qGreen(pixel) < 60 && qBlue(pixel) < 60;
}

} // namespace test_pages
