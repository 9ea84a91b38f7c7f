#include "cli/PosterReport.h"

#include "layout/TileSizeRules.h"
#include "output/TileRenderer.h"
#include "resources/AppStrings.h"
#include "resources/CliStrings.h"
#include "resources/LayoutStrings.h"
#include "resources/OutputStrings.h"

#include <QJsonArray>
#include <QLocale>

namespace {

QString labelled(const QString &label, const QString &value)
{
    return label + QStringLiteral(": ") + value + QLatin1Char('\n');
}

PosterReportResult refused(const QString &title, const QString &text)
{
    return {std::nullopt, title, text};
}

} // namespace

PosterReportResult makePosterReport(const LayoutState &layout)
{
    const QLocale c = QLocale::c();
    double width = 0.0;
    double height = 0.0;
    if (!CheckTileSizes(layout, width, height))
        return refused(LayoutStrings::kInvalidTileSizeTitle, tileSizeWarningText(layout.units, c));

    PosterReport report;
    report.tilesWide = layout.tilesWide();
    report.tilesHigh = layout.tilesHigh();
    const std::optional<OutputReport> texts = computeOutputReport(layout, c);
    // The whole picture's grid is given as it is cut: a last column or row rounding left a
    // pixel short of the picture's edge is widened to it.
    const bool cut = CalcTileCoord(layout, report.coords) > 0
        && (layout.fit == FitMode::FillSheets
            || fitTilesToImage(report.coords, layout.lImgWidth, layout.lImgHeight, layout.fit));
    const std::optional<TileRunValues> run = cut ? PrepareTileRun(layout, report.coords) : std::nullopt;
    if (!texts || !run)
        return refused(OutputStrings::kInvalidTileInfoTitle, OutputStrings::kInvalidTileInfo);
    report.texts = *texts;
    report.fit = layout.fit;
    for (int t = 0; t < report.coords.count(); ++t)
        report.leftOut.push_back(!tileHoldsPicture(report.coords, t, layout.lImgWidth, layout.lImgHeight));
    report.pixelsPerInch = run->pixelsPerInch;
    report.resolutionTag = run->resolutionTag;
    return {report, QString(), QString()};
}

QString reportText(const PosterReport &report)
{
    QString text;
    text += labelled(CliStrings::kTilesLabel, QStringLiteral("%1 x %2 (%3)")
                                                  .arg(report.tilesWide)
                                                  .arg(report.tilesHigh)
                                                  .arg(report.coords.count()));
    text += labelled(AppStrings::kSheets, report.texts.sheets);
    text += labelled(AppStrings::kSize, report.texts.finalSize);
    text += labelled(AppStrings::kResolution, report.drawnFromVectors
                                                  ? LayoutStrings::drawnFromVectorsText(report.texts.resolution)
                                                  : report.texts.resolution);
    text += labelled(AppStrings::kQuality, report.texts.quality);
    text += labelled(AppStrings::kMegaPixels, report.texts.megapixels);
    text += labelled(CliStrings::kTilePixelsPerInchLabel, QStringLiteral("%1 (%2 %3)")
                                                              .arg(report.pixelsPerInch, 0, 'f', 2)
                                                              .arg(CliStrings::kResolutionTagLabel)
                                                              .arg(report.resolutionTag));
    for (int t = 0; t < report.coords.count(); ++t) {
        text += labelled(CliStrings::kTileLabel + QLatin1Char(' ') + QString::number(t + 1),
                         QStringLiteral("%1, %2, %3, %4")
                             .arg(report.coords.left(t))
                             .arg(report.coords.top(t))
                             .arg(report.coords.right(t))
                             .arg(report.coords.bottom(t))
                             + (report.leftOut[std::size_t(t)] ? QLatin1Char(' ') + CliStrings::kLeftOut : QString()));
    }
    return text;
}

QJsonObject reportJson(const PosterReport &report, const std::optional<QStringList> &files)
{
    QJsonArray tiles;
    for (int t = 0; t < report.coords.count(); ++t)
        tiles.append(QJsonArray{report.coords.left(t), report.coords.top(t), report.coords.right(t),
                                report.coords.bottom(t)});
    QJsonObject object{
        {"tilesWide", report.tilesWide},
        {"tilesHigh", report.tilesHigh},
        {"tileCount", report.coords.count()},
        {"fit", report.fit == FitMode::WholePicture ? QStringLiteral("whole") : QStringLiteral("fill")},
        {"sheetsUsed", report.texts.sheetsUsed},
        {"tiles", tiles},
        {"finalSize", report.texts.finalSize},
        {"resolution", report.texts.resolution},
        {"quality", report.texts.quality},
        {"megapixels", report.texts.megapixels},
        {"tilePixelsPerInch", report.pixelsPerInch},
        {"resolutionTag", report.resolutionTag},
        {"drawnFromVectors", report.drawnFromVectors},
    };
    if (files)
        object.insert("files", QJsonArray::fromStringList(*files));
    return object;
}
