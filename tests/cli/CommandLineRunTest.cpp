#include "support/CliProcess.h"

#include "resources/CliStrings.h"
#include "resources/LayoutStrings.h"
#include "support/EdgeOvershootLayouts.h"
#include "support/HeifFiles.h"
#include "support/PhotoFiles.h"
#include "support/PopplerTools.h"
#include "support/ReportedLayouts.h"
#include "support/TempDir.h"

#include <QColorSpace>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPainter>

#include <gtest/gtest.h>

#include <cstdlib>
#include <dirent.h>

namespace {

const QStringList kPaper8x10{"--custom-paper", "8x10", "--margins", "0,0,0,0"};

// A picture with detail everywhere, so every tile encodes to different bytes.
QString writePicture(const TempDir &dir, const QString &name, int width, int height, const char *format)
{
    QImage image(width, height, QImage::Format_RGB32);
    QPainter painter(&image);
    QLinearGradient gradient(0, 0, width, height);
    gradient.setColorAt(0.0, QColor(20, 60, 160));
    gradient.setColorAt(1.0, QColor(240, 200, 120));
    painter.fillRect(image.rect(), gradient);
    for (int i = 0; i < 60; ++i)
        painter.fillRect((i * 7919) % width, (i * 104729) % height, width / 20 + 1, height / 20 + 1,
                         QColor::fromHsv(i * 6 % 360, 200, 220));
    painter.end();
    const QString path = dir.filePath(name);
    EXPECT_TRUE(image.save(path, format));
    return path;
}

QJsonObject jsonOf(const CliRun &run)
{
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(run.out.toUtf8(), &error);
    EXPECT_EQ(error.error, QJsonParseError::NoError) << run.out.toStdString();
    return document.object();
}

QJsonArray rectangles(std::initializer_list<std::array<int, 4>> tiles)
{
    QJsonArray array;
    for (const auto &tile : tiles)
        array.append(QJsonArray{tile[0], tile[1], tile[2], tile[3]});
    return array;
}

class CommandLineRunTest : public ::testing::Test
{
protected:
    void SetUp() override { photo = writePicture(dir, "photo.jpg", 3000, 2000, "jpeg"); }

    QString home() const { return dir.filePath("home"); }
    CliRun cli(const QStringList &arguments) const { return runCli(arguments, home()); }

    TempDir dir;
    QString photo; // 3000 x 2000
};

} // namespace

