#include "dialogs/FileChooser.h"

#include <QApplication>
#include <QFileDialog>

namespace {

QString chooserPatterns(const QString &pattern)
{
    QStringList patterns;
    for (const QString &part : pattern.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        const QString trimmed = part.trimmed();
        if (trimmed.isEmpty())
            continue;
        // "*.*" traditionally means every file, also those without an extension.
        patterns << (trimmed == QLatin1String("*.*") ? QStringLiteral("*") : trimmed);
    }
    return patterns.join(QLatin1Char(' '));
}

// The chooser reads the patterns from the parentheses at the end of a name filter, so
// a description that already names its pattern there keeps its text and gets the
// chooser's form of the pattern; any other description gets the patterns appended.
QString nameFilter(const QString &description, const QString &pattern)
{
    const QString trailer = QLatin1Char('(') + pattern + QLatin1Char(')');
    const QString stem = description.endsWith(trailer)
                             ? description.left(description.size() - trailer.size()).trimmed()
                             : description;
    return stem + QStringLiteral(" (") + chooserPatterns(pattern) + QLatin1Char(')');
}

// The extension of a chooser name filter's first pattern: "Jpeg (*.jpg)" gives "jpg";
// empty for a pattern like "*" that names none.
QString extensionOfNameFilter(const QString &filter)
{
    const qsizetype open = filter.lastIndexOf(QLatin1Char('('));
    const QString patterns = filter.mid(open + 1).chopped(filter.endsWith(QLatin1Char(')')) ? 1 : 0);
    const QString first = patterns.split(QLatin1Char(' '), Qt::SkipEmptyParts).value(0);
    const QString extension = first.startsWith(QLatin1String("*.")) ? first.mid(2) : QString();
    if (extension.contains(QLatin1Char('*')) || extension.contains(QLatin1Char('?')))
        return QString();
    return extension;
}

} // namespace

QStringList fileDialogNameFilters(const QString &filterText)
{
    const QStringList parts = filterText.split(QChar(u'\0'));
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        const QString &description = parts.at(i);
        const QString &pattern = parts.at(i + 1);
        if (description.isEmpty() || chooserPatterns(pattern).isEmpty())
            break;
        filters << nameFilter(description, pattern);
    }
    return filters;
}

QString runFileChooser(const FileDialogRequest &request)
{
    // No owner means the active window.
    QFileDialog dialog(request.owner ? request.owner : QApplication::activeWindow());
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    if (!request.title.isEmpty())
        dialog.setWindowTitle(request.title);

    if (request.open) {
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        dialog.setFileMode(request.flags & kFileDialogFileMustExist ? QFileDialog::ExistingFile
                                                                    : QFileDialog::AnyFile);
    } else {
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
        dialog.setOption(QFileDialog::DontConfirmOverwrite,
                         !(request.flags & kFileDialogOverwritePrompt));
    }

    const QStringList filters = fileDialogNameFilters(request.filter);
    if (!filters.isEmpty()) {
        dialog.setNameFilters(filters);
        const bool indexInRange = request.filterIndex >= 1 && request.filterIndex <= filters.size();
        dialog.selectNameFilter(filters.at(indexInRange ? request.filterIndex - 1 : 0));
    }
    dialog.setDefaultSuffix(request.defaultExtension);
    if (request.extensionOfSelectedFilter) {
        dialog.setDefaultSuffix(extensionOfNameFilter(dialog.selectedNameFilter()));
        QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog,
                         [&dialog](const QString &filter) { dialog.setDefaultSuffix(extensionOfNameFilter(filter)); });
    }
    if (!request.initialFolder.isEmpty())
        dialog.setDirectory(request.initialFolder);
    if (!request.suggestedName.isEmpty())
        dialog.selectFile(request.suggestedName);

    if (dialog.exec() != QDialog::Accepted)
        return QString();
    return dialog.selectedFiles().value(0);
}
