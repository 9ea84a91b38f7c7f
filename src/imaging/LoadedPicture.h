#pragma once

#include "imaging/ImageObject.h"
#include "imaging/PictureDamage.h"
#include "imaging/PixelArrayView.h"
#include "imaging/QuickPictureLoad.h"
#include "imaging/SourceFileStamp.h"
#include "imaging/VectorPage.h"

#include <QObject>
#include <QSize>
#include <QString>

#include <atomic>
#include <functional>
#include <memory>
#include <optional>

// The picture the person picked, as every window uses it. A big JPEG shows a reduced
// picture at once while the whole one decodes on its own thread (Reduced, then Whole or
// Failed), or is too large to hold whole and keeps its reduced picture only
// (TooLargeToHold: its tiles are cut band by band from its file); any other picture
// decodes whole at once. The object owns the whole picture's pixels, which the preview,
// the save dialog and printing read, the file's stamp and the damage the file showed, and
// says when its state changes, so that no one has to poll it. A page of a PDF or SVG file
// (Page) has no pixels at all: the canvas shows it drawn at the canvas's size, and its
// picture's size is the page measured at VectorPage::kDefaultResolution.
class LoadedPicture : public QObject
{
    Q_OBJECT
public:
    enum class State { None, Reduced, Whole, TooLargeToHold, Page, Failed };

    // whole is the object that holds the whole picture's pixels from now on.
    explicit LoadedPicture(std::unique_ptr<ImageObject> whole, QObject *parent = nullptr);
    ~LoadedPicture() override;

    // Pictures of at least this many pixels show a reduced picture first.
    void setReducedFirstFromPixels(qint64 pixels) { m_reducedFirstFromPixels = pixels; }

    // The page a PDF file is opened at, from 1; the next open uses it.
    void setPageNumber(int pageNumber) { m_pageNumber = pageNumber; }

    // Opens the file turned clockwise by rotationDegrees; a reduced picture is sized for
    // the canvas. False, with failure() saying why, when the file cannot be used. While a
    // big JPEG's reduced picture is read, on a thread of its own, this thread goes on
    // handling events; an open or stopLoading meanwhile gives it up at once, and this open
    // returns false with failure().stopped. Any other picture, or a page, is read on a
    // thread of its own too, this thread answering meanwhile; an open meanwhile makes this
    // one give up once that read ends.
    bool open(const QString &path, int rotationDegrees, QSize canvas);
    // Stops a decode still running and drops the reduced picture: nothing is loading.
    void stopLoading();
    // Waits for a whole picture still decoding; true when the whole picture is in.
    bool waitForWhole();

    State state() const { return m_state; }
    // The picture's size as it stands, turned; empty when nothing is loaded.
    QSize size() const;
    const std::optional<SourceFileStamp> &fileStamp() const { return m_fileStamp; }
    // Rows the file could not give, as far as they are known.
    const PictureDamage &damage() const;
    // Why the whole picture cannot be held; empty unless TooLargeToHold.
    QString tooLargeText() const;
    // The reduced picture, while there is one (Reduced, TooLargeToHold or Page).
    bool hasReducedPicture() const { return m_quickLoad != nullptr || m_page != nullptr; }
    ConstPixelArrayView reducedPicture() const;

    // The page, with the turn it is shown at, while the picture is one (Page).
    const std::shared_ptr<const VectorPage> &page() const { return m_page; }
    int pageTurn() const { return m_pageTurn; }

    // A picture too large to hold is cut from its file band by band, while that is still
    // the file the picture was read from: whether it is.
    bool isCutFromFile() const;

    // The whole picture; empty until it is in. The window turns it in place.
    ImageObject &whole() { return *m_whole; }
    const ImageObject &whole() const { return *m_whole; }

    struct Failure
    {
        bool tooSmall = false; // below the minimum size, which the person is told
        QString text;
        QString title;
        bool stopped = false; // given up for another open or stopLoading: nothing to tell
    };
    const Failure &failure() const { return m_failure; }

Q_SIGNALS:
    void stateChanged(LoadedPicture::State now, LoadedPicture::State before);
    // How far a big JPEG's reduced picture is read (0 to 100), while open waits for it.
    void loadProgress(int percent);

private:
    void setState(State state);
    bool openPage(const QString &path, int rotationDegrees, QSize canvas, quint64 opening);
    // Runs the work on a thread of its own while this thread handles events until it ends.
    void runOffThisThread(const std::function<void()> &work);
    // Whether another open or stopLoading has come since that open began; failure() then says so.
    bool givenUp(quint64 opening);
    // Hands the reduced picture's progress of that open to loadProgress.
    std::function<void(int)> progressOf(quint64 opening);
    void releaseWhole();
    void completeWhole();
    // Completes the whole picture of that open from the event loop, unless another has come.
    void completeWholeLater(quint64 opening);

    std::unique_ptr<ImageObject> m_whole;
    std::unique_ptr<QuickPictureLoad> m_quickLoad;
    // Set to give up the reduced picture being read.
    std::weak_ptr<std::atomic<bool>> m_stopQuickLoad;
    std::shared_ptr<const VectorPage> m_page;
    QImage m_pageOnCanvas;
    QSize m_pageSize;
    int m_pageTurn = 0;
    int m_pageNumber = 1;
    qint64 m_reducedFirstFromPixels = QuickPictureLoad::kFromPixels;
    State m_state = State::None;
    std::optional<SourceFileStamp> m_fileStamp;
    Failure m_failure;
    // Counts the opens, so that word of a decode finishing for an earlier one is let go.
    quint64 m_opening = 0;
};
