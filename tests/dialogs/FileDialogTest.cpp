#include "dialogs/FileChooser.h"
#include "support/ModalDriver.h"
#include "dialogs/modDialog.h"
#include "support/TempDir.h"

#include <QDir>
#include <QFileDialog>
#include <QKeyEvent>
#include <QLineEdit>

#include <gtest/gtest.h>

namespace {

const QChar kNul(u'\0');

QString typedName(QFileDialog *dialog)
{
    return control<QLineEdit>(dialog, QStringLiteral("fileNameEdit"))->text();
}

// Types a name into the chooser's name field and presses Enter there.
void typeAndAccept(QFileDialog *dialog, const QString &name)
{
    auto *nameField = control<QLineEdit>(dialog, QStringLiteral("fileNameEdit"));
    nameField->setText(name);
    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QApplication::sendEvent(nameField, &enter);
}

} // namespace

TEST(FileChooserFilterText, AddFilterItemAppendsNulTerminatedPairs)
{
    QString filter = AddFilterItem(QString(), QStringLiteral("Bitmap (*.bmp)"), QStringLiteral("*.bmp"));
    filter = AddFilterItem(filter, QStringLiteral("All files"));
    EXPECT_EQ(filter, QStringLiteral("Bitmap (*.bmp)") + kNul + "*.bmp" + kNul + "All files" + kNul
                          + "*.*" + kNul);
}

TEST(FileChooserFilterText, StripAtNullCutsAtTheFirstNul)
{
    EXPECT_EQ(StripAtNull(QStringLiteral("/tmp/a.jpg") + kNul + "junk" + kNul), QStringLiteral("/tmp/a.jpg"));
    EXPECT_EQ(StripAtNull(QStringLiteral("no nul")), QStringLiteral("no nul"));
    EXPECT_EQ(StripAtNull(QString(kNul) + "rest"), QString());
    EXPECT_EQ(StripAtNull(QString()), QString());
}

TEST(FileChooserFilterText, BecomesTheChoosersNameFilters)
{
    QString filter = AddFilterItem(QString(), QStringLiteral("Jpeg (*.jpg)"), QStringLiteral("*.jpg"));
    filter = AddFilterItem(filter, QStringLiteral("Images"), QStringLiteral("*.bmp;*.tif"));
    filter = AddFilterItem(filter, QStringLiteral("All files (*.*)"));
    EXPECT_EQ(fileDialogNameFilters(filter),
              (QStringList{"Jpeg (*.jpg)", "Images (*.bmp *.tif)", "All files (*)"}));
}

TEST(FileChooserFilterText, MalformedTextEndsTheList)
{
    EXPECT_TRUE(fileDialogNameFilters(QString()).isEmpty());
    const QString pairThenDangling =
        QStringLiteral("Bitmap") + kNul + "*.bmp" + kNul + "Tiff without pattern";
    EXPECT_EQ(fileDialogNameFilters(pairThenDangling), (QStringList{"Bitmap (*.bmp)"}));
    const QString emptyDescription = QString(kNul) + "*.bmp" + kNul;
    EXPECT_TRUE(fileDialogNameFilters(emptyDescription).isEmpty());
    const QString emptyPattern = QStringLiteral("Bitmap") + kNul + kNul + "Tiff" + kNul + "*.tif" + kNul;
    EXPECT_TRUE(fileDialogNameFilters(emptyPattern).isEmpty());
}

TEST(FileChooserTestTarget, OpensWithTitleFolderNameAndJpegPreselected)
{
    TempDir folder;
    QString title, directory, name, selectedFilter;
    QStringList filters;
    QFileDialog::AcceptMode mode = QFileDialog::AcceptOpen;
    bool confirmsOverwrite = true;
    QString suffix = QStringLiteral("unset");
    whenModalShown<QFileDialog>([&](QFileDialog *dialog) {
        title = dialog->windowTitle();
        directory = dialog->directory().absolutePath();
        name = typedName(dialog);
        filters = dialog->nameFilters();
        selectedFilter = dialog->selectedNameFilter();
        mode = dialog->acceptMode();
        confirmsOverwrite = !dialog->testOption(QFileDialog::DontConfirmOverwrite);
        suffix = dialog->defaultSuffix();
        dialog->reject();
    });
    EXPECT_EQ(SaveTestTargetDialog(QStringLiteral("Edge_Test_Image"), folder.path()), QString());
    EXPECT_EQ(title, QStringLiteral("Save Test Target"));
    EXPECT_EQ(directory, QDir(folder.path()).absolutePath());
    EXPECT_EQ(name, QStringLiteral("Edge_Test_Image"));
    EXPECT_EQ(filters, (QStringList{"Bitmap (*.bmp)", "Tiff (*.tif)", "Jpeg (*.jpg)"}));
    EXPECT_EQ(selectedFilter, QStringLiteral("Jpeg (*.jpg)"));
    EXPECT_EQ(mode, QFileDialog::AcceptSave);
    EXPECT_FALSE(confirmsOverwrite);
    EXPECT_EQ(suffix, QStringLiteral("jpg"));
}

