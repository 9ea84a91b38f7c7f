#include "common/NumberFormat.h"

#include <QRegularExpression>

#include <cmath>

QString formatMask(double value, const QString &mask, const QLocale &locale)
{
    const qsizetype point = mask.indexOf(QLatin1Char('.'));
    const QString integerMask = point < 0 ? mask : mask.left(point);
    const int decimals = point < 0 ? 0 : int(mask.size() - point - 1);
    const int forcedIntegerDigits = int(integerMask.count(QLatin1Char('0')));

    // Fixed notation in the C locale gives a plain "123.45" to take apart.
    QString digits = QString::number(std::fabs(value), 'f', decimals);
    const bool negative = value < 0 && digits.contains(QRegularExpression(QStringLiteral("[1-9]")));
    QString integerPart = decimals > 0 ? digits.section(QLatin1Char('.'), 0, 0) : digits;
    const QString fraction = decimals > 0 ? digits.section(QLatin1Char('.'), 1, 1) : QString();

    integerPart.remove(QRegularExpression(QStringLiteral("^0+")));
    while (integerPart.size() < forcedIntegerDigits)
        integerPart.prepend(QLatin1Char('0'));

    QString text = integerPart;
    if (decimals > 0)
        text += locale.decimalPoint() + fraction;
    if (negative)
        text.prepend(QLatin1Char('-'));
    return text;
}

QString basicNumberText(double value)
{
    if (value == 0)
        return QStringLiteral("0");
    QString text = QString::number(value, 'g', 15);
    const qsizetype exponentAt = text.indexOf(QLatin1Char('e'));
    QString exponent;
    if (exponentAt >= 0) {
        // BASIC writes exponents as "E-05" / "E+20".
        exponent = text.mid(exponentAt).toUpper();
        text = text.left(exponentAt);
    }
    if (text.startsWith(QLatin1String("0.")))
        text.remove(0, 1);
    else if (text.startsWith(QLatin1String("-0.")))
        text.remove(1, 1);
    return text + exponent;
}

std::optional<double> parseDecimalText(const QString &text)
{
    bool ok = false;
    const double value = QLocale::c().toDouble(text.trimmed(), &ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    return value;
}

std::optional<int> parseWholeNumber(const QString &text)
{
    bool ok = false;
    const int value = text.trimmed().toInt(&ok);
    if (!ok)
        return std::nullopt;
    return value;
}
