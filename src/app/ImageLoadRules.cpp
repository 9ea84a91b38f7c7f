#include "app/ImageLoadRules.h"

#include "imaging/VectorPage.h"

#include <QMimeDatabase>


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

bool explainsLoadFailure(const QString &fileName)
{
    const QString lastThree = fileName.right(3).toUpper();
    const bool quietEnding = lastThree == QLatin1String("BMP") || lastThree == QLatin1String("JPG")
        || lastThree == QLatin1String("TIF");
    const QMimeType type = QMimeDatabase().mimeTypeForFile(fileName, QMimeDatabase::MatchExtension);
    return !quietEnding && (type.name().startsWith(QLatin1String("image/")) || isVectorPageName(fileName));
}
