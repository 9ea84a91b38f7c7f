#include "calibration/CalibrationTexts.h"

#include "calibration/ProfileLine.h"
#include "common/NumberFormat.h"
#include "layout/TileSizeLimits.h"
#include "resources/CalibrationStrings.h"

using namespace CalibrationStrings;

namespace {

const QString kBlank = QStringLiteral(" ");
const QString kLineBreak = QStringLiteral("\n");
const QString kParagraphBreak = QStringLiteral("\n\n");

} // namespace

QStringList edgeListItems(const QLocale &locale)
{
    QStringList items{kSeeAllLines};
    for (int position = 1; position < kMaxTrimIndex; ++position) {
        const double visibleLines = 4.0 - position / 4.0;
        items << kSee + kBlank + formatMask(visibleLines, QStringLiteral("0.00"), locale) + kBlank + kLines;
    }
    items << kSeeNoLines;
    return items;
}

QString FormatClipAmount(int sixtyFourths, Units units, const QLocale &locale)
{
    if (units == Units::Millimetres) {
        const double millimetres = sixtyFourths * kMillimetresPerInch / kTrimStepsPerInch;
        return kBlank + formatMask(millimetres, QStringLiteral("##0.0"), locale).trimmed() + kBlank
            + kMillimetreWordSpaced;
    }
    int numerator = sixtyFourths;
    int denominator = static_cast<int>(kTrimStepsPerInch);
    while (numerator % 2 == 0 && denominator % 2 == 0) {
        numerator /= 2;
        denominator /= 2;
    }
    return kBlank + QString::number(numerator) + QStringLiteral("/") + QString::number(denominator) + kBlank
        + kInchesWord + kBlank;
}

QString describeEdge(int trimIndex, Units units, const QLocale &locale)
{
    if (trimIndex <= 0)
        return kNoneClipped;
    return kPrinterCutsOff + FormatClipAmount(trimIndex, units, locale) + kOfImage;
}

std::array<QString, 4> trimDescriptions(const std::array<int, 4> &trimIndexes, Units units, const QLocale &locale)
{
    std::array<QString, 4> descriptions;
    for (std::size_t edge = 0; edge < trimIndexes.size(); ++edge)
        descriptions[edge] = describeEdge(trimIndexes[edge], units, locale);
    return descriptions;
}

QString step1Description(const QString &caption, Units units)
{
    QString text = caption;
    if (units == Units::Millimetres)
        return text.replace(kStep1InchStripe, kStep1MillimetreStripe);
    return text.replace(kStep1MillimetreStripe, kStep1InchStripe);
}

QString testTargetAnnouncement(double heightInches, double widthInches, Units units, const QLocale &locale)
{
    const bool millimetres = units == Units::Millimetres;
    const double factor = millimetres ? kMillimetresPerInch : 1.0;
    const QString mask = millimetres ? QStringLiteral("##0.0") : QStringLiteral("##0.00");
    const QString &unitWord = millimetres ? kMillimetreWord : kInchWord;
    const QString &stripeWidth = millimetres ? kMillimetreStripeWidth : kInchStripeWidth;
    const QString height = formatMask(heightInches * factor, mask, locale).trimmed();
    const QString width = formatMask(widthInches * factor, mask, locale).trimmed();

    return kAnnounceStart + height + kBlank + unitWord + kBlank + kHigh + QStringLiteral(" x ") + width + kBlank
        + unitWord + kBlank + kWideImageCreated + QStringLiteral(".  ") + kStripesAroundEdges + kBlank
        + stripeWidth + kBlank + kWide + QStringLiteral(".") + kParagraphBreak + kPleaseDoFollowing
        + QStringLiteral(":") + kParagraphBreak + QStringLiteral("(1) ") + kSaveWhenPrompted + kParagraphBreak
        + QStringLiteral("(2) ") + kPrintOnPrinter + kParagraphBreak + QStringLiteral("(3) ") + kCountStripes
        + kParagraphBreak + kOkToContinue;
}

QString testTargetSavedMessage(const QString &path)
{
    return kSavedStart + kParagraphBreak + kNextYouNeedTo + QStringLiteral(":") + kParagraphBreak
        + QStringLiteral("(1) ") + kPrintThisImage + QStringLiteral(" (") + path + QStringLiteral(") ")
        + kSamePrinterSettings + kBlank + kWhenPrintingPoster + QStringLiteral(".") + kLineBreak + kLineBreak
        + QStringLiteral("(2) ") + kCountVisibleStripes + kLineBreak + kLineBreak + QStringLiteral("(3) ")
        + kSelectProfileToModify + kLineBreak + kLineBreak + QStringLiteral("(4) ") + kUseDropdowns;
}

QString invalidPrintSizeMessage(const QString &printInfoCaption, const QLocale &locale)
{
    const QString mask = QStringLiteral("##0.00");
    const QString quote = QStringLiteral("\"");
    return kInvalidSizeStart + kBlank + formatMask(kMinTileInches, mask, locale).trimmed() + kBlank + kAnd + kBlank
        + formatMask(kMaxTileInches, mask, locale).trimmed() + kBlank + kInvalidSizeInchesLong + kBlank + quote
        + printInfoCaption.trimmed() + quote + kBlank + kSectionOfMainDialog + QStringLiteral(".");
}

QString replaceFileQuestion(const QString &path)
{
    return kReplaceFileStart + QStringLiteral(" (") + path + QStringLiteral(") ") + kReplaceFileEnd;
}

QString deleteProfileQuestion(const QString &profileName)
{
    return kDeleteQuestion + QStringLiteral(" (") + profileName + QStringLiteral(")?");
}
