#include "layout/ArrowPadWidget.h"

#include "resources/AppStrings.h"

#include <QLabel>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPixmap>
#include <QTimer>

// Resources of a static library are registered by hand, outside any namespace.
static void initCanvasResources()
{
    Q_INIT_RESOURCE(canvas);
}

namespace {

struct PadPicture
{
    const char *objectName;
    const char *resource;
};

// In ArrowDirection order.
constexpr std::array<PadPicture, 5> kPadPictures{{
    {"imgArrow", ":/canvas/images/arrowpad-rest.png"},
    {"imgArrow_Up", ":/canvas/images/arrowpad-up.png"},
    {"imgArrow_right", ":/canvas/images/arrowpad-right.png"},
    {"imgArrow_down", ":/canvas/images/arrowpad-down.png"},
    {"imgArrow_left", ":/canvas/images/arrowpad-left.png"},
}};

} // namespace

ArrowPadWidget::ArrowPadWidget(QWidget *parent) : QWidget(parent)
{
    initCanvasResources();
    setToolTip(AppStrings::kArrowTip);

    tmrImg = new QTimer(this);
    tmrImg->setObjectName(QStringLiteral("tmrImg"));
    tmrImg->setInterval(ArrowRepeat::kIntervalMs);
    connect(tmrImg, &QTimer::timeout, this, &ArrowPadWidget::stepDue);

    QSize padSize;
    for (std::size_t i = 0; i < kPadPictures.size(); ++i) {
        auto *picture = new QLabel(this);
        picture->setObjectName(QLatin1String(kPadPictures[i].objectName));
        const QPixmap pixmap(QLatin1String(kPadPictures[i].resource));
        picture->setPixmap(pixmap);
        picture->setFixedSize(pixmap.size());
        picture->setAlignment(Qt::AlignCenter);
        // Presses go to the pad, in the pad's own coordinates.
        picture->setAttribute(Qt::WA_TransparentForMouseEvents);
        padSize = padSize.expandedTo(pixmap.size());
        m_pictures[i] = picture;
    }
    setFixedSize(padSize);
    setFocusPolicy(Qt::StrongFocus);
    SetArrowDirection(ArrowDirection::None);
}

void ArrowPadWidget::focusInEvent(QFocusEvent *event)
{
    showFocusFrame(true);
    QWidget::focusInEvent(event);
}

void ArrowPadWidget::focusOutEvent(QFocusEvent *event)
{
    showFocusFrame(false);
    QWidget::focusOutEvent(event);
}

void ArrowPadWidget::showFocusFrame(bool shown)
{
    // The pictures cover the whole pad, so they carry the frame that shows the focus.
    for (QLabel *picture : m_pictures)
        picture->setFrameShape(shown ? QFrame::Box : QFrame::NoFrame);
}

void ArrowPadWidget::SetArrowDirection(ArrowDirection direction)
{
    m_repeat.SetArrowDirection(direction);
    const auto shown = static_cast<std::size_t>(direction);
    for (std::size_t i = 0; i < m_pictures.size(); ++i)
        m_pictures[i]->setVisible(i == shown);
    if (direction == ArrowDirection::None) {
        tmrImg->stop();
        return;
    }
    tmrImg->setInterval(ArrowRepeat::kIntervalMs);
    tmrImg->start();
}

const QLabel *ArrowPadWidget::shownPicture() const
{
    return m_pictures[static_cast<std::size_t>(direction())];
}

QSize ArrowPadWidget::sizeHint() const
{
    return size();
}

void ArrowPadWidget::keyPressEvent(QKeyEvent *event)
{
    if (const std::optional<ArrowDirection> arrow = arrowForKey(event->key())) {
        Q_EMIT arrowKeyPressed(*arrow);
        event->accept();
        return;
    }
    QWidget::keyPressEvent(event);
}

void ArrowPadWidget::mousePressEvent(QMouseEvent *event)
{
    const QPointF position = event->position();
    if (const std::optional<ArrowDirection> hit = m_repeat.press(position.x(), position.y(), width(), height()))
        SetArrowDirection(*hit);
    event->accept();
}

void ArrowPadWidget::mouseReleaseEvent(QMouseEvent *event)
{
    // A short click, let go before the first tick, still moves the grid one step.
    if (m_repeat.isHeld() && m_repeat.ticks() == 0)
        Q_EMIT stepDue();
    SetArrowDirection(ArrowDirection::None);
    event->accept();
}
