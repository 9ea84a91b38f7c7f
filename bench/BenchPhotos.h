#pragma once

#include <QString>

// The big pictures the benchmarks cut and load, made once per process in a temporary
// folder, never stored: photo-like JPEGs with a camera's grain, so that they code as
// slowly as real photographs.

// The 48-megapixel photo (8000 x 6000) of most benchmarks, or another size, such as the
// 192-megapixel one (16000 x 12000) for big posters.
const QString &photoPath(int width = 8000, int height = 6000);

// A 1.2-gigapixel panorama (40000 x 30000), coded row by row: a picture this size is
// never held whole, here or in the program.
const QString &panoramaPath();
