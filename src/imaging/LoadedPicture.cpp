#include "imaging/LoadedPicture.h"

#include "imaging/ImageFileRules.h"
#include "imaging/ImageObjectFactory.h"
#include "resources/AppStrings.h"
#include "resources/CliStrings.h"
#include "resources/ImagingStrings.h"

#include <QEventLoop>
#include <QThreadPool>

#include <thread>

LoadedPicture::LoadedPicture(std::unique_ptr<ImageObject> whole, QObject *parent)
    : QObject(parent), m_whole(std::move(whole))
{
}

LoadedPicture::~LoadedPicture()
{
    // The decoding thread is joined here, before this object stops taking its word.
    m_quickLoad.reset();
}

bool LoadedPicture::open(const QString &path, int rotationDegrees, QSize canvas)
{
    stopLoading();
    const quint64 opening = m_opening;
    m_failure = {};
    // Taken before the file is read: a file changed while it is read no longer matches.
    m_fileStamp = SourceFileStamp::of(path);
    if (isVectorPageName(path))
        return openPage(path, rotationDegrees, canvas, opening);
    // A big JPEG shows its reduced picture first, which for a gigapixel one takes seconds
    // to read; an open meanwhile gives that up at once, through the stop flag. Any other
    // picture is read whole.
    auto stop = std::make_shared<std::atomic<bool>>(false);
    m_stopQuickLoad = stop;
    const ReadWatch watch{stop.get(), progressOf(opening)};
    std::unique_ptr<QuickPictureLoad> quick;
    LoadedSourceImage loaded;
    runOffThisThread([&] {
        quick = QuickPictureLoad::start(
            path, rotationDegrees, canvas, m_reducedFirstFromPixels,
            [this, opening] { completeWholeLater(opening); }, watch);
        if (!quick && !stop->load())
            loaded = loadSourceImage(path, rotationDegrees);
    });
    // Picked again, or stopped, while the picture was read: the newer open decides.
    if (givenUp(opening))
        return false;
    m_quickLoad = std::move(quick);
    if (m_quickLoad) {
        releaseWhole();
        setState(m_quickLoad->decodesWhole() ? State::Reduced : State::TooLargeToHold);
        // Word of a whole decode that ended while the reduced picture was still read came
        // before the state said Reduced.
        if (m_quickLoad->decodesWhole() && m_quickLoad->isFinished())
            completeWholeLater(opening);
        return true;
    }
    // The preview and save windows hold the picture object itself, so it takes the new
    // pixels (shared, not copied) instead of being replaced.
    if (!loaded.ok() || !m_whole->FromImage(*loaded.image)) {
        m_failure = {loaded.tooSmall, loaded.errorText, loaded.errorTitle};
        setState(State::Failed);
        return false;
    }
    setState(State::Whole);
    return true;
}

bool LoadedPicture::givenUp(quint64 opening)
{
    if (opening == m_opening)
        return false;
    m_failure = {false, QString(), QString(), true};
    return true;
}

void LoadedPicture::runOffThisThread(const std::function<void()> &work)
{
    // Reading a picture can take seconds (a gigapixel PNG, a heavy PDF page): it runs on a
    // thread of its own while this thread goes on answering the window. An open meanwhile
    // runs here, inside this loop, and the open waiting on this work then gives up.
    QEventLoop waiting;
    std::thread worker([&] {
        work();
        QMetaObject::invokeMethod(&waiting, &QEventLoop::quit, Qt::QueuedConnection);
    });
    waiting.exec();
    worker.join();
}

