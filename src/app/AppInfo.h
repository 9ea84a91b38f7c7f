#pragma once

#include <QString>

// The program's name, version and ownership texts, shared by the main window caption
// and the about box.

// Version text: major + "." + minor + revision, with nothing between minor and
// revision, so 1, 2, 0 gives "1.20".
QString versionText(int major, int minor, int revision);

// The version of this build, from the "major.minor.revision" number the build defines.
QString GetAppVersionString();

// The application title, followed by " v" and the version when asked for.
QString BuildAppCaption(bool withVersion = false);

QString GetCompanyName();
QString GetAppCopyrightString();
