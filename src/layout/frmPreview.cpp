#include "layout/frmPreview.h"

#include "dialogs/KeyboardAccess.h"
#include "common/Twips.h"
#include "dialogs/MessageSeam.h"
#include "layout/PosterFit.h"
#include "layout/TileSizeRules.h"
#include "resources/CanvasStrings.h"

#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QScreen>

namespace {

constexpr int kCloseButtonMinWidth = 100;

} // namespace

frmPreview::frmPreview(QWidget *owner) : QWidget(owner, Qt::Window)
{
    setObjectName(QStringLiteral("frmPreview"));

    picPreview = new QLabel(this);
    picPreview->setObjectName(QStringLiteral("picPreview"));
    // After the user resizes the window the picture built at opening is scaled to the box.
    picPreview->setScaledContents(true);

    cmdClose = new QPushButton(this);
    cmdClose->setObjectName(QStringLiteral("cmdClose"));
    connect(cmdClose, &QPushButton::clicked, this, &QWidget::close);
    closeOnEscape(*this, cmdClose);

    InitPreviewText();
    cmdClose->resize(cmdClose->sizeHint().expandedTo(QSize(kCloseButtonMinWidth, 0)));
}

frmPreview *frmPreview::open(QWidget *owner, const LayoutState &layout, const ImageObject &img)
{
    return open(owner, layout, img.image(), 1.0);
}

frmPreview *frmPreview::open(QWidget *owner, const LayoutState &layout, const QImage &picture, double scale)
{
    if (!layout.bImgSelected) {
        messages().showMessage(CanvasStrings::kNoImageSelectedText, CanvasStrings::kNoImageSelectedTitle,
                               MessageIcon::Critical);
        return nullptr;
    }
    auto *preview = new frmPreview(owner);
    preview->setAttribute(Qt::WA_DeleteOnClose);
    const QScreen *screen = owner != nullptr ? owner->screen() : preview->screen();
    if (screen != nullptr)
        preview->setGeometry(screen->availableGeometry());
    preview->show();
    if (!preview->FitToNewSizeForPic(layout))
        return nullptr;
    preview->FillPreview(layout, picture, scale);
    return preview;
}

void frmPreview::InitPreviewText()
{
    setWindowTitle(CanvasStrings::kPreviewCaption);
    cmdClose->setText(CanvasStrings::kCloseCaption);
}

bool frmPreview::FitToNewSizeForPic(const LayoutState &layout)
{
    const double ratio = GetFinalImgWhRatio(layout);
    if (ratio <= 0) {
        messages().showMessage(CanvasStrings::kInvalidPrintSizeText, CanvasStrings::kInvalidPrintSizeTitle,
                               MessageIcon::Critical);
        close();
        return false;
    }
    m_ratio = ratio;
    placeControls();
    return true;
}

bool frmPreview::FillPreview(const LayoutState &layout, const ImageObject &img)
{
    return FillPreview(layout, img.image(), 1.0);
}

bool frmPreview::FillPreview(const LayoutState &layout, const QImage &source, double scale)
{
    if (source.depth() != 32)
        return false;
    const ConstPixelArrayView view(source.constBits(), source.width(), source.height(), source.bytesPerLine());
    const std::optional<QImage> picture = previewPicture(layout, view, picPreview->size(), scale);
    if (!picture)
        return false;
    m_picture = *picture;
    picPreview->setPixmap(QPixmap::fromImage(m_picture));
    return true;
}

void frmPreview::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    if (m_ratio > 0)
        placeControls();
}

int frmPreview::toTwips(int pixels) const
{
    return pixelsToTwips(pixels, logicalDpiX());
}

int frmPreview::toPixels(int twips) const
{
    return twipsToPixels(twips, logicalDpiX());
}

int frmPreview::ClientWidthTwips() const
{
    return toTwips(width());
}

void frmPreview::placeControls()
{
    PreviewWindowTwips measures;
    measures.windowWidth = toTwips(frameGeometry().width());
    measures.windowHeight = toTwips(frameGeometry().height());
    measures.clientWidth = ClientWidthTwips();
    measures.buttonWidth = toTwips(cmdClose->width());
    measures.buttonHeight = toTwips(cmdClose->height());
    const std::optional<PreviewPlacement> placement = previewPlacement(m_ratio, measures);
    if (!placement)
        return;
    const QRect &box = placement->picture;
    picPreview->setGeometry(toPixels(box.left()), toPixels(box.top()), toPixels(box.width()),
                            toPixels(box.height()));
    cmdClose->move(toPixels(placement->closeButton.x()), toPixels(placement->closeButton.y()));
}