TEST_F(CommandLineRunTest, ReportsTheWorkedLayoutsAsTextAndJson)
{
    struct Example
    {
        const char *name;
        QStringList arguments;
        QString finalSize;
        QString resolution;
        QString quality;
        QString megapixels;
        QJsonArray tiles;
    };
    const Example examples[] = {
        {"3 x 2 at zoom 0",
         QStringList{"--tiles", "3x2"} + kPaper8x10,
         "24.00 x 20.00 inches",
         "100.0 dpi",
         "Good",
         "4.80",
         rectangles({{300, 0, 1099, 999},
                     {1100, 0, 1899, 999},
                     {1900, 0, 2699, 999},
                     {300, 1000, 1099, 1999},
                     {1100, 1000, 1899, 1999},
                     {1900, 1000, 2699, 1999}})},
        {"3 x 2 at zoom 100",
         QStringList{"--tiles", "3x2", "--zoom", "100"} + kPaper8x10,
         "24.00 x 20.00 inches",
         "50.0 dpi",
         "Good from a distance",
         "1.20",
         {}},
        {"3 x 2 in millimetres",
         QStringList{"--tiles", "3x2", "--units", "mm", "--custom-paper", "203.2x254", "--margins", "0,0,0,0"},
         "61.0 x 50.8 cm",
         "39.4 dots/cm",
         "Good",
         "4.80",
         {}},
        {"2 x 2 zoomed and placed",
         QStringList{"--tiles", "2x2", "--zoom", "100", "--placement", "0,200"} + kPaper8x10,
         "16.00 x 20.00 inches",
         "50.0 dpi",
         "Good from a distance",
         "0.80",
         rectangles({{0, 1000, 399, 1499}, {400, 1000, 799, 1499}, {0, 1500, 399, 1999}, {400, 1500, 799, 1999}})},
        {"turned image, turned tiles",
         QStringList{"--tiles", "2x1", "--rotate-image", "90", "--rotate-tiles"} + kPaper8x10,
         "20.00 x 8.00 inches",
         "100.0 dpi",
         "Good",
         "1.60",
         rectangles({{0, 1100, 999, 1899}, {1000, 1100, 1999, 1899}})},
    };
    for (const Example &example : examples) {
        SCOPED_TRACE(example.name);
        const CliRun text = cli(example.arguments + QStringList{"--report", photo});
        ASSERT_EQ(text.exitCode, 0) << text.err.toStdString();
        EXPECT_TRUE(text.err.isEmpty()) << text.err.toStdString();
        const QStringList lines = text.out.split('\n', Qt::SkipEmptyParts);
        EXPECT_TRUE(lines.contains("Size: " + example.finalSize));
        EXPECT_TRUE(lines.contains("Resolution: " + example.resolution));
        EXPECT_TRUE(lines.contains("Quality: " + example.quality));
        EXPECT_TRUE(lines.contains("MegaPixels: " + example.megapixels));
        if (!example.tiles.isEmpty()) {
            const QJsonArray first = example.tiles.first().toArray();
            EXPECT_TRUE(lines.contains(QStringLiteral("Tile 1: %1, %2, %3, %4")
                                           .arg(first[0].toInt())
                                           .arg(first[1].toInt())
                                           .arg(first[2].toInt())
                                           .arg(first[3].toInt())));
        }

        const CliRun json = cli(example.arguments + QStringList{"--report", "--json", photo});
        ASSERT_EQ(json.exitCode, 0) << json.err.toStdString();
        const QJsonObject report = jsonOf(json);
        EXPECT_EQ(report["finalSize"].toString(), example.finalSize);
        EXPECT_EQ(report["resolution"].toString(), example.resolution);
        EXPECT_EQ(report["quality"].toString(), example.quality);
        EXPECT_EQ(report["megapixels"].toString(), example.megapixels);
        EXPECT_EQ(report["tileCount"].toInt(), report["tilesWide"].toInt() * report["tilesHigh"].toInt());
        EXPECT_EQ(report["tiles"].toArray().size(), report["tileCount"].toInt());
        EXPECT_FALSE(report.contains("files"));
        if (!example.tiles.isEmpty()) {
            EXPECT_EQ(report["tiles"].toArray(), example.tiles);
        }
    }
    // Nothing was written beside the picture.
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"photo.jpg"});
}

TEST_F(CommandLineRunTest, ReportGivesTheTileDensityAndAColumnInNoTile)
{
    const QString square = writePicture(dir, "square.bmp", 1000, 1000, "bmp");
    const CliRun run = cli({"--report", "--json", "--tiles", "3x1", "--custom-paper", "1x3", "--margins",
                            "0,0,0,0", square});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    const QJsonObject report = jsonOf(run);
    EXPECT_EQ(report["tiles"].toArray(), rectangles({{0, 0, 332, 999}, {333, 0, 665, 999}, {667, 0, 999, 999}}));
    EXPECT_DOUBLE_EQ(report["tilePixelsPerInch"].toDouble(), 333.0);
    EXPECT_EQ(report["resolutionTag"].toInt(), 333);
}

