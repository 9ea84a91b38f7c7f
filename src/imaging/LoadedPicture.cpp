#include "imaging/LoadedPicture.h"

#include "imaging/ImageFileRules.h"
#include "imaging/ImageObjectFactory.h"

#include <QThreadPool>

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
    const quint64 opening = ++m_opening;
    m_failure = {};
    // Taken before the file is read: a file changed while it is read no longer matches.
    m_fileStamp = SourceFileStamp::of(path);
    m_quickLoad = QuickPictureLoad::start(path, rotationDegrees, canvas, m_reducedFirstFromPixels, [this, opening] {
        QMetaObject::invokeMethod(
            this,
            [this, opening] {
                if (opening == m_opening && m_state == State::Reduced)
                    completeWhole();
            },
            Qt::QueuedConnection);
    });
    if (m_quickLoad) {
        // The previous picture is let go now rather than when the new one is complete, on a
        // pool thread: handing hundreds of megabytes back to the system takes tens of
        // milliseconds.
        if (const std::unique_ptr<ImageObject> nothing = createImageObject()) {
            QThreadPool::globalInstance()->start([previous = m_whole->image()]() mutable { previous = QImage(); });
            static_cast<void>(m_whole->FromImage(*nothing));
        }
        setState(m_quickLoad->decodesWhole() ? State::Reduced : State::TooLargeToHold);
        return true;
    }
    const LoadedSourceImage loaded = loadSourceImage(path, rotationDegrees);
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

void LoadedPicture::stopLoading()
{
    m_quickLoad.reset();
    if (m_state == State::Reduced || m_state == State::TooLargeToHold)
        setState(State::None);
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
