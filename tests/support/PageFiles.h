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