// A 6000 x 4000 photo kept whole on 3 x 2 A4 sheets keeps every column; sized 1 m wide it
// gets the fewest sheets that hold it, and a size beyond 25 sheets is refused.
TEST_F(CommandLineRunTest, TheWholePictureAndAPosterSizedByTheWall)
{
    const QString big = writePicture(dir, "big.jpg", 6000, 4000, "jpg");
    const QStringList a4{"--units", "mm", "--paper", "A4 - 210 x 297", "--margins", "12,12,12,12"};
    const CliRun whole = cli(a4 + QStringList{"--report", "--json", "--tiles", "3x2", "--fit", "whole", big});
    ASSERT_EQ(whole.exitCode, 0) << whole.err.toStdString();
    const QJsonArray tiles = jsonOf(whole)["tiles"].toArray();
    EXPECT_EQ(tiles.first().toArray()[0].toInt(), 0);
    EXPECT_EQ(tiles.last().toArray()[2].toInt(), 5999);
    EXPECT_EQ(jsonOf(whole)["fit"].toString(), "whole");
    EXPECT_EQ(jsonOf(whole)["finalSize"].toString(), "55.8 x 37.2 cm");

    const CliRun wall = cli(a4 + QStringList{"--report", "--json", "--poster-width", "1m", big});
    ASSERT_EQ(wall.exitCode, 0) << wall.err.toStdString();
    EXPECT_EQ(jsonOf(wall)["tilesWide"].toInt(), 6);
    EXPECT_EQ(jsonOf(wall)["tilesHigh"].toInt(), 3);
    EXPECT_EQ(jsonOf(wall)["fit"].toString(), "whole");

    const CliRun tooLarge = cli(a4 + QStringList{"--report", "--poster-height", "7m", big});
    EXPECT_EQ(tooLarge.exitCode, 1);
    EXPECT_TRUE(tooLarge.err.contains(LayoutStrings::kPosterTooLarge)) << tooLarge.err.toStdString();
    EXPECT_EQ(cli(a4 + QStringList{"--report", "--poster-width", "1 furlong", big}).exitCode, 2);
}

// A phone's HEIC photo is cut like a JPEG, into JPEG tiles unless asked otherwise.
TEST_F(CommandLineRunTest, APhonesHeicPhotoIsCutIntoJpegTiles)
{
    QImage picture(400, 300, QImage::Format_RGB32);
    picture.fill(Qt::darkCyan);
    const QString phone = dir.filePath("IMG_0001.HEIC");
    ASSERT_TRUE(test_heif::writeHeic(picture, phone, heif_orientation_rotate_90_cw));
    const CliRun run = cli({"--tiles", "2x1", "--json", "--out", dir.filePath("tiles"), phone});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    const QJsonArray files = jsonOf(run)["files"].toArray();
    ASSERT_EQ(files.size(), 2);
    EXPECT_TRUE(files[0].toString().endsWith("IMG_0001_001.jpg")) << files[0].toString().toStdString();
    // Turned as the phone recorded it: 300 pixels wide, the grid spanning them all.
    EXPECT_EQ(jsonOf(run)["tiles"].toArray().last().toArray()[2].toInt(), 299);
}

// libheif and CUPS, and all they bring, are loaded only by a run that needs them: a
// JPEG's cut starts without them, a HEIC photo's opens libheif.
TEST_F(CommandLineRunTest, LibheifAndCupsLoadOnlyWhenNeeded)
{
    QImage picture(64, 48, QImage::Format_RGB32);
    picture.fill(Qt::darkCyan);
    const QString phone = dir.filePath("IMG_0002.HEIC");
    ASSERT_TRUE(test_heif::writeHeic(picture, phone, heif_orientation_normal));
    QProcessEnvironment loaderSays = englishEnvironment();
    loaderSays.insert("LD_DEBUG", "files");
    const struct
    {
        QString source;
        bool heif;
    } cases[] = {{photo, false}, {phone, true}};
    for (const auto &[source, heif] : cases) {
        const QString out = dir.filePath("lean-" + QFileInfo(source).baseName());
        const CliRun run = runCli({"--tiles", "2x1", "--format", "jpg", "--out", out, source}, home(), loaderSays);
        ASSERT_EQ(run.exitCode, 0) << source.toStdString();
        EXPECT_EQ(run.err.contains("libheif.so.1"), heif) << source.toStdString();
        EXPECT_FALSE(run.err.contains("libcups.so.2")) << source.toStdString();
    }
}

