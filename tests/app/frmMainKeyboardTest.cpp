#include "support/frmMainFixture.h"

#include "common/AccessKeys.h"
#include "resources/AppStrings.h"

#include <QAbstractButton>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QSet>
#include <QTest>

namespace {

// Every caption has a key, and no two share one.
void expectOwnKeys(const QStringList &captions, const char *where)
{
    QSet<QChar> keys;
    for (const QString &caption : captions) {
        const QChar key = accessKeyOf(caption);
        EXPECT_FALSE(key.isNull()) << where << ": " << caption.toStdString();
        EXPECT_FALSE(keys.contains(key)) << where << ": " << caption.toStdString();
        keys.insert(key);
    }
}

} // namespace

TEST_F(frmMainTest, MenusAndButtonsHaveTheirOwnAccessKeysAndReadAsBefore)
{
    frmMain &window = start();
    QStringList windowCaptions;
    QStringList menuTitles;
    for (QAction *title : window.menuBar()->actions()) {
        menuTitles << withoutAccessKey(title->text());
        windowCaptions << title->text();
        QStringList items;
        for (QAction *item : title->menu()->actions()) {
            if (!item->isSeparator())
                items << item->text();
        }
        expectOwnKeys(items, qPrintable(menuTitles.last()));
    }
    for (QAbstractButton *button : window.findChildren<QAbstractButton *>()) {
        if (!button->text().isEmpty())
            windowCaptions << button->text();
    }
    expectOwnKeys(windowCaptions, "main window");
    EXPECT_EQ(menuTitles, (QStringList{AppStrings::kMenuFile, AppStrings::kMenuTools, AppStrings::kMenuHelp}));
    EXPECT_EQ(withoutAccessKey(control<QPushButton>("cmdSaveNow")->text()), AppStrings::kSaveNowCaption);
    EXPECT_EQ(withoutAccessKey(control<QAbstractButton>("chkPreviewTiles")->text()),
              QLatin1Char(' ') + AppStrings::kShowTilesCaption);
}

TEST_F(frmMainTest, TabFollowsTheStepsAndCursorKeysMoveTheGrid)
{
    writeImage("poster.bmp", 800, 200); // the grid fills the height and can move sideways
    frmMain &window = start();
    openImagesFolder();
    pick("poster.bmp");
    ASSERT_TRUE(window.bImgSelected());

    const QStringList steps{"cmdDesktop", "cmdMyDoc",  "Drive1",    "Dir1",         "cmbFileType",
                            "lstFiles",   "cmdEditPaperSize", "chkPrinterClips", "cmdConfig", "cmbTilesWide",
                            "cmbTilesHigh", "chkLockWh", "chkRotateTiles", "cmbPosterSide", "txtPosterLength",
                            "cmdSizeToWall", "imgArrowPad", "cmbFit", "scrZoom",
                            "picCur",     "chkPreviewTiles", "cmbRotate", "cmdLargePreview", "cmdSaveNow",
                            "cmdQuit"};
    QStringList visited;
    QWidget *at = control<QWidget>("cmdDesktop");
    do {
        if (steps.contains(at->objectName()) && (at->focusPolicy() & Qt::TabFocus) && at->isEnabled())
            visited << at->objectName();
        at = at->nextInFocusChain();
    } while (at->objectName() != "cmdDesktop");
    EXPECT_EQ(visited, steps) << "the profile list is left out: it is disabled while edges are not adjusted";

    const auto readout = [this] { return control<QLabel>("lblLrValue")->text(); };
    QTest::keyClick(control<QWidget>("picCur"), Qt::Key_Right);
    EXPECT_EQ(readout(), "(" + AppStrings::kRight + " 1%)");
    QTest::keyClick(control<QWidget>("imgArrowPad"), Qt::Key_Left);
    QTest::keyClick(control<QWidget>("imgArrowPad"), Qt::Key_Left);
    EXPECT_EQ(readout(), "(" + AppStrings::kLeft + " 1%)");
}
