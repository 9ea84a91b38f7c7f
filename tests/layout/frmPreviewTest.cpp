#include "support/LayoutTestStates.h"
#include "common/AccessKeys.h"
#include "support/TestImages.h"
#include "layout/frmPreview.h"
#include "resources/CanvasStrings.h"
#include "support/ScriptedMessages.h"

#include <QApplication>
#include <QLabel>
#include <QPointer>
#include <QPushButton>

#include <gtest/gtest.h>


using namespace test_images;

namespace {

void runDeferredDeletes()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

class frmPreviewTest : public ::testing::Test
{
protected:
    ScriptedMessages shown;
    QWidget owner;
    LayoutState state = withImage(posterOf(3, 2, 8, 10), 3000, 2000);
    std::unique_ptr<ImageObject> img = plainImage(3000, 2000);
};

} // namespace

TEST_F(frmPreviewTest, OpensWithThePosterShapedPictureAboveTheCloseButton)
{
    QPointer<frmPreview> preview = frmPreview::open(&owner, state, *img);
    ASSERT_TRUE(preview);
    EXPECT_TRUE(shown.shown().isEmpty());
    EXPECT_EQ(preview->windowTitle(), CanvasStrings::kPreviewCaption);

    const auto *picture = preview->findChild<QLabel *>(QStringLiteral("picPreview"));
    const auto *close = preview->findChild<QPushButton *>(QStringLiteral("cmdClose"));
    ASSERT_TRUE(picture && close);
    EXPECT_EQ(withoutAccessKey(close->text()), CanvasStrings::kCloseCaption);

    // The box has the poster's shape (24 x 20 inches) and the picture was built at its size.
    EXPECT_NEAR(double(picture->width()) / picture->height(), 1.2, 0.01);
    EXPECT_EQ(preview->picture().size(), picture->size());
    EXPECT_GT(close->y(), picture->geometry().bottom());
    EXPECT_NEAR(close->geometry().center().x(), preview->width() / 2.0, 2);

    QPushButton *button = preview->findChild<QPushButton *>(QStringLiteral("cmdClose"));
    button->click();
    runDeferredDeletes();
    EXPECT_TRUE(preview.isNull());
}

TEST_F(frmPreviewTest, RefusesWithoutAnImageOrAValidTileSize)
{
    state.bImgSelected = false;
    EXPECT_EQ(frmPreview::open(&owner, state, *img), nullptr);
    EXPECT_EQ(shown.last().text, CanvasStrings::kNoImageSelectedText);
    EXPECT_EQ(shown.last().title, CanvasStrings::kNoImageSelectedTitle);
    EXPECT_EQ(shown.last().icon, MessageIcon::Critical);

    state.bImgSelected = true;
    state.dTileWidth = 51;
    EXPECT_EQ(frmPreview::open(&owner, state, *img), nullptr);
    EXPECT_EQ(shown.last().text, CanvasStrings::kInvalidPrintSizeText);
    EXPECT_EQ(shown.last().title, CanvasStrings::kInvalidPrintSizeTitle);
    runDeferredDeletes();
    EXPECT_TRUE(owner.findChildren<frmPreview *>().isEmpty()) << "the refused window is gone";
}
