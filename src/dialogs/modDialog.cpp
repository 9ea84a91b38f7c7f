#include "dialogs/modDialog.h"

#include <QDir>

namespace {

constexpr int kJpegFilterIndex = 3;

} // namespace

QString ShowFileDialog(FileDialogRequest request)
{
    if (request.initialFolder.isEmpty())
        request.initialFolder = QDir::currentPath();
    return StripAtNull(messages().showFileDialog(request));
}

QString AddFilterItem(const QString &filter, const QString &description, const QString &pattern)
{
    const QChar nul(u'\0');
    return filter + description + nul + pattern + nul;
}

QString StripAtNull(const QString &text)
{
    const qsizetype end = text.indexOf(QChar(u'\0'));
    return end < 0 ? text : text.left(end);
}

QString SaveTestTargetDialog(const QString &suggestedName, const QString &initialFolder)
{
    QString filter = AddFilterItem(QString(), DialogStrings::kBitmapFilter, QStringLiteral("*.bmp"));
    filter = AddFilterItem(filter, DialogStrings::kTiffFilter, QStringLiteral("*.tif"));
    filter = AddFilterItem(filter, DialogStrings::kJpegFilter, QStringLiteral("*.jpg"));

    FileDialogRequest request;
    request.initialFolder = initialFolder.isEmpty() ? QDir::homePath() : initialFolder;
    request.filter = filter;
    request.filterIndex = kJpegFilterIndex;
    request.suggestedName = suggestedName;
    request.title = DialogStrings::kSaveTestTargetTitle;
    request.open = false;
    request.extensionOfSelectedFilter = true;
    return ShowFileDialog(request);
}
