#include "layout/ArrowPadWidget.h"

#include <QApplication>
#include <QEventLoop>
#include <QLabel>
#include <QMouseEvent>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

void sendMouse(QWidget &pad, QEvent::Type type, QPointF position)
{
    QMouseEvent event(type, position, pad.mapToGlobal(position), Qt::LeftButton,
                      type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&pad, &event);
}

QPointF at(const QWidget &pad, double fx, double fy)
{
    return QPointF(fx * pad.width(), fy * pad.height());
}

// Exactly one of the five stacked pictures is in view; this is its name.
QString shownName(const ArrowPadWidget &pad)
{
    QString shown;
    int count = 0;
    for (const QLabel *picture : pad.findChildren<QLabel *>()) {
        EXPECT_FALSE(picture->pixmap().isNull()) << picture->objectName().toStdString();
        if (!picture->isHidden()) {
            shown = picture->objectName();
            ++count;
        }
    }
    EXPECT_EQ(count, 1);
    EXPECT_EQ(pad.shownPicture()->objectName(), shown);
    return shown;
}

// A pad whose steps move a layout, as the main window's are, counting the steps asked for.
struct SteppingPad
{
    SteppingPad()
    {
        QObject::connect(&pad, &ArrowPadWidget::stepDue, [this] {
            ++due;
            pad.StepPlacement(state);
        });
    }
    ArrowPadWidget pad;
    LayoutState state;
    int due = 0;
};

} // namespace

TEST(ArrowPadWidget, PressedArrowIsShownWhileTheTimerRuns)
{
    ArrowPadWidget pad;
    EXPECT_EQ(pad.findChildren<QLabel *>().size(), 5);
    EXPECT_EQ(shownName(pad), QStringLiteral("imgArrow"));
    EXPECT_FALSE(pad.timer()->isActive());

    const struct
    {
        double fx, fy;
        const char *picture;
        ArrowDirection direction;
    } presses[] = {{0.5, 0.1, "imgArrow_Up", ArrowDirection::Up},
                   {0.9, 0.5, "imgArrow_right", ArrowDirection::Right},
                   {0.5, 0.9, "imgArrow_down", ArrowDirection::Down},
                   {0.1, 0.5, "imgArrow_left", ArrowDirection::Left}};
    for (const auto &press : presses) {
        sendMouse(pad, QEvent::MouseButtonPress, at(pad, press.fx, press.fy));
        EXPECT_EQ(pad.direction(), press.direction);
        EXPECT_EQ(shownName(pad), QLatin1String(press.picture));
        EXPECT_TRUE(pad.timer()->isActive());
        EXPECT_EQ(pad.timer()->interval(), 250);

        sendMouse(pad, QEvent::MouseButtonRelease, at(pad, press.fx, press.fy));
        EXPECT_EQ(pad.direction(), ArrowDirection::None);
        EXPECT_EQ(shownName(pad), QStringLiteral("imgArrow"));
        EXPECT_FALSE(pad.timer()->isActive());
    }
}

TEST(ArrowPadWidget, HeldArrowAsksForStepsAndEachStepMovesThePlacement)
{
    SteppingPad stepping;
    auto &[pad, state, due] = stepping;
    sendMouse(pad, QEvent::MouseButtonPress, at(pad, 0.9, 0.5));
    EXPECT_EQ(due, 0) << "the first step comes one interval after the press";

    QEventLoop loop;
    QTimer::singleShot(650, &loop, &QEventLoop::quit);
    loop.exec();
    sendMouse(pad, QEvent::MouseButtonRelease, at(pad, 0.9, 0.5));
    ASSERT_GE(due, 1);
    EXPECT_EQ(state.iHPlacement, due == 1 ? 101 : 103);
    EXPECT_EQ(pad.ticks(), due);
}

TEST(ArrowPadWidget, AShortClickMovesTheGridOneStep)
{
    SteppingPad stepping;
    auto &[pad, state, due] = stepping;
    sendMouse(pad, QEvent::MouseButtonPress, at(pad, 0.9, 0.5));
    sendMouse(pad, QEvent::MouseButtonRelease, at(pad, 0.9, 0.5));
    EXPECT_EQ(due, 1);
    EXPECT_EQ(state.iHPlacement, 101);
    // A release away from the arrows after nothing was held moves nothing.
    sendMouse(pad, QEvent::MouseButtonRelease, at(pad, 0.5, 0.5));
    EXPECT_EQ(due, 1);
}