bool LoadedPicture::openPage(const QString &path, int rotationDegrees, QSize canvas, quint64 opening)
{
    VectorPage::Opened opened;
    QSize size;
    QImage onCanvas;
    runOffThisThread([&] {
        opened = VectorPage::open(path, m_pageNumber);
        size = opened.page ? pagePictureSize(opened.page->sizePoints(), rotationDegrees, VectorPage::kDefaultResolution)
                           : QSize();
        if (!opened.page || ImageFileRules::isBelowMinimumSize(size.width(), size.height()))
            return;
        // The canvas shows the page drawn at its own size, as a picture would be reduced.
        const QSize shown = size.scaled(canvas.expandedTo(QSize(1, 1)), Qt::KeepAspectRatio).expandedTo(QSize(1, 1));
        onCanvas = opened.page->draw(shown, rotationDegrees, QRect(QPoint(), shown));
    });
    if (givenUp(opening))
        return false;
    if (!opened.page || ImageFileRules::isBelowMinimumSize(size.width(), size.height())) {
        m_failure = opened.page ? Failure{true, ImageFileRules::smallImageMessage(), AppStrings::kSmallImageTitle}
                                : Failure{false, sourceLoadFailure(opened.errorText).errorText, CliStrings::kImageNotLoadedTitle};
        setState(State::Failed);
        return false;
    }
    if (onCanvas.isNull()) {
        m_failure = {false, sourceLoadFailure(ImagingStrings::kPageNotDrawn).errorText, CliStrings::kImageNotLoadedTitle};
        setState(State::Failed);
        return false;
    }
    releaseWhole();
    m_page = opened.page;
    m_pageTurn = rotationDegrees;
    m_pageSize = size;
    m_pageOnCanvas = std::move(onCanvas);
    setState(State::Page);
    return true;
}

std::function<void(int)> LoadedPicture::progressOf(quint64 opening)
{
    // Word of progress reaches the window through this thread's loop, unless another open
    // has come since.
    return [this, opening](int percent) {
        QMetaObject::invokeMethod(
            this,
            [this, opening, percent] {
                if (opening == m_opening)
                    Q_EMIT loadProgress(percent);
            },
            Qt::QueuedConnection);
    };
}

void LoadedPicture::completeWholeLater(quint64 opening)
{
    QMetaObject::invokeMethod(
        this,
        [this, opening] {
            if (opening == m_opening && m_state == State::Reduced)
                completeWhole();
        },
        Qt::QueuedConnection);
}

void LoadedPicture::releaseWhole()
{
    // The previous picture is let go now rather than when the new one is complete, on a
    // pool thread: handing hundreds of megabytes back to the system takes tens of
    // milliseconds.
    if (const std::unique_ptr<ImageObject> nothing = createImageObject()) {
        QThreadPool::globalInstance()->start([previous = m_whole->image()]() mutable { previous = QImage(); });
        static_cast<void>(m_whole->FromImage(*nothing));
    }
}

void LoadedPicture::stopLoading()
{
    // A reduced picture still being read is given up, and its open ends at once.
    if (const std::shared_ptr<std::atomic<bool>> stop = m_stopQuickLoad.lock())
        stop->store(true);
    ++m_opening;
    m_quickLoad.reset();
    m_page.reset();
    m_pageOnCanvas = QImage();
    if (m_state == State::Reduced || m_state == State::TooLargeToHold || m_state == State::Page)
        setState(State::None);
}

ConstPixelArrayView LoadedPicture::reducedPicture() const
{
    if (m_quickLoad)
        return m_quickLoad->canvasPicture();
    return ConstPixelArrayView(m_pageOnCanvas.constBits(), m_pageOnCanvas.width(), m_pageOnCanvas.height(),
                               m_pageOnCanvas.bytesPerLine());
}

bool LoadedPicture::waitForWhole()
{
    if (m_state == State::Reduced)
        completeWhole();
    return m_state == State::Whole;
}

bool LoadedPicture::isCutFromFile() const
{
    return m_state == State::TooLargeToHold && m_fileStamp && m_fileStamp->stillMatches();
}

QSize LoadedPicture::size() const
{
    if (m_quickLoad)
        return m_quickLoad->size();
    if (m_page)
        return m_pageSize;
    return m_state == State::Whole ? QSize(m_whole->Width(), m_whole->Height()) : QSize();
}

const PictureDamage &LoadedPicture::damage() const
{
    return m_quickLoad ? m_quickLoad->damage() : m_whole->Damage();
}

QString LoadedPicture::tooLargeText() const
{
    return m_quickLoad ? m_quickLoad->tooLargeText() : QString();
}

void LoadedPicture::setState(State state)
{
    const State before = m_state;
    m_state = state;
    Q_EMIT stateChanged(state, before);
}

void LoadedPicture::completeWhole()
{
    const LoadedSourceImage loaded = m_quickLoad->finish();
    m_quickLoad.reset();
    if (!loaded.ok() || !m_whole->FromImage(*loaded.image)) {
        m_failure = {false, loaded.errorText, loaded.errorTitle};
        setState(State::Failed);
        return;
    }
    setState(State::Whole);
}
