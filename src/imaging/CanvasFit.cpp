#include "imaging/CanvasFit.h"

#include "common/Rounding.h"

#include <algorithm>

CanvasFit fitImageToCanvas(std::int32_t imageWidth, std::int32_t imageHeight, int canvasWidth,
                           int canvasHeight)
{
    const double w = imageWidth;
    const double h = imageHeight;
    double a = canvasWidth;
    double d = canvasHeight;
    if (w / h > a / d)
        d = nearestInt32(a * h / w).value_or(1);
    else
        a = nearestInt32(d * w / h).value_or(1);
    CanvasFit fit;
    fit.width = std::max(1, static_cast<int>(a));
    fit.height = std::max(1, static_cast<int>(d));
    fit.scale = fit.width / w;
    return fit;
}
