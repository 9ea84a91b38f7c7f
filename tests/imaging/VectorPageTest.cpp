#include "imaging/VectorPage.h"
#include "resources/ImagingStrings.h"
#include "support/ImageDifference.h"
#include "support/PageFiles.h"
#include "support/TempDir.h"

#include <podofo/podofo.h>

#include <gtest/gtest.h>

namespace {

// The PDF at from locked with a password, as PoDoFo writes it, at to.
bool lockWithPassword(const QString &from, const QString &to)
{
    try {
        PoDoFo::PdfMemDocument document;
        document.Load(from.toLocal8Bit().constData());
        document.SetEncrypted("secret", "owner", PoDoFo::PdfEncrypt::ePdfPermissions_Print,
                              PoDoFo::PdfEncrypt::ePdfEncryptAlgorithm_AESV3, PoDoFo::PdfEncrypt::ePdfKeyLength_256);
        document.Write(to.toLocal8Bit().constData());
        return true;
    } catch (const PoDoFo::PdfError &error) {
        ADD_FAILURE() << PoDoFo::PdfError::ErrorMessage(error.GetError());
        return false;
    }
}

// Where the red corner mark lies on a drawn page: 0 top-left, 1 top-right, 2 bottom-right,
// 3 bottom-left; -1 when no corner is red. Looked for off the diagonals the line draws.
int markedCorner(const QImage &page)
{
    const int left = page.width() / 10;
    const int right = page.width() - 1 - left;
    const int top = page.height() / 50;
    const int bottom = page.height() - 1 - top;
    const QPoint corners[] = {{left, top}, {right, top}, {right, bottom}, {left, bottom}};
    for (int corner = 0; corner < 4; ++corner)
        if (test_pages::isMarkRed(page.pixel(corners[corner])))
            return corner;
    return -1;
}

} // namespace

TEST(VectorPage, WhatIsNoUsablePageIsRefusedWithTheReason)
{
    TempDir dir;
    ASSERT_TRUE(test_pages::writePdf(dir.filePath("two.pdf"), QSizeF(300, 200), 2));
    ASSERT_TRUE(lockWithPassword(dir.filePath("two.pdf"), dir.filePath("locked.pdf")));
    dir.write("empty.pdf", "");
    dir.write("text.pdf", "these are words, not a PDF");
    dir.write("huge.pdf", test_pages::handWrittenPdf("/MediaBox [0 0 99999999 99999999]"));
    dir.write("nothing.svg", "<svg xmlns=\"http://www.w3.org/2000/svg\"/>");
    dir.write("broken.svg", "<svg width=\"10\"");
    const struct
    {
        const char *name;
        int page;
        QString reason;
    } cases[] = {
        {"missing.pdf", 1, ImagingStrings::kFileNotFound},    {"empty.pdf", 1, ImagingStrings::kFileEmpty},
        {"text.pdf", 1, ImagingStrings::kPdfUnreadable},      {"huge.pdf", 1, ImagingStrings::kPdfUnreadable},
        {"locked.pdf", 1, ImagingStrings::kPdfLocked},        {"two.pdf", 3, ImagingStrings::noSuchPageText(3, 2)},
        {"two.pdf", 0, ImagingStrings::noSuchPageText(0, 2)}, {"nothing.svg", 1, ImagingStrings::kSvgUnreadable},
        {"broken.svg", 1, ImagingStrings::kSvgUnreadable},
    };
    for (const auto &c : cases) {
        const VectorPage::Opened opened = VectorPage::open(dir.filePath(c.name), c.page);
        EXPECT_EQ(opened.page, nullptr) << c.name;
        EXPECT_EQ(opened.errorText, c.reason) << c.name;
    }
}