TEST_F(CommandLineRunTest, StoredSettingsAreTheStartAndOptionsAreNeverStored)
{
    const QString settingsFolder = home() + "/config/QuilteraSoftwareLLC";
    ASSERT_TRUE(QDir().mkpath(settingsFolder));
    const QByteArray settings = R"({"prefs_numTiles": "w03h02", "prefs_edgeAdjust": "1_02",
        "paperRegLine": "|1|A4 - 210 x 297|210|297|12|12|12|12|12|12|12|12|"})";
    QFile file(settingsFolder + "/Quiltera.json");
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(settings);
    file.close();

    // 4 x 3 A4 tiles less the Fuji profile's trims (right and left 6/64, top 2/64 and
    // bottom 3/64 of an inch).
    const CliRun stored = cli({"--report", "--json", photo});
    ASSERT_EQ(stored.exitCode, 0) << stored.err.toStdString();
    EXPECT_EQ(jsonOf(stored)["tileCount"].toInt(), 12);
    EXPECT_EQ(jsonOf(stored)["finalSize"].toString(), "72.5 x 81.3 cm");

    const CliRun overridden = cli({"--report", "--json", "--tiles", "2x2", "--units", "in", "--paper",
                                   "Letter 8.5\" x 11\"", "--adjust-edges", "default", photo});
    ASSERT_EQ(overridden.exitCode, 0) << overridden.err.toStdString();
    EXPECT_EQ(jsonOf(overridden)["finalSize"].toString(), "15.00 x 20.00 inches");

    // A paper name alone finds its unit: the stored paper is in millimetres.
    const CliRun letter = cli({"--report", "--json", "--tiles", "1x1", "--paper", "Letter 8.5\" x 11\"", photo});
    EXPECT_EQ(jsonOf(letter)["finalSize"].toString(), "7.31 x 9.92 inches"); // 7.5 x 10 less the trims

    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), settings);
    EXPECT_EQ(QDir(settingsFolder).entryList(QDir::Files), QStringList{"Quiltera.json"});
    EXPECT_FALSE(QFileInfo::exists(home() + "/data/quiltera/printer_edge_config"));
}

