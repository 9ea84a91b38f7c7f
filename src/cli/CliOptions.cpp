#include "cli/CliOptions.h"

#include "common/NumberFormat.h"
#include "imaging/ImageFileRules.h"
#include "layout/LayoutState.h"
#include "imaging/VectorPage.h"
#include "resources/CliStrings.h"

#include <QCommandLineParser>

namespace {


// The pieces of a value such as "4x3" or "0.5,0.5,0.5,0.5"; nothing unless there are
// exactly `count` pieces, none of them empty.
std::optional<QStringList> splitValue(const QString &value, QChar separator, int count)
{
    const QStringList pieces = value.split(separator);
    if (pieces.size() != count)
        return std::nullopt;
    for (const QString &piece : pieces) {
        if (piece.trimmed().isEmpty())
            return std::nullopt;
    }
    return pieces;
}

std::optional<int> wholeNumberIn(const QString &text, int low, int high)
{
    const std::optional<int> value = parseWholeNumber(text);
    if (!value || *value < low || *value > high)
        return std::nullopt;
    return value;
}

// Both parts of a "WxH" value, the x in either case.
std::optional<QStringList> sizePieces(const QString &value)
{
    return splitValue(value.toLower(), QLatin1Char('x'), 2);
}

class OptionReader
{
public:
    explicit OptionReader(const QCommandLineParser &parser) : m_parser(parser) {}

