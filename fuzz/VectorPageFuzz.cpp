// Feeds any bytes to the page reader, as a PDF file or, when they start with "<", as an SVG
// drawing: the page is opened, a part of it drawn, and the PDF poster's writer takes it as
// page art for one sheet. Nothing may read out of bounds, crash or hang, whatever the bytes.

#include "imaging/VectorPage.h"
#include "layout/TileCoordinates.h"
#include "output/PosterPages.h"
#include "output/PosterPdfWriter.h"
#include "output/TileRenderer.h"

#include <QGuiApplication>
#include <QTemporaryDir>

#include <cstdint>
#include <cstdlib>

namespace {

// Drawing an SVG drawing into a PDF needs Qt's fonts, so a QGuiApplication, without a display.
void startQt()
{
    static int argc = 1;
    static char name[] = "VectorPageFuzz";
    static char *argv[] = {name, nullptr};
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    static QGuiApplication app(argc, argv);
}

// One sheet of 2 x 2 inches over a picture of 64 x 48 pixels.
LayoutState oneSheet()
{
    LayoutState layout;
    layout.tilesWideIndex = 0;
    layout.tilesHighIndex = 0;
    layout.dTileWidth = layout.dPaperWidth = 2.0;
    layout.dTileHeight = layout.dPaperHeight = 1.5;
    layout.bImgSelected = true;
    layout.lImgWidth = 64;
    layout.lImgHeight = 48;
    return layout;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    startQt();
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const bool svg = size > 0 && data[0] == '<';
    const VectorPage::Opened opened = VectorPage::fromBytes(bytes, svg, 1);
    if (!opened.page)
        return 0;
    const QSize picture(64, 48);
    static_cast<void>(opened.page->draw(picture, 90, QRect(8, 8, 40, 30)));

    const LayoutState layout = oneSheet();
    TileCoords cuts;
    const std::optional<TileRunValues> run =
        CalcTileCoord(layout, cuts) > 0 ? PrepareTileRun(layout, cuts) : std::nullopt;
    const std::optional<PosterPages> pages = run ? PosterPages::create(layout, cuts, *run, AssemblyAids{}) : std::nullopt;
    const std::optional<QSize> rendered = run ? renderedTileSize(cuts, 0, *run) : std::nullopt;
    if (!pages || !rendered)
        return 0;
    static const QTemporaryDir folder;
    PosterPdfWriter writer(*pages, false, QByteArray());
    writer.usePageArt(opened.page->pdf(), 1, 0, picture);
    if (writer.open(folder.filePath(QStringLiteral("poster.pdf"))) && writer.addPlacedSheet(0, *rendered, QRect()))
        static_cast<void>(writer.close());
    return 0;
}