TEST(FileChooserTestTarget, DefaultsToTheHomeFolderAndItsOwnName)
{
    ASSERT_TRUE(QDir().mkpath(QDir::homePath()));
    QString directory, name;
    whenModalShown<QFileDialog>([&](QFileDialog *dialog) {
        directory = dialog->directory().absolutePath();
        name = typedName(dialog);
        dialog->reject();
    });
    SaveTestTargetDialog();
    EXPECT_EQ(directory, QDir::home().absolutePath());
    EXPECT_EQ(name, QStringLiteral("edge_clipping_test"));
}

TEST(FileChooserTestTarget, ANameWithoutExtensionGetsTheSelectedFiltersOne)
{
    struct Case
    {
        int filter; // 0 keeps the preselected Jpeg filter
        QString typed;
        QString returned;
    };
    const Case cases[] = {
        {0, "Edge_Test_Image", "Edge_Test_Image.jpg"},
        {1, "poster", "poster.bmp"},
        {2, "poster", "poster.tif"},
        {0, "poster.tif", "poster.tif"},
        {1, "poster.png", "poster.png"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.typed.toStdString());
        TempDir folder;
        whenModalShown<QFileDialog>([&c](QFileDialog *dialog) {
            if (c.filter > 0) {
                const QString filter = dialog->nameFilters().at(c.filter - 1);
                dialog->selectNameFilter(filter);
                Q_EMIT dialog->filterSelected(filter);
            }
            typeAndAccept(dialog, c.typed);
        });
        EXPECT_EQ(SaveTestTargetDialog(QStringLiteral("Edge_Test_Image"), folder.path()),
                  QDir(folder.path()).absoluteFilePath(c.returned));
    }
}

TEST(FileChooserTestTarget, TakesAnExistingFileWithoutAsking)
{
    TempDir folder;
    const QString existing = folder.write(QStringLiteral("target.jpg"), "old");
    whenModalShown<QFileDialog>([](QFileDialog *dialog) { typeAndAccept(dialog, QStringLiteral("target.jpg")); });
    EXPECT_EQ(SaveTestTargetDialog(QStringLiteral("x"), folder.path()), QFileInfo(existing).absoluteFilePath());
}

TEST(FileChooserTestTarget, ReturnsPathsLongerThan255Characters)
{
    TempDir folder;
    const QString longFolder = folder.path() + "/" + QString(100, u'a') + "/" + QString(100, u'b');
    ASSERT_TRUE(QDir().mkpath(longFolder));
    whenModalShown<QFileDialog>([](QFileDialog *dialog) {
        typeAndAccept(dialog, QString(100, u'c') + QStringLiteral(".jpg"));
    });
    const QString chosen = SaveTestTargetDialog(QStringLiteral("x"), longFolder);
    EXPECT_GT(chosen.size(), 255);
    EXPECT_EQ(chosen, QDir(longFolder).absoluteFilePath(QString(100, u'c') + QStringLiteral(".jpg")));
}

TEST(FileChooser, OpenFormDefaultsToTheCurrentFolderAndTheFirstFilter)
{
    TempDir folder;
    const QString previous = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(folder.path()));
    QString directory, selectedFilter;
    QFileDialog::AcceptMode mode = QFileDialog::AcceptSave;
    whenModalShown<QFileDialog>([&](QFileDialog *dialog) {
        directory = dialog->directory().absolutePath();
        selectedFilter = dialog->selectedNameFilter();
        mode = dialog->acceptMode();
        dialog->reject();
    });
    FileDialogRequest request;
    request.filter = AddFilterItem(AddFilterItem(QString(), QStringLiteral("Bitmap"), QStringLiteral("*.bmp")),
                                   QStringLiteral("Tiff"), QStringLiteral("*.tif"));
    request.filterIndex = 7;
    EXPECT_EQ(ShowFileDialog(request), QString());
    QDir::setCurrent(previous);
    EXPECT_EQ(directory, QDir(folder.path()).absolutePath());
    EXPECT_EQ(selectedFilter, QStringLiteral("Bitmap (*.bmp)"));
    EXPECT_EQ(mode, QFileDialog::AcceptOpen);
}

TEST(FileChooser, DefaultExtensionIsAddedOnlyWhenAsked)
{
    TempDir folder;
    FileDialogRequest request;
    request.open = false;
    request.initialFolder = folder.path();
    request.defaultExtension = QStringLiteral("tif");
    whenModalShown<QFileDialog>([](QFileDialog *dialog) { typeAndAccept(dialog, QStringLiteral("poster")); });
    EXPECT_EQ(ShowFileDialog(request), QDir(folder.path()).absoluteFilePath(QStringLiteral("poster.tif")));
}
