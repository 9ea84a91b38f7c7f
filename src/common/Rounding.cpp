#include "common/Rounding.h"

#include <cmath>
#include <limits>

std::optional<std::int32_t> nearestInt32(double value)
{
    if (!std::isfinite(value))
        return std::nullopt;
    // nearbyint follows the current rounding mode, which the program never changes from
    // the default round-to-nearest-even (std::round would send halves away from zero).
    const double rounded = std::nearbyint(value);
    if (rounded < static_cast<double>(std::numeric_limits<std::int32_t>::min())
        || rounded > static_cast<double>(std::numeric_limits<std::int32_t>::max()))
        return std::nullopt;
    return static_cast<std::int32_t>(rounded);
}
