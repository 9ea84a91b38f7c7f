#include "BenchPhotos.h"

#include "imaging/JpegRowEncoder.h"

#include <QFile>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <map>
#include <optional>
#include <utility>

const QString &photoPath(int width, int height)
{
    static QTemporaryDir dir;
    static std::map<std::pair<int, int>, QString> made;
    QString &path = made[{width, height}];
    if (!path.isEmpty())
        return path;
    path = dir.filePath(QStringLiteral("photo-%1x%2.jpg").arg(width).arg(height));
    QImage image(width, height, QImage::Format_RGB32);
    QPainter painter(&image);
    QLinearGradient gradient(0, 0, width, height);
    gradient.setColorAt(0.0, QColor(20, 60, 160));
    gradient.setColorAt(0.5, QColor(240, 200, 120));
    gradient.setColorAt(1.0, QColor(30, 120, 40));
    painter.fillRect(image.rect(), gradient);
    const int patches = 400 * (width / 8000) * (height / 6000);
    for (int i = 0; i < patches; ++i)
        painter.fillRect((i * 7919) % (width - 200), (i * 104729) % (height - 200), 200, 200,
                         QColor::fromHsv(i % 360, 200, 220));
    painter.end();
    // Grain like a camera's, so the file codes as slowly as a real photograph would.
    QRandomGenerator grain(48);
    for (int y = 0; y < image.height(); ++y) {
        auto *row = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const int noise = int(grain.bounded(17u)) - 8;
            const QRgb pixel = row[x];
            row[x] = qRgb(qBound(0, qRed(pixel) + noise, 255), qBound(0, qGreen(pixel) + noise, 255),
                          qBound(0, qBlue(pixel) + noise, 255));
        }
    }
    image.save(path, "jpeg", 90);
    return path;
}

const QString &panoramaPath()
{
    static QTemporaryDir dir;
    static const QString path = [] {
        constexpr int width = 40000;
        constexpr int height = 30000;
        JpegRowCompressor coder(width, height, QImage::Format_RGB888, 11811, 11811, QByteArray(), 90);
        QImage row(width, 16, QImage::Format_RGB888);
        QRandomGenerator grain(1200);
        for (int top = 0; top < height; top += row.height()) {
            for (int y = 0; y < row.height(); ++y) {
                uchar *pixel = row.scanLine(y);
                const double down = double(top + y) / height;
                for (int x = 0; x < width; ++x, pixel += 3) {
                    const double across = double(x) / width;
                    const int noise = int(grain.bounded(17u)) - 8;
                    pixel[0] = uchar(qBound(0, int(20 + 220 * across) + noise, 255));
                    pixel[1] = uchar(qBound(0, int(60 + 140 * down) + noise, 255));
                    pixel[2] = uchar(qBound(0, int(160 - 120 * across * down) + noise, 255));
                }
            }
            coder.writeRows(row.constBits(), row.bytesPerLine(), row.height());
        }
        const std::optional<QByteArray> jpeg = coder.finish();
        const QString file = dir.filePath("panorama.jpg");
        QFile out(file);
        if (!jpeg || !out.open(QIODevice::WriteOnly) || out.write(*jpeg) != jpeg->size())
            return QString();
        return file;
    }();
    return path;
}
