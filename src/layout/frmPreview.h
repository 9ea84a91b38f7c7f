#pragma once

#include "imaging/ImageObject.h"
#include "layout/LayoutState.h"
#include "layout/PreviewLayout.h"

#include <QImage>
#include <QWidget>

class QLabel;
class QPushButton;

// The "Poster Preview" window: the part of the image the poster holds, at the poster's
// shape, with its tile boundaries, and a Close button. It is built once when it opens and
// does not follow later changes of the main window. Close closes it; a window made by open()
// is deleted then.
class frmPreview : public QWidget
{
    Q_OBJECT

public:
    explicit frmPreview(QWidget *owner = nullptr);

    // The main window's "Preview" button: without a selected image says so and opens
    // nothing; otherwise opens the window filling the owner's screen, laid out and filled.
    // Returns the window, or nullptr when none stays open.
    static frmPreview *open(QWidget *owner, const LayoutState &layout, const ImageObject &img);
    // The same from a 32-bit picture that may be reduced: scale is its pixels per pixel of
    // the picture the layout is computed for.
    static frmPreview *open(QWidget *owner, const LayoutState &layout, const QImage &picture, double scale);

    // Lays the window out for the poster's shape. With a tile size that gives no poster it
    // shows "Invalid print size values", closes the window and returns false.
    bool FitToNewSizeForPic(const LayoutState &layout);

    // Builds the preview picture for the picture box from the loaded image. Returns false,
    // leaving the box empty, when the layout gives no tiles.
    bool FillPreview(const LayoutState &layout, const ImageObject &img);
    bool FillPreview(const LayoutState &layout, const QImage &picture, double scale);

    const QImage &picture() const { return m_picture; }

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    void InitPreviewText();
    int ClientWidthTwips() const;
    int toTwips(int pixels) const;
    int toPixels(int twips) const;
    void placeControls();

    QLabel *picPreview = nullptr;
    QPushButton *cmdClose = nullptr;
    double m_ratio = 0; // width / height of the poster, once laid out
    QImage m_picture;
};
