#pragma once

// Decisions of the window's image loading that need no window: the rotation a list choice
// stands for. How a picture is fitted into the canvas is in imaging/CanvasFit.h, the rules
// of loading itself in imaging/ImageFileRules.h.

// Clockwise angle of an entry of the image rotation list ("No Rotate", "CW Rotate",
// "CCW Rotate", "180 Rotate"); indexes outside the list mean no turn.
int rotationForListIndex(int index);
// The list entry of a clockwise angle: the other way round; "No Rotate" for any other angle.
int listIndexForRotation(int degrees);
