#pragma once

#include <cstdint>

// Decisions of the window's image loading that need no window: the rotation a list choice
// stands for and how a picture is fitted into the canvas. The rules of loading itself are
// in imaging/ImageFileRules.h.

// Clockwise angle of an entry of the image rotation list ("No Rotate", "CW Rotate",
// "CCW Rotate", "180 Rotate"); indexes outside the list mean no turn.
int rotationForListIndex(int index);
// The list entry of a clockwise angle: the other way round; "No Rotate" for any other angle.
int listIndexForRotation(int degrees);

struct CanvasFit
{
    int width = 0;
    int height = 0;
    double scale = 0.0; // canvas pixels per image pixel
};

// The largest size with the image's aspect ratio that fits the canvas, touching it on at
// least one side. Never smaller than one pixel either way, so a very thin picture still
// gets a display copy. Image and canvas sizes must be positive.
CanvasFit fitImageToCanvas(std::int32_t imageWidth, std::int32_t imageHeight, int canvasWidth,
                           int canvasHeight);
