#include "app/ImageLoadRules.h"


int rotationForListIndex(int index)
{
    switch (index) {
    case 1:
        return 90;
    case 2:
        return 270;
    case 3:
        return 180;
    default:
        return 0;
    }
}

int listIndexForRotation(int degrees)
{
    for (int index = 1; index <= 3; ++index)
        if (rotationForListIndex(index) == degrees)
            return index;
    return 0;
}
