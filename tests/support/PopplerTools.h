#pragma once

#include <QDir>
#include <QImage>
#include <QList>
#include <QProcess>
#include <QRegularExpression>
#include <QSizeF>
#include <QStringList>

// Reads PDFs back with poppler's command-line tools, as a user's PDF reader would.
namespace poppler {

inline QString run(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished(60000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

// Every page's media box size in points, in page order.
// The text of one page, as pdftotext reads it.
inline QString pageText(const QString &pdf, int page)
{
    return run("pdftotext", {"-f", QString::number(page), "-l", QString::number(page), pdf, "-"});
}

inline QList<QSizeF> pageBoxes(const QString &pdf)
{
    const QString info = run("pdfinfo", {"-box", "-f", "1", "-l", "9999", pdf});
    QList<QSizeF> boxes;
    const QRegularExpression mediaBox(R"(Page\s+\d+\s+MediaBox:\s+([-\d.]+)\s+([-\d.]+)\s+([-\d.]+)\s+([-\d.]+))");
    for (auto match = mediaBox.globalMatch(info); match.hasNext();) {
        const auto m = match.next();
        boxes.append(QSizeF(m.captured(3).toDouble() - m.captured(1).toDouble(),
                            m.captured(4).toDouble() - m.captured(2).toDouble()));
    }
    return boxes;
}

struct ImageEntry
{
    int page = 0;
    int width = 0;
    int height = 0;
    QString colour;   // "rgb", or "icc" when the picture carries a colour profile
    QString encoding; // "image" (lossless) or "jpeg"
    int xPpi = 0;
    int yPpi = 0;
    int object = 0; // the PDF object holding the picture
};

// The pictures of the PDF as pdfimages -list gives them.
inline QList<ImageEntry> images(const QString &pdf)
{
    QList<ImageEntry> entries;
    const QStringList lines = run("pdfimages", {"-list", pdf}).split('\n');
    for (const QString &line : lines.mid(2)) {
        const QStringList f = line.simplified().split(' ');
        if (f.size() < 14)
            continue;
        entries.append({f[0].toInt(), f[3].toInt(), f[4].toInt(), f[5], f[8], f[12].toInt(), f[13].toInt(), f[10].toInt()});
    }
    return entries;
}

// The first picture of a page, decoded by poppler.
inline QImage firstImageOfPage(const QString &pdf, int page, const QString &folder)
{
    const QString prefix = QDir(folder).filePath("extracted" + QString::number(page));
    run("pdfimages", {"-png", "-f", QString::number(page), "-l", QString::number(page), pdf, prefix});
    return QImage(prefix + "-000.png");
}

// One page drawn by poppler at the given resolution, as a viewer or printer would draw it.
inline QImage renderedPage(const QString &pdf, int page, int dotsPerInch, const QString &folder)
{
    const QString prefix = QDir(folder).filePath("page" + QString::number(page));
    run("pdftoppm", {"-png", "-singlefile", "-r", QString::number(dotsPerInch), "-f", QString::number(page), "-l",
                     QString::number(page), pdf, prefix});
    return QImage(prefix + ".png").convertToFormat(QImage::Format_RGB32);
}

} // namespace poppler
