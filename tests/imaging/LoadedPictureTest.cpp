#include "imaging/ImageObjectFactory.h"
#include "imaging/LoadedPicture.h"
#include "support/PhotoFiles.h"
#include "support/TempDir.h"
#include "support/Watchdog.h"

#include <QCoreApplication>
#include <QSignalSpy>
#include <QTimer>

#include <algorithm>

#include <gtest/gtest.h>

namespace {

using State = LoadedPicture::State;

// Events are let through until the picture leaves `from`; what it became.
State stateAfterEvents(const LoadedPicture &picture, State from)
{
    const Watchdog watchdog(std::chrono::seconds(60), "a whole picture that never arrives");
    while (picture.state() == from)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    return picture.state();
}

} // namespace

// A big JPEG shows its reduced picture at once and says when its whole picture is in; any
// other picture is whole at once; one that cannot be used says why. Word of a decode that
// finishes after another file was opened changes nothing.
TEST(LoadedPicture, OpensEachKindOfPictureAndSaysWhenItsStateChanges)
{
    TempDir dir;
    const QString big = dir.write("big.jpg", photo_files::encoded(photo_files::detailedPicture(640, 480), "jpeg"));
    const QString small = dir.write("small.bmp", photo_files::encoded(photo_files::detailedPicture(64, 48), "bmp"));
    const QString tiny = dir.write("tiny.bmp", photo_files::encoded(photo_files::detailedPicture(4, 4), "bmp"));
    const QString broken = dir.write("broken.jpg", QByteArray("\xFF\xD8 not a picture", 17));
    const struct
    {
        QString path;
        bool opens;
        State first;
        State last;
        QSize size;
    } cases[] = {
        {big, true, State::Reduced, State::Whole, {640, 480}},
        {small, true, State::Whole, State::Whole, {64, 48}},
        {tiny, false, State::Failed, State::Failed, {}},
        {broken, false, State::Failed, State::Failed, {}},
    };
    for (const auto &[path, opens, first, last, size] : cases) {
        SCOPED_TRACE(path.toStdString());
        LoadedPicture picture(createImageObject());
        picture.setReducedFirstFromPixels(100'000);
        QSignalSpy changes(&picture, &LoadedPicture::stateChanged);
        EXPECT_EQ(picture.open(path, 0, QSize(320, 240)), opens);
        EXPECT_EQ(picture.state(), first);
        EXPECT_EQ(stateAfterEvents(picture, State::Reduced), last);
        EXPECT_EQ(changes.size(), first == last ? 1 : 2);
        EXPECT_EQ(picture.size(), size);
        EXPECT_EQ(picture.whole().Width(), last == State::Whole ? size.width() : 0);
        EXPECT_EQ(picture.failure().tooSmall, path == tiny);
    }

    LoadedPicture picture(createImageObject());
    picture.setReducedFirstFromPixels(100'000);
    ASSERT_TRUE(picture.open(big, 0, QSize(320, 240)));
    ASSERT_TRUE(picture.open(small, 0, QSize(320, 240)));
    QSignalSpy changes(&picture, &LoadedPicture::stateChanged);
    QCoreApplication::processEvents(QEventLoop::AllEvents, 200);
    EXPECT_TRUE(changes.isEmpty());
    EXPECT_EQ(picture.size(), QSize(64, 48));
}

// While a big JPEG's reduced picture is read, events go on being handled: an open among
// them gives the first load up, which then returns at once as stopped, changing nothing,
// and the picture is the one opened last.
TEST(LoadedPicture, AnOpenWhileABigPictureLoadsGivesItUp)
{
    TempDir dir;
    const QString big = dir.write("big.jpg", photo_files::encoded(photo_files::detailedPicture(3000, 2000), "jpeg"));
    const QString small = dir.write("small.bmp", photo_files::encoded(photo_files::detailedPicture(64, 48), "bmp"));
    LoadedPicture picture(createImageObject());
    picture.setReducedFirstFromPixels(1);
    bool secondOpened = false;
    QTimer::singleShot(0, &picture, [&] { secondOpened = picture.open(small, 0, QSize(400, 300)); });
    EXPECT_FALSE(picture.open(big, 0, QSize(400, 300)));
    EXPECT_TRUE(picture.failure().stopped);
    EXPECT_TRUE(secondOpened);
    EXPECT_EQ(picture.state(), State::Whole);
    EXPECT_EQ(picture.size(), QSize(64, 48));
}

// Every kind of picture, and a page, is read while the window goes on handling events.
TEST(LoadedPicture, TheWindowAnswersWhileAnyPictureIsRead)
{
    TempDir dir;
    const QByteArray drawing = R"(<svg xmlns="http://www.w3.org/2000/svg" width="300" height="200">)"
                               R"(<rect width="300" height="200" fill="teal"/></svg>)";
    const QString files[] = {dir.write("picture.png", photo_files::encoded(photo_files::detailedPicture(300, 200), "png")),
                             dir.write("drawing.svg", drawing)};
    for (const QString &file : files) {
        LoadedPicture picture(createImageObject());
        bool answered = false;
        QTimer::singleShot(0, &picture, [&answered] { answered = true; });
        EXPECT_TRUE(picture.open(file, 0, QSize(400, 300))) << file.toStdString();
        EXPECT_TRUE(answered) << file.toStdString();
    }
}

// While a big JPEG's reduced picture is read, the window hears how far, in steps that only
// grow, up to the whole picture.
TEST(LoadedPicture, ABigPicturesLoadSaysHowFarItIs)
{
    TempDir dir;
    const QString big = dir.write("big.jpg", photo_files::encoded(photo_files::detailedPicture(3000, 2000), "jpeg"));
    LoadedPicture picture(createImageObject());
    picture.setReducedFirstFromPixels(1);
    QList<int> heard;
    QObject::connect(&picture, &LoadedPicture::loadProgress, [&heard](int percent) { heard.append(percent); });
    ASSERT_TRUE(picture.open(big, 0, QSize(400, 300)));
    ASSERT_GT(heard.size(), 2);
    EXPECT_TRUE(std::is_sorted(heard.begin(), heard.end()) && heard.first() > 0);
    EXPECT_EQ(heard.last(), 100);
}
