#include "output/frmMsg.h"

#include "dialogs/KeyboardAccess.h"
#include "common/Rounding.h"
#include "common/Twips.h"
#include "resources/SaveWindowStrings.h"
#include "dialogs/ControlSetup.h"

#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QTimer>

#include <algorithm>

namespace {

// Window geometry in twips, converted with the screen's logical DPI.
constexpr int kFormWidthTwips = 5400;
constexpr int kSideMarginTwips = 240;
constexpr int kMessageTopTwips = 100;
constexpr int kGapBelowMessageTwips = 200;
constexpr int kGapBelowBarTwips = 100;
constexpr int kBarHeightTwips = 300;
constexpr int kCancelWidthTwips = 1200;

const QColor kBarColour(0, 0, 255);

} // namespace

ProgressBarPicture::ProgressBarPicture(QWidget *parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void ProgressBarPicture::clear()
{
    m_picture.fill(Qt::white);
    update();
}

void ProgressBarPicture::fillFromLeft(int filledWidth, const QColor &colour)
{
    const int width = std::clamp(filledWidth, 0, m_picture.width());
    if (width > 0) {
        QPainter painter(&m_picture);
        painter.fillRect(QRect(0, 0, width, m_picture.height()), colour);
    }
    update();
}

void ProgressBarPicture::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.drawImage(0, 0, m_picture);
}

void ProgressBarPicture::resizeEvent(QResizeEvent *)
{
    // A resize starts from an empty bar; the next redraw fills it again.
    m_picture = QImage(size(), QImage::Format_RGB32);
    m_picture.fill(Qt::white);
}

frmMsg::frmMsg(QWidget *parent) : QWidget(parent, Qt::Dialog)
{
    setWindowTitle(SaveWindowStrings::kProgressCaption);

    lblMsg = named(new QLabel(this), QStringLiteral("lblMsg"));
    lblMsg->setWordWrap(true);
    picProgressBar = named(new ProgressBarPicture(this), QStringLiteral("picProgressBar"));
    cmdCancel = named(new QPushButton(SaveWindowStrings::kCancelCaption, this), QStringLiteral("cmdCancel"));
    connect(cmdCancel, &QPushButton::clicked, this, &frmMsg::onCancelClicked);
    closeOnEscape(*this, cmdCancel);

    tmrProgBar = new QTimer(this);
    tmrProgBar->setObjectName(QStringLiteral("tmrProgBar"));
    tmrProgBar->setInterval(kTimerIntervalMs);
    connect(tmrProgBar, &QTimer::timeout, this, &frmMsg::onTimerTick);
}

int frmMsg::pixelsOfTwips(int twips) const
{
    return twipsToPixels(twips, logicalDpiY());
}

void frmMsg::SetMode(int mType)
{
    // The progress layout is the only one the program uses; other modes change nothing.
    if (mType != kModeProgress)
        return;

    dProgress = 0.0;
    const int formWidth = pixelsOfTwips(kFormWidthTwips);
    const int side = pixelsOfTwips(kSideMarginTwips);
    const int innerWidth = formWidth - 2 * side;

    const int messageTop = pixelsOfTwips(kMessageTopTwips);
    const int messageHeight = std::max(lblMsg->heightForWidth(innerWidth), lblMsg->sizeHint().height());
    lblMsg->setGeometry(side, messageTop, innerWidth, messageHeight);

    const int barTop = messageTop + messageHeight + pixelsOfTwips(kGapBelowMessageTwips);
    picProgressBar->setGeometry(side, barTop, innerWidth, pixelsOfTwips(kBarHeightTwips));
    const int barBottom = barTop + picProgressBar->height();

    // The window frame lies outside the client area here, so the height holds only the
    // controls and the margin below the last of them.
    int formHeight = 0;
    if (bAllowCancel) {
        const int cancelTop = barBottom + pixelsOfTwips(kGapBelowBarTwips);
        const int cancelWidth = std::max(pixelsOfTwips(kCancelWidthTwips), cmdCancel->sizeHint().width());
        cmdCancel->setGeometry((formWidth - cancelWidth) / 2, cancelTop, cancelWidth,
                               cmdCancel->sizeHint().height());
        formHeight = cancelTop + cmdCancel->height() + pixelsOfTwips(kGapBelowBarTwips);
        cmdCancel->setVisible(true);
    } else {
        formHeight = barBottom + pixelsOfTwips(kGapBelowBarTwips);
        cmdCancel->setVisible(false);
    }
    setFixedSize(formWidth, formHeight);

    picProgressBar->setVisible(true);
    dProgress = 0.0;
}

void frmMsg::ShowProgressBar(const QString &sMsg)
{
    bCancel = false;
    lblMsg->setText(sMsg);
    SetMode(kModeProgress);
    dProgress = 0.0;

    // Shown without blocking, yet the other windows take no input while tiles are written:
    // a second run, a closed save dialog or a newly loaded image would pull the ground from
    // under the run in progress.
    setWindowModality(Qt::ApplicationModal);
    m_loaded = true;
    show();
    QApplication::processEvents();
    tmrProgBar->start();
    QApplication::processEvents();
    UpdateProgess();
    repaint();
    raise();
    curStatus = kStatusProgress;
}

void frmMsg::SetProgressVal(double dProg)
{
    dProgress = dProg > 1.0 ? 1.0 : dProg;
    UpdateProgess();
    if (dProgress >= 1.0)
        unload();
    repaint();
    QApplication::processEvents();
}

void frmMsg::UpdateProgess()
{
    // NaN and negative values draw an empty bar rather than an undefined width.
    const double part = dProgress > 0.0 ? std::min(dProgress, 1.0) : 0.0;
    const int barWidth = picProgressBar->width();
    picProgressBar->clear();
    picProgressBar->fillFromLeft(nearestInt32(barWidth * part).value_or(0), kBarColour);
}

void frmMsg::unload()
{
    tmrProgBar->stop();
    m_loaded = false;
    hide();
}

void frmMsg::onTimerTick()
{
    repaint();
    if (curStatus == kStatusClose) {
        unload();
        return;
    }
    if (m_loaded) {
        UpdateProgess();
        // A Cancel click reaches the window here while the save run is busy.
        QApplication::processEvents();
    }
}

void frmMsg::onCancelClicked()
{
    bCancel = true;
    lblMsg->setText(SaveWindowStrings::kCancelingText);
}

void frmMsg::closeEvent(QCloseEvent *event)
{
    // Closing by the frame while tiles are written would leave the run reporting to a
    // window that is gone; it asks to cancel instead, when cancelling is offered.
    if (m_loaded && curStatus == kStatusProgress) {
        event->ignore();
        if (bAllowCancel)
            onCancelClicked();
        return;
    }
    m_loaded = false;
    tmrProgBar->stop();
    event->accept();
}