TEST_F(CommandLineRunTest, ExitCodesAndMessages)
{
    const QString tiny = writePicture(dir, "tiny.bmp", 24, 300, "bmp");
    const QString smallest = writePicture(dir, "smallest.bmp", 25, 25, "bmp");
    QFile photoFile(photo);
    ASSERT_TRUE(photoFile.open(QIODevice::ReadOnly));
    const QString truncated = dir.write("truncated.jpg", photoFile.readAll().left(20000));
    const QString notAnImage = dir.write("notes.jpg", "just some words");
    const QString wrongEnding = dir.write("photo.gif", "whatever");

    struct Case
    {
        QStringList arguments;
        int exitCode;
        QString errContains;
    };
    const Case cases[] = {
        {{"--tiles", "0x3", photo}, 2, "--tiles needs two whole numbers from 1 to 25, such as 4x3, not \"0x3\""},
        {{"--tiles", "26x1", photo}, 2, "--tiles"},
        {{"--zoom", "500", photo}, 2, "--zoom needs a whole number from 0 to 400, not \"500\""},
        {{"--placement", "100", photo}, 2, "--placement needs two whole numbers from 0 to 200"},
        {{"--placement", "100,201", photo}, 2, "--placement"},
        {{"--rotate-image", "45", photo}, 2, "--rotate-image"},
        {{"--format", "png", photo}, 2, "--format"},
        {{"--units", "cm", photo}, 2, "--units"},
        {{"--margins", "1,1,1", photo}, 2, "--margins"},
        {{"--frobnicate", photo}, 2, "frobnicate"},
        {{"--zoom"}, 2, "zoom"},
        {{}, 2, "No IMAGE given."},
        {{photo, photo}, 2, "Only one IMAGE"},
        {{"--paper", "Tabloid", photo}, 2, "No paper of that name in the catalogue (see --list-papers): Tabloid"},
        {{"--units", "mm", "--paper", "Letter 8.5\" x 11\"", photo}, 2, "not in the catalogue of the unit"},
        {{"--paper", "A4 - 210 x 297", "--custom-paper", "5x5", photo}, 2, "give only one"},
        {{"--adjust-edges", "Epson", photo}, 2, "No edge calibration profile of that name"},
        {{"--custom-paper", "60x60", "--margins", "0,0,0,0", photo}, 2, "The paper or margins given cannot be used:"},
        {{"--out", "/", photo}, 2, "--out must name a new folder"},
        {{dir.filePath("missing.jpg")}, 1, "Error: The image could not be loaded - The image file does not exist"},
        {{truncated}, 1, "Error: The image could not be loaded - The image file is incomplete or damaged"},
        {{notAnImage}, 1, "Error: The image could not be loaded - "},
        {{wrongEnding}, 1, CliStrings::kUnloadableEnding},
        {{tiny},
         1,
         "Invalid Image File Selected: The image you selected is EXTREMELY small.  It has a height and/or width "
         "that is below the minimum allowable size of 25 pixels.  Please select a larger image.  "},
        {{"--tiles", "25x25", "--zoom", "400", smallest},
         1,
         "Can Not Continue: Invalid image/tile information.  Can not continue."},
        {{"--out", dir.filePath("no/such/parent"), photo}, 1, "Can not continue: Could not create the folder \""},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.arguments.join(' ').toStdString());
        const CliRun run = cli(c.arguments);
        EXPECT_EQ(run.exitCode, c.exitCode) << run.err.toStdString();
        EXPECT_TRUE(run.err.contains(c.errContains)) << run.err.toStdString();
        EXPECT_TRUE(run.out.isEmpty()) << run.out.toStdString();
        if (c.exitCode == 2) {
            EXPECT_TRUE(run.err.endsWith("Try 'quiltera-cli --help'.\n"));
        }
    }
    EXPECT_FALSE(QFileInfo::exists(dir.filePath("photo_poster_images")));

    for (const char *option : {"--help", "--version", "--list-papers", "--list-profiles"}) {
        SCOPED_TRACE(option);
        const CliRun run = cli({option});
        EXPECT_EQ(run.exitCode, 0);
        EXPECT_FALSE(run.out.isEmpty());
        EXPECT_TRUE(run.err.isEmpty());
    }
    const QStringList papers = cli({"--list-papers", "--units", "mm"}).out.split('\n', Qt::SkipEmptyParts);
    EXPECT_EQ(papers.first(), "Millimeters");
    EXPECT_TRUE(papers.contains("A8 - 53 x 74"));
    EXPECT_TRUE(papers.contains("Custom (mm)"));
    EXPECT_FALSE(papers.contains("Custom (inches)"));
    EXPECT_EQ(cli({"--list-profiles"}).out, "default\nKodak photo lab default\nFuji photo lab default\n");
}

TEST_F(CommandLineRunTest, SavesIntoANewFolderAndRefusesAnExistingOneWithoutOverwrite)
{
    const CliRun first = cli({"--tiles", "3x2", photo});
    ASSERT_EQ(first.exitCode, 0) << first.err.toStdString();
    const QString folder = dir.filePath("photo_poster_images");
    QStringList expected;
    for (int n = 1; n <= 6; ++n)
        expected << folder + QStringLiteral("/photo_00%1.jpg").arg(n);
    EXPECT_EQ(first.out.split('\n', Qt::SkipEmptyParts), expected);
    EXPECT_TRUE(first.err.contains("Images Saved Successfully"));
    EXPECT_FALSE(first.err.contains('\r')) << "no progress bar when standard error is no terminal";

    const QDateTime written = QFileInfo(expected.first()).lastModified();
    const CliRun refused = cli({"--tiles", "1x1", "--format", "bmp", photo});
    EXPECT_EQ(refused.exitCode, 1);
    EXPECT_TRUE(refused.err.contains("Folder Exists: The folder \"" + folder + "\" already exists"));
    EXPECT_TRUE(refused.err.contains("--overwrite"));
    EXPECT_EQ(QDir(folder).entryList(QDir::Files).size(), 6);

    const CliRun overwritten =
        cli({"--tiles", "1x2", "--format", "bmp", "--base", "b", "--overwrite", "--json", photo});
    ASSERT_EQ(overwritten.exitCode, 0) << overwritten.err.toStdString();
    const QJsonObject report = jsonOf(overwritten);
    EXPECT_EQ(report["files"].toArray(), QJsonArray({folder + "/b001.bmp", folder + "/b002.bmp"}));
    EXPECT_EQ(report["tileCount"].toInt(), 2);
    EXPECT_EQ(QDir(folder).entryList(QDir::Files).size(), 8);
    EXPECT_EQ(QFileInfo(expected.first()).lastModified(), written);
    EXPECT_EQ(QImage(folder + "/b001.bmp").format(), QImage::Format_RGB32);
}

