#pragma once

#include "resources/ImagingStrings.h"

#include <QImage>
#include <QRect>
#include <QSize>
#include <QTransform>

// Rows of a picture that its file could not give: coded data missing or corrupt that the
// decoder stepped over, filling in grey (or, past corrupt data, wrong colours).
struct PictureDamage
{
    int firstStoredRow = -1;  // the first such row of the picture as its file stores it
    int storedRows = 0;       // the rows of the picture as stored
    bool dataRunsOut = false; // the data ends early: every row from the first on is grey
    QRect area;               // those rows as they stand in the picture now, turned with it

    bool found() const { return firstStoredRow >= 0; }

    // The damage of rows firstStoredRow and below of a picture of the stored size; none
    // for a negative row.
    static PictureDamage fromStoredRows(int firstStoredRow, bool dataRunsOut, QSize stored)
    {
        if (firstStoredRow < 0)
            return {};
        const int first = qMin(firstStoredRow, stored.height() - 1);
        return {first, stored.height(), dataRunsOut, QRect(0, first, stored.width(), stored.height() - first)};
    }

    // The same damage once a picture of the size is turned or mirrored by the transform,
    // as QImage::transformed does it.
    PictureDamage transformed(const QTransform &transform, QSize pictureSize) const
    {
        PictureDamage moved = *this;
        if (found())
            moved.area = QImage::trueMatrix(transform, pictureSize.width(), pictureSize.height())
                             .mapRect(QRectF(area))
                             .toAlignedRect();
        return moved;
    }

    // What to tell the person who picked the picture.
    QString text() const { return ImagingStrings::damagedRowsText(firstStoredRow + 1, storedRows, dataRunsOut); }

    // Whether the rectangle of the picture needs rows its file could not give at all.
    bool missingWithin(const QRect &rectangle) const { return dataRunsOut && area.intersects(rectangle); }
};
