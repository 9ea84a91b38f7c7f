#include "app/AppInfo.h"

#include "resources/AppStrings.h"

#include <QStringList>

QString versionText(int major, int minor, int revision)
{
    return QString::number(major) + QLatin1Char('.') + QString::number(minor) + QString::number(revision);
}

QString GetAppVersionString()
{
    // Missing parts of a shortened version number count as 0.
    const QStringList parts = QStringLiteral(QUILTERA_VERSION).split(QLatin1Char('.'));
    auto part = [&parts](int i) { return i < parts.size() ? parts.at(i).toInt() : 0; };
    return versionText(part(0), part(1), part(2));
}

QString BuildAppCaption(bool withVersion)
{
    QString caption = AppStrings::kAppTitle;
    if (withVersion)
        caption += AppStrings::kVersionCaptionPrefix + GetAppVersionString();
    return caption;
}

QString GetCompanyName()
{
    return AppStrings::kCompanyName;
}

QString GetAppCopyrightString()
{
    return AppStrings::kCopyrightPrefix + GetCompanyName() + AppStrings::kAllRightsReserved;
}
