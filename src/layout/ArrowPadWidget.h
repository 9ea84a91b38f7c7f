#pragma once

#include "layout/LayoutState.h"
#include "layout/PlacementSteps.h"

#include <QWidget>

#include <array>

class QLabel;
class QTimer;

// The four-way arrow pad of "Tile Placement". A press on an arrow holds it: the pad shows
// that arrow pressed and its timer tmrImg fires every 250 ms until the mouse is let go.
// On each tick the pad emits stepDue(); the main window answers with StepPlacement on its
// layout and redraws when the placement moved. A click let go before the first tick emits
// stepDue() once, so it moves the grid one step.
//
// Five pictures stand stacked at one place, the resting pad (imgArrow) and one per pressed
// arrow (imgArrow_Up, imgArrow_right, imgArrow_down, imgArrow_left); exactly one is shown.
class ArrowPadWidget : public QWidget
{
    Q_OBJECT

public:
    explicit ArrowPadWidget(QWidget *parent = nullptr);

    ArrowDirection direction() const { return m_repeat.direction(); }
    int ticks() const { return m_repeat.ticks(); }
    QTimer *timer() const { return tmrImg; }

    // Shows the picture of the direction and runs the timer while an arrow is held.
    void SetArrowDirection(ArrowDirection direction);

    // One step of the held arrow; true when the placement changed.
    bool StepPlacement(LayoutState &state) { return m_repeat.StepPlacement(state); }

    // The picture in view; the others are hidden.
    const QLabel *shownPicture() const;

    QSize sizeHint() const override;

Q_SIGNALS:
    void stepDue();
    // A cursor key pressed while the pad has the focus.
    void arrowKeyPressed(ArrowDirection direction);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    void showFocusFrame(bool shown);

    ArrowRepeat m_repeat;
    QTimer *tmrImg = nullptr;
    // Indexed by ArrowDirection: resting pad, then up, right, down, left pressed.
    std::array<QLabel *, 5> m_pictures{};
};
