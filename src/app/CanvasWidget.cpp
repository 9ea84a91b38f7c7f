#include "app/CanvasWidget.h"

#include <QMouseEvent>
#include <QKeyEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>

CanvasWidget::CanvasWidget(QWidget *parent)
    : QWidget(parent)
{
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    setFocusPolicy(Qt::StrongFocus);
}

void CanvasWidget::setPicture(const QImage &picture)
{
    m_picture = picture;
    update();
}

void CanvasWidget::clearPicture()
{
    m_picture = QImage();
    update();
}

QSize CanvasWidget::canvasSize() const
{
    return contentsRect().size().expandedTo(QSize(1, 1));
}

QSize CanvasWidget::sizeHint() const
{
    return {560, 420};
}

QSize CanvasWidget::minimumSizeHint() const
{
    return {240, 180};
}

QPoint CanvasWidget::pictureOrigin() const
{
    const QRect room = contentsRect();
    return {room.left() + (room.width() - m_picture.width()) / 2,
            room.top() + (room.height() - m_picture.height()) / 2};
}

QPointF CanvasWidget::toPicture(const QPointF &widgetPosition) const
{
    return widgetPosition - QPointF(pictureOrigin());
}

void CanvasWidget::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Base));
    if (!m_picture.isNull())
        painter.drawImage(pictureOrigin(), m_picture);
    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, this);
    }
}

void CanvasWidget::keyPressEvent(QKeyEvent *event)
{
    if (const std::optional<ArrowDirection> arrow = arrowForKey(event->key())) {
        Q_EMIT arrowKeyPressed(*arrow);
        event->accept();
        return;
    }
    QWidget::keyPressEvent(event);
}

void CanvasWidget::mousePressEvent(QMouseEvent *event)
{
    Q_EMIT pressed(toPicture(event->position()), event->button());
}

void CanvasWidget::mouseMoveEvent(QMouseEvent *event)
{
    Q_EMIT moved(toPicture(event->position()));
}

void CanvasWidget::mouseReleaseEvent(QMouseEvent *event)
{
    Q_EMIT released(toPicture(event->position()), event->button());
}

void CanvasWidget::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    Q_EMIT resized();
}
