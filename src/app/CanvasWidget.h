#pragma once

#include "layout/PlacementSteps.h"

#include <QImage>
#include <QWidget>

// The working canvas: shows one picture (the fitted image, its overlay copy or a notice)
// centred in the widget. Mouse positions are reported in the picture's own pixels, so
// the overlay and the drag of the tile grid can work in canvas pixels whatever the
// widget's size.
class CanvasWidget : public QWidget
{
    Q_OBJECT

public:
    explicit CanvasWidget(QWidget *parent = nullptr);

    void setPicture(const QImage &picture);
    void clearPicture();
    const QImage &picture() const { return m_picture; }

    // The room a fitted image may take, in pixels.
    QSize canvasSize() const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

Q_SIGNALS:
    void pressed(QPointF position, Qt::MouseButton button);
    void moved(QPointF position);
    void released(QPointF position, Qt::MouseButton button);
    void resized();
    // A cursor key pressed while the canvas has the focus.
    void arrowKeyPressed(ArrowDirection direction);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    QPoint pictureOrigin() const;
    QPointF toPicture(const QPointF &widgetPosition) const;

    QImage m_picture;
};