    // Runs `read` on the option's value when it is given; its error becomes the usage error.
    template <typename Read>
    void ifSet(const QString &name, Read read)
    {
        if (!m_error.isEmpty() || !m_parser.isSet(name))
            return;
        const QString value = m_parser.value(name);
        if (!read(value))
            m_error = m_errors.value(name) + CliStrings::kNotGivenValue.arg(value);
    }
    void setError(const QString &name, const QString &text) { m_errors.insert(name, text); }
    const QString &error() const { return m_error; }

private:
    const QCommandLineParser &m_parser;
    QHash<QString, QString> m_errors;
    QString m_error;
};

struct OptionSpec
{
    const char *name;
    const QString &help;
    const QString &valueName; // empty for a switch
    const QString &badValue;  // the usage error for a value of the wrong form
};

const QString kNone;

const OptionSpec kSpecs[] = {
    {"tiles", CliStrings::kTilesHelp, CliStrings::kSizeValue, CliStrings::kBadTiles},
    {"units", CliStrings::kUnitsHelp, CliStrings::kUnitsValue, CliStrings::kBadUnits},
    {"paper", CliStrings::kPaperHelp, CliStrings::kNameValue, kNone},
    {"custom-paper", CliStrings::kCustomPaperHelp, CliStrings::kSizeValue, CliStrings::kBadCustomPaper},
    {"margins", CliStrings::kMarginsHelp, CliStrings::kMarginsValue, CliStrings::kBadMargins},
    {"rotate-image", CliStrings::kRotateImageHelp, CliStrings::kRotationValue, CliStrings::kBadRotation},
    {"page", CliStrings::kPageHelp, CliStrings::kCountValue, CliStrings::kBadPage},
    {"resolution", CliStrings::kResolutionHelp, CliStrings::kDpiValue, CliStrings::kBadResolution},
    {"rotate-tiles", CliStrings::kRotateTilesHelp, kNone, kNone},
    {"zoom", CliStrings::kZoomHelp, CliStrings::kZoomValue, CliStrings::kBadZoom},
    {"fit", CliStrings::kFitHelp, CliStrings::kFitValue, CliStrings::kBadFit},
    {"poster-width", CliStrings::kPosterWidthHelp, CliStrings::kLengthValue, kNone},
    {"poster-height", CliStrings::kPosterHeightHelp, CliStrings::kLengthValue, kNone},
    {"placement", CliStrings::kPlacementHelp, CliStrings::kPlacementValue, CliStrings::kBadPlacement},
    {"adjust-edges", CliStrings::kAdjustEdgesHelp, CliStrings::kNameValue, kNone},
    {"format", CliStrings::kFormatHelp, CliStrings::kFormatValue, CliStrings::kBadFormat},
    {"glue-strip", CliStrings::kGlueStripHelp, CliStrings::kLengthValue, CliStrings::kBadGlueStrip},
    {"no-cut-marks", CliStrings::kNoCutMarksHelp, kNone, kNone},
    {"print", CliStrings::kPrintHelp, kNone, kNone},
    {"print-queue", CliStrings::kPrintQueueHelp, CliStrings::kNameValue, kNone},
    {"allow-clipping", CliStrings::kAllowClippingHelp, kNone, kNone},
    {"sheets", CliStrings::kSheetsHelp, CliStrings::kListValue, kNone},
    {"copies", CliStrings::kCopiesHelp, CliStrings::kCountValue, CliStrings::kBadCopies},
    {"no-labels", CliStrings::kNoLabelsHelp, kNone, kNone},
    {"no-assembly-page", CliStrings::kNoAssemblyPageHelp, kNone, kNone},
    {"out", CliStrings::kOutHelp, CliStrings::kDirValue, CliStrings::kEmptyOut},
    {"base", CliStrings::kBaseHelp, CliStrings::kNameValue, kNone},
    {"overwrite", CliStrings::kOverwriteHelp, kNone, kNone},
    {"report", CliStrings::kReportHelp, kNone, kNone},
    {"json", CliStrings::kJsonHelp, kNone, kNone},
    {"list-papers", CliStrings::kListPapersHelp, kNone, kNone},
    {"list-profiles", CliStrings::kListProfilesHelp, kNone, kNone},
    {"version", CliStrings::kVersionHelp, kNone, kNone},
    {"help", CliStrings::kHelpHelp, kNone, kNone},
};

void readValues(OptionReader &reader, CliOptions &options)
{
    reader.ifSet("tiles", [&](const QString &value) {
        const std::optional<QStringList> pieces = sizePieces(value);
        if (!pieces)
            return false;
        options.tilesWide = wholeNumberIn(pieces->at(0), 1, kMaxTilesPerSide);
        options.tilesHigh = wholeNumberIn(pieces->at(1), 1, kMaxTilesPerSide);
        return options.tilesWide && options.tilesHigh;
    });
    reader.ifSet("units", [&](const QString &value) {
        if (value == QLatin1String("in"))
            options.units = Units::Inches;
        else if (value == QLatin1String("mm"))
            options.units = Units::Millimetres;
        return options.units.has_value();
    });
    reader.ifSet("paper", [&](const QString &value) {
        options.paperName = value;
        return true;
    });
    reader.ifSet("custom-paper", [&](const QString &value) {
        const std::optional<QStringList> pieces = sizePieces(value);
        if (pieces)
            options.customPaperSize = std::array<QString, 2>{pieces->at(0).trimmed(), pieces->at(1).trimmed()};
        return pieces.has_value();
    });
    reader.ifSet("margins", [&](const QString &value) {
        const std::optional<QStringList> pieces = splitValue(value, QLatin1Char(','), 4);
        if (pieces)
            options.margins = std::array<QString, 4>{pieces->at(0).trimmed(), pieces->at(1).trimmed(),
                                                     pieces->at(2).trimmed(), pieces->at(3).trimmed()};
        return pieces.has_value();
    });
    reader.ifSet("rotate-image", [&](const QString &value) {
        const std::optional<int> degrees = parseWholeNumber(value);
        if (degrees && ImageFileRules::isImageRotation(*degrees))
            options.imageRotation = degrees;
        return options.imageRotation.has_value();
    });
    reader.ifSet("zoom", [&](const QString &value) {
        options.zoom = wholeNumberIn(value, 0, kMaxZoom);
        return options.zoom.has_value();
    });
    reader.ifSet("fit", [&](const QString &value) {
        if (value == QLatin1String("fill"))
            options.fit = FitMode::FillSheets;
        else if (value == QLatin1String("whole"))
            options.fit = FitMode::WholePicture;
        return options.fit.has_value();
    });
    reader.ifSet("poster-width", [&](const QString &value) {
        options.posterWidth = value;
        return true;
    });
    reader.ifSet("poster-height", [&](const QString &value) {
        options.posterHeight = value;
        return true;
    });
    reader.ifSet("placement", [&](const QString &value) {
        const std::optional<QStringList> pieces = splitValue(value, QLatin1Char(','), 2);
        if (!pieces)
            return false;
        options.horizontalPlacement = wholeNumberIn(pieces->at(0), 0, kMaxPlacement);
        options.verticalPlacement = wholeNumberIn(pieces->at(1), 0, kMaxPlacement);
        return options.horizontalPlacement && options.verticalPlacement;
    });
    reader.ifSet("adjust-edges", [&](const QString &value) {
        options.adjustEdgesProfile = value;
        return true;
    });
    reader.ifSet("format", [&](const QString &value) {
        const QString format = value.toLower();
        if (format == QLatin1String("bmp"))
            options.format = ImageFileType::Bmp;
        else if (format == QLatin1String("tif"))
            options.format = ImageFileType::Tiff;
        else if (format == QLatin1String("jpg"))
            options.format = ImageFileType::Jpeg;
        else if (format == QLatin1String("pdf"))
            options.pdf = true;
        return options.format.has_value() || options.pdf;
    });
    reader.ifSet("glue-strip", [&](const QString &value) {
        options.glueStrip = parseDecimalText(value);
        return options.glueStrip && *options.glueStrip >= 0.0;
    });
    reader.ifSet("sheets", [&](const QString &value) {
        options.sheets = value;
        return true;
    });
    reader.ifSet("page", [&](const QString &value) {
        bool number = false;
        options.page = value.toInt(&number);
        return number && *options.page >= 1;
    });
    reader.ifSet("resolution", [&](const QString &value) {
        bool number = false;
        options.pageResolution = value.toInt(&number);
        return number && *options.pageResolution >= VectorPage::kMinResolution
            && *options.pageResolution <= VectorPage::kMaxResolution;
    });
    reader.ifSet("copies", [&](const QString &value) {
        bool number = false;
        options.copies = value.toInt(&number);
        return number && options.copies >= 1 && options.copies <= kMaxCopies;
    });
    reader.ifSet("out", [&](const QString &value) {
        options.outFolder = value;
        return !value.trimmed().isEmpty();
    });
    reader.ifSet("base", [&](const QString &value) {
        options.baseName = value;
        return true;
    });
}

// "--print=QUEUE" names the queue as "--print-queue QUEUE" does. "--print" alone takes no
// value: a queue name after it would be taken for a picture, or the picture for a queue.
QStringList withPrintQueueSpelledOut(const QStringList &arguments)
{
    QStringList spelled;
    for (const QString &argument : arguments) {
        if (argument.startsWith(QLatin1String("--print=")))
            spelled << QStringLiteral("--print") << QStringLiteral("--print-queue") << argument.mid(8);
        else
            spelled << argument;
    }
    return spelled;
}

} // namespace

