#include "imaging/ImageObjectFactory.h"
#include "layout/CanvasOverlay.h"
#include "layout/PlacementSteps.h"
#include "layout/PreviewLayout.h"

#include <benchmark/benchmark.h>

#include <memory>

namespace {

// A 12500 x 8000 (100-megapixel) image shown on a 1000 x 640 canvas.
constexpr int kSourceWidth = 12500;
constexpr int kSourceHeight = 8000;
constexpr int kCanvasWidth = 1000;
constexpr int kCanvasHeight = 640;
constexpr double kCanvasScale = double(kCanvasWidth) / kSourceWidth;

LayoutState posterOnLargeImage(int tilesPerSide)
{
    LayoutState state;
    state.tilesWideIndex = tilesPerSide - 1;
    state.tilesHighIndex = tilesPerSide - 1;
    state.dTileWidth = 8;
    state.dTileHeight = 10;
    state.bImgSelected = true;
    state.lImgWidth = kSourceWidth;
    state.lImgHeight = kSourceHeight;
    state.zoom = 37;
    return state;
}

std::unique_ptr<ImageObject> filledImage(int width, int height)
{
    std::unique_ptr<ImageObject> image = createImageObject();
    if (!image || !image->NewImage(width, height, 0x336699))
        return nullptr;
    return image;
}

} // namespace

// One redraw on an arrow tick: a placement step, the tile grid and the overlay. It touches
// only the canvas-sized display copy, so the loaded image's size does not enter; the layout
// describes a 100-megapixel source. Must stay well under one frame (16 ms).
static void BM_RedrawOnArrowTick(benchmark::State &bench)
{
    LayoutState state = posterOnLargeImage(int(bench.range(0)));
    const std::unique_ptr<ImageObject> display = filledImage(kCanvasWidth, kCanvasHeight);
    const std::unique_ptr<ImageObject> overlay = createImageObject();
    if (!display || !overlay) {
        bench.SkipWithError("cannot make the canvas images");
        return;
    }
    CanvasOverlay canvas;
    ArrowRepeat arrow;
    arrow.SetArrowDirection(ArrowDirection::Right);
    for (auto _ : bench) {
        if (!arrow.StepPlacement(state)) {
            // At an edge: a fresh press on the opposite arrow.
            arrow = ArrowRepeat();
            arrow.SetArrowDirection(state.iHPlacement >= 200 ? ArrowDirection::Left : ArrowDirection::Right);
            arrow.StepPlacement(state);
        }
        benchmark::DoNotOptimize(canvas.RedrawCanvas(state, true, kCanvasScale, *display, *overlay));
    }
}
BENCHMARK(BM_RedrawOnArrowTick)->Arg(4)->Arg(25)->Unit(benchmark::kMicrosecond);

// Opening the preview of a 100-megapixel source: the grid area is scaled straight from the
// source's pixels into a screen-sized picture.
static void BM_PreviewOf100MegapixelSource(benchmark::State &bench)
{
    static const std::unique_ptr<ImageObject> source = filledImage(kSourceWidth, kSourceHeight);
    if (!source) {
        bench.SkipWithError("cannot make the source image");
        return;
    }
    const LayoutState state = posterOnLargeImage(4);
    for (auto _ : bench)
        benchmark::DoNotOptimize(previewPicture(state, source->ConstPixelArray(), QSize(1800, 1000)));
}
BENCHMARK(BM_PreviewOf100MegapixelSource)->Unit(benchmark::kMillisecond)->Iterations(3);
