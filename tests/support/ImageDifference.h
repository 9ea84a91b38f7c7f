#pragma once

#include <QImage>
#include <QPoint>

#include <algorithm>
#include <cstdlib>

// How far two pictures' colour channels lie apart, pixel by pixel: a against b's pixels
// from `at` on, leaving out `inset` pixels at each edge of a (where a JPEG's colour
// upsampling meets a crop's edge, say).
namespace image_difference {

inline int largestChannel(const QImage &a, const QImage &b, QPoint at = QPoint(), int inset = 0)
{
    int largest = 0;
    for (int y = inset; y < a.height() - inset; ++y)
        for (int x = inset; x < a.width() - inset; ++x) {
            const QRgb p = a.pixel(x, y);
            const QRgb q = b.pixel(at.x() + x, at.y() + y);
            largest = std::max({largest, std::abs(qRed(p) - qRed(q)), std::abs(qGreen(p) - qGreen(q)),
                                std::abs(qBlue(p) - qBlue(q))});
        }
    return largest;
}

// The mean difference over every channel of every pixel of two pictures of one size.
inline double meanChannel(const QImage &a, const QImage &b)
{
    double sum = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y);
            const QRgb q = b.pixel(x, y);
            sum += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) + std::abs(qBlue(p) - qBlue(q));
        }
    return sum / (3.0 * a.width() * a.height());
}

} // namespace image_difference