TEST(VectorPage, APageHasItsOwnSizeAndEveryPageOfTheFileCanBeChosen)
{
    TempDir dir;
    ASSERT_TRUE(test_pages::writePdf(dir.filePath("two.pdf"), QSizeF(300, 200), 2));
    ASSERT_TRUE(test_pages::writeFile(dir.filePath("drawing.SVG"), test_pages::svg(400, 300)));
    const VectorPage::Opened second = VectorPage::open(dir.filePath("two.pdf"), 2);
    ASSERT_NE(second.page, nullptr) << second.errorText.toStdString();
    EXPECT_EQ(second.page->pageCount(), 2);
    EXPECT_EQ(second.page->pageNumber(), 2);
    EXPECT_EQ(second.page->sizePoints(), QSizeF(300, 200));
    // CSS pixels are 96 to the inch.
    const VectorPage::Opened drawing = VectorPage::open(dir.filePath("drawing.SVG"), 1);
    ASSERT_NE(drawing.page, nullptr) << drawing.errorText.toStdString();
    EXPECT_EQ(drawing.page->pageCount(), 1);
    EXPECT_EQ(drawing.page->sizePoints(), QSizeF(300, 225));
    EXPECT_EQ(pagePictureSize(QSizeF(300, 225), 90, 144), QSize(450, 600));
}

// Any part of a page, at any turn, is the same pixels as that part of the page drawn whole:
// tiles drawn one by one join without a seam.
TEST(VectorPage, APartDrawnAloneIsThatPartOfTheWholePageTurnedAsAsked)
{
    TempDir dir;
    ASSERT_TRUE(test_pages::writePdf(dir.filePath("page.pdf"), QSizeF(300, 200)));
    ASSERT_TRUE(test_pages::writeFile(dir.filePath("drawing.svg"), test_pages::svg(400, 300)));
    for (const char *name : {"page.pdf", "drawing.svg"}) {
        const VectorPage::Opened opened = VectorPage::open(dir.filePath(name), 1);
        ASSERT_NE(opened.page, nullptr) << name;
        for (const int turn : {0, 90, 180, 270}) {
            const QSize picture = pagePictureSize(opened.page->sizePoints(), turn, 100);
            const QImage whole = opened.page->draw(picture, turn, QRect(QPoint(), picture));
            ASSERT_EQ(whole.size(), picture) << name << turn;
            EXPECT_EQ(markedCorner(whole), turn / 90) << name << turn;
            const QRect part(37, 21, 120, 90);
            const QImage alone = opened.page->draw(picture, turn, part);
            ASSERT_EQ(alone.size(), part.size()) << name << turn;
            EXPECT_LE(image_difference::largestChannel(alone, whole.copy(part)), 2) << name << turn;
            EXPECT_TRUE(opened.page->draw(picture, turn, part.translated(picture.width(), 0)).isNull()) << name << turn;
        }
    }
}

// The page's own space reaches the picture as a viewer shows it: the crop box's top-left
// corner lands on the corner the page's /Rotate and the person's turn take it to.
TEST(VectorPage, PageSpaceMapsOntoThePictureThroughBothTurns)
{
    const QRectF crop(10, 20, 300, 200);
    const QPointF topLeft(10, 220);
    const QPointF bottomRight(310, 20);
    const struct
    {
        int pageRotation;
        int turn;
        QSize picture;
        QPointF topLeftLands;
        QPointF bottomRightLands;
    } cases[] = {
        {0, 0, {600, 400}, {0, 0}, {600, 400}},   {0, 90, {400, 600}, {400, 0}, {0, 600}},
        {90, 0, {400, 600}, {400, 0}, {0, 600}},  {90, 90, {600, 400}, {600, 400}, {0, 0}},
        {0, 270, {400, 600}, {0, 600}, {400, 0}}, {180, 180, {600, 400}, {0, 0}, {600, 400}},
    };
    for (const auto &c : cases) {
        const QTransform map = pageSpaceToPicture(crop, c.pageRotation, c.turn, c.picture);
        EXPECT_EQ(map.map(topLeft), c.topLeftLands) << c.pageRotation << " " << c.turn;
        EXPECT_EQ(map.map(bottomRight), c.bottomRightLands) << c.pageRotation << " " << c.turn;
    }
}
