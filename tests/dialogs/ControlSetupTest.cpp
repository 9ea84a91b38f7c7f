#include "dialogs/ControlSetup.h"

#include <QFont>
#include <QLabel>

#include <gtest/gtest.h>

TEST(ControlSetup, BoldFontKeepsOrEnlargesTheSize)
{
    QLabel plain;
    QFont pointFont = plain.font();
    pointFont.setPointSizeF(10);
    plain.setFont(pointFont);
    QLabel title;
    title.setFont(pointFont);

    setBoldFont(&plain);
    setBoldFont(&title, 1.5);
    EXPECT_TRUE(plain.font().bold());
    EXPECT_DOUBLE_EQ(plain.font().pointSizeF(), 10);
    EXPECT_TRUE(title.font().bold());
    EXPECT_DOUBLE_EQ(title.font().pointSizeF(), 15);

    // A font sized in pixels keeps its size rather than getting a negative point size.
    QLabel pixels;
    QFont pixelFont = pixels.font();
    pixelFont.setPixelSize(12);
    pixels.setFont(pixelFont);
    setBoldFont(&pixels, 1.25);
    EXPECT_TRUE(pixels.font().bold());
    EXPECT_EQ(pixels.font().pixelSize(), 12);

    QLabel tipped;
    EXPECT_EQ(named(&tipped, QStringLiteral("lblTip"), QStringLiteral("A tip")), &tipped);
    EXPECT_EQ(tipped.objectName(), "lblTip");
    EXPECT_EQ(tipped.toolTip(), "A tip");
}
