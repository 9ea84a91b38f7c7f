#pragma once

#include <cstdint>

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