CliParseResult parseCommandLine(const QStringList &arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(CliStrings::kDescription);
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.addPositionalArgument(CliStrings::kImageArgument, CliStrings::kImageHelp);
    OptionReader reader(parser);
    for (const OptionSpec &spec : kSpecs) {
        const QString name = QLatin1String(spec.name);
        parser.addOption(QCommandLineOption(name, spec.help, spec.valueName));
        reader.setError(name, spec.badValue);
    }

    CliParseResult result;
    result.helpText = parser.helpText();
    if (!parser.parse(withPrintQueueSpelledOut(arguments))) {
        result.usageError = parser.errorText();
        return result;
    }

    CliOptions &options = result.options;
    options.rotateTiles = parser.isSet("rotate-tiles");
    options.overwrite = parser.isSet("overwrite");
    options.noCutMarks = parser.isSet("no-cut-marks");
    options.noLabels = parser.isSet("no-labels");
    options.noAssemblyPage = parser.isSet("no-assembly-page");
    options.allowClipping = parser.isSet("allow-clipping");
    if (parser.isSet("print") || parser.isSet("print-queue")) {
        options.printQueue = parser.value("print-queue");
        options.pdf = true;
    }
    options.report = parser.isSet("report");
    options.json = parser.isSet("json");
    options.listPapers = parser.isSet("list-papers");
    options.listProfiles = parser.isSet("list-profiles");
    options.version = parser.isSet("version");
    options.help = parser.isSet("help");
    if (options.help || options.version)
        return result;

    readValues(reader, options);
    if (!reader.error().isEmpty()) {
        result.usageError = reader.error();
        return result;
    }

    const QStringList images = parser.positionalArguments();
    if (images.size() > 1)
        result.usageError = CliStrings::kTooManyImages;
    else if (images.size() == 1)
        options.imagePath = images.first();
    else if (!options.listPapers && !options.listProfiles)
        result.usageError = CliStrings::kNoImage;
    return result;
}
