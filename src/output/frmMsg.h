#pragma once

#include <QImage>
#include <QString>
#include <QWidget>

class QLabel;
class QPushButton;
class QTimer;

// The bar of the progress window: a picture that is cleared and filled from the left.
// It keeps what was last drawn into it, so a repaint shows the same bar again.
class ProgressBarPicture : public QWidget
{
    Q_OBJECT
public:
    explicit ProgressBarPicture(QWidget *parent = nullptr);

    void clear();
    void fillFromLeft(int filledWidth, const QColor &colour);
    const QImage &picture() const { return m_picture; }

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    QImage m_picture;
};

// The progress window of a save run: a message, a bar and an optional Cancel button.
// It redraws itself from its own timer and closes when the progress reaches its end or
// when told to through curStatus.
class frmMsg : public QWidget
{
    Q_OBJECT
public:
    // What the next timer tick does.
    static constexpr int kStatusClose = 1;
    static constexpr int kStatusProgress = 3;
    static constexpr int kModeProgress = 2;
    static constexpr int kTimerIntervalMs = 250;

    explicit frmMsg(QWidget *parent = nullptr);

    bool bAllowCancel = false;
    bool bCancel = false;
    double dProgress = 0.0;
    int curStatus = kStatusClose;

    void SetMode(int mType);
    void ShowProgressBar(const QString &sMsg);
    void SetProgressVal(double dProg);
    void UpdateProgess();

    // Takes the window off the screen and stops its timer; the owner deletes it.
    void unload();
    bool isLoaded() const { return m_loaded; }

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    // The controls, found by their object names from outside.
    QLabel *lblMsg = nullptr;
    ProgressBarPicture *picProgressBar = nullptr;
    QPushButton *cmdCancel = nullptr;
    QTimer *tmrProgBar = nullptr;

    void onTimerTick();
    void onCancelClicked();
    int pixelsOfTwips(int twips) const;

    bool m_loaded = true;
};
