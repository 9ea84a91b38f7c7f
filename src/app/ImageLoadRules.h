#pragma once

#include <QString>

// Decisions of the window's image loading that need no window: the rotation a list choice
// stands for. How a picture is fitted into the canvas is in imaging/CanvasFit.h, the rules
// of loading itself in imaging/ImageFileRules.h.

// Clockwise angle of an entry of the image rotation list ("No Rotate", "CW Rotate",
// "CCW Rotate", "180 Rotate"); indexes outside the list mean no turn.
int rotationForListIndex(int index);
// The list entry of a clockwise angle: the other way round; "No Rotate" for any other angle.
int listIndexForRotation(int degrees);

// Whether a file the window cannot load is explained in a message. Names ending in BMP,
// JPG or TIF fail quietly, with the canvas notice alone, as they always have, and so do
// files that are no picture; a picture of another kind (a PNG that does not decode, a HEIC
// photo, a page of a PDF or SVG file) is told why.
bool explainsLoadFailure(const QString &fileName);