TEST_F(CommandLineRunTest, RunsWithoutAnyDisplay)
{
    QProcessEnvironment bare = englishEnvironment();
    for (const char *name : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY", "XDG_RUNTIME_DIR"})
        bare.remove(name);
    const CliRun run = runCli({"--tiles", "2x2", "--out", dir.filePath("tiles"), photo}, home(), bare);
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(QDir(dir.filePath("tiles")).entryList(QDir::Files).size(), 4);
    EXPECT_FALSE(run.err.contains("QStandardPaths")) << run.err.toStdString();
}

TEST_F(CommandLineRunTest, LayoutsEndingOnePixelPastTheImageSaveEveryTileFromTheImagesOwnPixels)
{
    for (const EdgeOvershootLayout &layout : edgeOvershootLayouts()) {
        SCOPED_TRACE(layout.name);
        const QImage picture = edgeOvershootPicture(layout.image);
        const QString source = dir.filePath(QString::fromLatin1(layout.name) + ".bmp");
        ASSERT_TRUE(picture.save(source, "BMP"));
        const QString out = dir.filePath(QString::fromLatin1(layout.name) + "_tiles");
        const CliRun run = cli(QStringList{"--tiles", layout.tilesOption, "--zoom", QString::number(layout.zoom),
                                           "--placement", QString::number(layout.hPlacement) + ",100", "--out", out,
                                           "--base", "t_", source}
                               + layout.paperOptions);
        ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
        const QStringList written = QDir(out).entryList(QDir::Files, QDir::Name);
        ASSERT_EQ(written.size(), layout.lastTileNumber);
        const QImage lastTile(QDir(out).filePath(written.last()));
        EXPECT_EQ(lastTile.convertToFormat(QImage::Format_RGB32), picture.copy(layout.lastTile));
    }
}

TEST_F(CommandLineRunTest, ReportedLayoutsSaveEveryTileAtOneSize)
{
    for (const ReportedLayout &layout : reportedLayouts()) {
        SCOPED_TRACE(layout.name);
        const QString source = writePicture(dir, layout.imageFileName(),
                                            layout.image.width(), layout.image.height(), layout.imageFormat);
        QDir().mkpath(home() + "/data/quiltera");
        dir.write("home/data/quiltera/printer_edge_config", layout.profileLine);
        const QString out = dir.filePath(QString::fromLatin1(layout.name) + "_tiles");
        QStringList arguments{"--tiles", layout.tilesOption, "--zoom", QString::number(layout.zoom), "--placement",
                              "100," + QString::number(layout.vPlacement), "--adjust-edges", "mine", "--format",
                              layout.format, "--out", out, source};
        if (layout.rotateTiles)
            arguments << "--rotate-tiles";
        const CliRun run = cli(arguments + layout.paperOptions);
        ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
        const QStringList written = QDir(out).entryList(QDir::Files, QDir::Name);
        ASSERT_EQ(written.size(), layout.tileCount);
        const QSize first = QImage(QDir(out).filePath(written.first())).size();
        for (const QString &name : written)
            EXPECT_EQ(QImage(QDir(out).filePath(name)).size(), first) << name.toStdString();
    }
}

TEST_F(CommandLineRunTest, FileNamesThatAreNotUtf8PassThroughUnchanged)
{
    // "café" written in Latin-1, as old cameras and other systems name files: the byte
    // E9 alone is not UTF-8. A JPEG is cut band by band from its file, read by that name.
    const QByteArray folder = QFile::encodeName(dir.path());
    for (const char *format : {"bmp", "jpg"}) {
        SCOPED_TRACE(format);
        const QByteArray name = QByteArray("caf\xe9.") + format;
        ASSERT_TRUE(photo_files::writeUnderRawName(folder + "/" + name, photo_files::quarters(200, 100), format));
        const CliRun run = runCliFromShell(QStringLiteral("--tiles 2x1 --format jpg --out \"$(printf '%1/out\\351')\" "
                                                          "\"$(printf '%1/caf\\351.%2')\"")
                                               .arg(dir.path(), QString::fromLatin1(format)),
                                           home());
        ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
        DIR *out = ::opendir((folder + "/out\xe9").constData());
        ASSERT_NE(out, nullptr) << "the folder keeps the name's own bytes";
        int tiles = 0;
        while (const dirent *entry = ::readdir(out))
            tiles += QByteArray(entry->d_name).startsWith("caf\xe9_") ? 1 : 0;
        ::closedir(out);
        EXPECT_EQ(tiles, 2);
        // Qt's own clean-up of the scratch folder cannot name these files either.
        EXPECT_EQ(std::system(("rm -rf '" + folder + "'/*").constData()), 0);
    }
}

TEST_F(CommandLineRunTest, PdfPosterOfAJpegKeepsJpegPicturesAndTheColourProfile)
{
    QImage picture(900, 600, QImage::Format_RGB32);
    picture.fill(QColor(30, 120, 200));
    picture.setColorSpace(QColorSpace(QColorSpace::AdobeRgb));
    const QString source = dir.filePath("adobe.jpg");
    ASSERT_TRUE(picture.save(source, "jpeg"));
    const QString out = dir.filePath("pdf");
    const CliRun run = cli(QStringList{"--tiles", "2x2", "--format", "pdf", "--no-assembly-page", "--json", "--out", out,
                                       source}
                           + kPaper8x10);
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    const QJsonArray files = jsonOf(run)["files"].toArray();
    ASSERT_EQ(files.size(), 1);
    EXPECT_TRUE(files[0].toString().endsWith("/adobe_poster.pdf"));
    EXPECT_EQ(poppler::pageBoxes(files[0].toString()).size(), 4);
    EXPECT_EQ(jsonOf(run)["pages"].toInt(), 4);
    for (const poppler::ImageEntry &image : poppler::images(files[0].toString())) {
        EXPECT_EQ(image.encoding, "jpeg");
        EXPECT_EQ(image.colour, "icc");
    }
}

TEST_F(CommandLineRunTest, ReadsPngWebpAndLongOrUpperCaseEndingsAndAsksForAFormatWhereThereIsNone)
{
    struct Case
    {
        const char *name;
        const char *qtFormat;
        QStringList extra;
        int exitCode;
        const char *firstTile; // empty when nothing is written
    };
    const Case cases[] = {
        {"Holiday.JPEG", "jpeg", {}, 0, "Holiday_001.jpg"},
        {"scan.tiff", "tiff", {}, 0, "scan_001.tif"},
        {"shot.png", "png", {"--format", "bmp"}, 0, "shot_001.bmp"},
        {"web.WEBP", "webp", {"--format", "jpg"}, 0, "web_001.jpg"},
        {"shot2.png", "png", {}, 2, ""},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        QImage picture(400, 300, QImage::Format_RGB32);
        picture.fill(Qt::darkYellow);
        const QString source = dir.filePath(c.name);
        ASSERT_TRUE(picture.save(source, c.qtFormat));
        const QString out = dir.filePath(QString(c.name) + "_tiles");
        const CliRun run = cli(QStringList{"--tiles", "2x1", "--out", out, source} + kPaper8x10 + c.extra);
        EXPECT_EQ(run.exitCode, c.exitCode) << run.err.toStdString();
        if (c.exitCode == 0)
            EXPECT_EQ(QDir(out).entryList(QDir::Files, QDir::Name).value(0), c.firstTile);
        else
            EXPECT_TRUE(run.err.contains(CliStrings::kFormatNeeded)) << run.err.toStdString();
    }
}
