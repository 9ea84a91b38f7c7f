#include "support/CliProcess.h"

#include "resources/CliStrings.h"
#include "resources/ImagingStrings.h"
#include "support/PhotoFiles.h"
#include "support/TempDir.h"

#include <QDir>

#include <gtest/gtest.h>

// A photo whose data runs out partway: every cut (tile files cut band by band or encoded row
// by row, the PDF poster, a turned picture) refuses a poster that needs the grey rows, and
// cuts one that does not, warning of the damage where it read those rows (a PDF poster,
// which cannot carry damaged JPEG data as it is, is cut band by band as tile files are,
// reading only the rows its sheets need). The report reads
// the header alone, so it reports either poster and knows nothing of the damage.
TEST(CommandLineDamagedPhoto, IsRefusedWhereTilesNeedTheMissingRowsAndCutWithAWarningElsewhere)
{
    TempDir dir;
    const QByteArray jpeg = photo_files::encoded(photo_files::detailedPicture(1200, 800), "jpeg");
    const QString photo = dir.write("damaged.jpg", photo_files::jpegWithDataCut(jpeg, 0.6));
    const QString refusal = CliStrings::kImageNotLoaded + QStringLiteral(" - ") + ImagingStrings::kIncompleteFile;
    const QStringList topHalf{"--zoom", "100", "--placement", "100,0"};
    const struct
    {
        const char *name;
        QStringList arguments;
        bool refused;
        bool warned;
    } cases[] = {
        {"report", {"--report"}, false, false},
        {"tiff tiles from bands", {"--format", "tif"}, true, false},
        {"jpeg tiles from rows", {"--format", "jpg"}, true, false},
        {"pdf poster", {"--format", "pdf"}, true, false},
        {"report of the top half", QStringList{"--report"} + topHalf, false, false},
        {"tiff tiles of the top half", QStringList{"--format", "tif"} + topHalf, false, false},
        {"pdf poster of the top half", QStringList{"--format", "pdf"} + topHalf, false, false},
        {"turned, grid at the sound end", {"--rotate-image", "180", "--zoom", "100", "--placement", "100,200",
                                           "--format", "bmp"}, false, true},
    };
    int run = 0;
    for (const auto &[name, arguments, refused, warned] : cases) {
        SCOPED_TRACE(name);
        const QStringList all = QStringList{"--tiles", "2x2", "--out", dir.filePath(QString::number(++run))} + arguments
            + QStringList{photo};
        const CliRun result = runCli(all, dir.filePath("home"));
        EXPECT_EQ(result.exitCode, refused ? 1 : 0) << result.err.toStdString();
        EXPECT_EQ(result.err.contains(refusal), refused) << result.err.toStdString();
        EXPECT_EQ(result.err.contains(ImagingStrings::kDamagedImageTitle + QStringLiteral(": ")), warned)
            << result.err.toStdString();
    }
}
