#pragma once

#include <QString>

#include <cstdint>

// Decisions of image loading that need no window: the rotation a list choice stands for,
// the minimum size and how a picture is fitted into the canvas.

inline constexpr std::int32_t kMinimumImageSide = 25;

// Clockwise angle of an entry of the image rotation list ("No Rotate", "CW Rotate",
// "CCW Rotate", "180 Rotate"); indexes outside the list mean no turn.
int rotationForListIndex(int index);

bool isBelowMinimumSize(std::int32_t width, std::int32_t height);

// The message shown when a picture is smaller than the minimum.
QString smallImageMessage();

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
