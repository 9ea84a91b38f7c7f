#pragma once

#include <QString>

class QPrinter;
class QWidget;

// Every message box, question box, input box and file chooser of the program goes
// through the one `Messages` object returned by messages(). Windows never open these
// boxes themselves, so a test can install a scripted implementation, read what would
// have been shown and choose the answers.

enum class MessageIcon { Information, Critical, Exclamation };

// Answer codes of YesNoCancelBox. Callers act only on kAnswerYes.
inline constexpr int kAnswerYes = 6;
inline constexpr int kAnswerNo = 7;
inline constexpr int kAnswerCancel = 2;

// The input box's answer. It starts as cancelled ("0" and an empty text) and only OK
// changes it, so Cancel or closing the box after typing still leaves it empty.
struct InputBoxAnswer
{
    QString iInputBoxResult = QStringLiteral("0");
    QString sInputBoxVal;

    // The caller takes the answer only when a text came back with OK.
    bool isConfirmed() const;
};

// Flags a caller may pass to the file chooser; the values are the usual chooser codes.
inline constexpr quint32 kFileDialogOverwritePrompt = 0x2;
inline constexpr quint32 kFileDialogFileMustExist = 0x1000;

// What the file chooser is asked for.
struct FileDialogRequest
{
    quint32 flags = 0;
    QString initialFolder;
    // Pairs of description and pattern, each followed by a NUL (see AddFilterItem).
    QString filter;
    // 1-based index of the pair preselected in the chooser.
    int filterIndex = 1;
    // Added (without its dot) to a typed name that has no extension; empty adds none.
    QString defaultExtension;
    // Instead, a typed name without an extension gets the one of the filter selected
    // when the name is taken (the first pattern's, "*.jpg" giving ".jpg").
    bool extensionOfSelectedFilter = false;
    QString suggestedName;
    QString title;
    QWidget *owner = nullptr;
    // true: choose an existing file to open; false: choose where to save.
    bool open = true;
};

class Messages
{
public:
    virtual ~Messages() = default;

    // A plain message with one OK button; returns when it is closed.
    virtual void showMessage(const QString &text, const QString &title, MessageIcon icon) = 0;
    // A Yes / No / Cancel question: kAnswerYes, kAnswerNo or kAnswerCancel.
    virtual int YesNoCancelBox(const QString &text, const QString &title) = 0;
    // An announcement the person may still back out of: true for OK, false for Cancel.
    virtual bool OkCancelBox(const QString &text, const QString &title) = 0;
    // Asks for one line of text.
    virtual InputBoxAnswer customInputBox(const QString &title, const QString &prompt,
                                          const QString &defaultText) = 0;
    // The chosen full path, or an empty text when the chooser was cancelled.
    virtual QString showFileDialog(const FileDialogRequest &request) = 0;
    // The system print dialog over the printer (chosen printer, paper, copies), with a tab
    // that says which page is which sheet; true when the person chose to print.
    virtual bool choosePrinter(QPrinter &printer, QWidget *owner, const QString &pageGuide) = 0;
};

// The implementation in use: the one installed last by a live ScopedMessages. The
// program installs the real boxes (MessageBoxes.h) when it starts; with nothing
// installed, messages go to the log and every question is answered Cancel.
Messages &messages();

// Installs another implementation for as long as it lives, then restores the previous one.
class ScopedMessages
{
public:
    explicit ScopedMessages(Messages &replacement);
    ~ScopedMessages();
    ScopedMessages(const ScopedMessages &) = delete;
    ScopedMessages &operator=(const ScopedMessages &) = delete;

private:
    Messages *m_previous;
};
