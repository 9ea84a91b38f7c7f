#include "layout/LayoutState.h"
#include "layout/TileCoordinates.h"

#include <benchmark/benchmark.h>

// The tile grid is recomputed on every redraw and every drag step; this is its worst case.
static void BM_CalcTileCoord25x25(benchmark::State &bench)
{
    LayoutState state;
    state.tilesWideIndex = 24;
    state.tilesHighIndex = 24;
    state.dTileWidth = 8;
    state.dTileHeight = 10;
    state.bImgSelected = true;
    state.lImgWidth = 12000;
    state.lImgHeight = 8000;
    state.zoom = 37;
    TileCoords coords;
    for (auto _ : bench) {
        benchmark::DoNotOptimize(CalcTileCoord(state, coords));
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_CalcTileCoord25x25);
