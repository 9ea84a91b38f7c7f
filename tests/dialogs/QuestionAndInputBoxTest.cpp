#include "support/ModalDriver.h"
#include "common/AccessKeys.h"
#include "dialogs/DialogTitleRoom.h"
#include "dialogs/MessageBoxes.h"
#include "resources/CalibrationStrings.h"
#include "dialogs/frmInputBox.h"
#include "dialogs/frmMsgboxYesNo.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>

#include <gtest/gtest.h>

namespace {

void pressKey(QWidget *target, int key)
{
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
    QApplication::sendEvent(target, &press);
}

void clickWhenQuestionShown(const QString &buttonName)
{
    whenModalShown<frmMsgboxYesNo>([buttonName](frmMsgboxYesNo *box) {
        control<QPushButton>(box, buttonName)->click();
    });
}

// A text as long as the longest questions of the program, which must wrap.
const QString kLongQuestion = QStringLiteral(
    "The folder \"/home/someone/Pictures/posters/a rather long folder name for the poster "
    "tiles\" already exists Some files could be overwritten.  Do you want to continue?");

} // namespace

TEST(QuestionBox, ShowsTextTitleAndCaptions)
{
    QString shownText, shownTitle;
    QStringList captions;
    whenModalShown<frmMsgboxYesNo>([&](frmMsgboxYesNo *box) {
        shownText = control<QLabel>(box, QStringLiteral("lblMsg"))->text();
        shownTitle = box->windowTitle();
        for (const char *name : {"cmdYes", "cmdNo", "cmdCancel"})
            captions << withoutAccessKey(control<QPushButton>(box, QLatin1String(name))->text());
        box->close();
    });
    MessageBoxes().YesNoCancelBox(QStringLiteral("Delete it?"), QStringLiteral("Delete"));
    EXPECT_EQ(shownText, QStringLiteral("Delete it?"));
    EXPECT_EQ(shownTitle, QStringLiteral("Delete"));
    EXPECT_EQ(captions, (QStringList{"Yes", "No", "Cancel"}));
}

TEST(QuestionBox, EachButtonGivesItsAnswerCode)
{
    const QList<std::pair<QString, int>> cases = {
        {QStringLiteral("cmdYes"), kAnswerYes},
        {QStringLiteral("cmdNo"), kAnswerNo},
        {QStringLiteral("cmdCancel"), kAnswerCancel},
    };
    for (const auto &[button, expected] : cases) {
        clickWhenQuestionShown(button);
        EXPECT_EQ(MessageBoxes().YesNoCancelBox(QStringLiteral("Go on?"), QStringLiteral("Q")), expected)
            << qPrintable(button);
    }
}

TEST(QuestionBox, ClosingByTheFrameOrEscapeIsCancelAndEnterIsYes)
{
    whenModalShown<frmMsgboxYesNo>([](frmMsgboxYesNo *box) { box->close(); });
    EXPECT_EQ(MessageBoxes().YesNoCancelBox(QStringLiteral("a"), QStringLiteral("t")), kAnswerCancel);

    whenModalShown<frmMsgboxYesNo>([](frmMsgboxYesNo *box) { pressKey(box, Qt::Key_Escape); });
    EXPECT_EQ(MessageBoxes().YesNoCancelBox(QStringLiteral("a"), QStringLiteral("t")), kAnswerCancel);

    whenModalShown<frmMsgboxYesNo>([](frmMsgboxYesNo *box) { pressKey(box, Qt::Key_Return); });
    EXPECT_EQ(MessageBoxes().YesNoCancelBox(QStringLiteral("a"), QStringLiteral("t")), kAnswerYes);
}

TEST(QuestionBox, EveryQuestionStartsFromCancel)
{
    MessageBoxes boxes;
    clickWhenQuestionShown(QStringLiteral("cmdYes"));
    EXPECT_EQ(boxes.YesNoCancelBox(QStringLiteral("first"), QStringLiteral("t")), kAnswerYes);
    whenModalShown<frmMsgboxYesNo>([](frmMsgboxYesNo *box) {
        EXPECT_EQ(box->questionResult(), 0);
        box->close();
    });
    EXPECT_EQ(boxes.YesNoCancelBox(QStringLiteral("second"), QStringLiteral("t")), kAnswerCancel);
}

TEST(QuestionBox, LongTextWrapsWithoutBeingCutOff)
{
    frmMsgboxYesNo box;
    box.setText(kLongQuestion, QStringLiteral("Folder Exists"));
    box.show();
    QApplication::processEvents();
    const QLabel *label = control<QLabel>(&box, QStringLiteral("lblMsg"));
    EXPECT_GE(label->width(), label->minimumSizeHint().width());
    EXPECT_GE(label->height(), label->heightForWidth(label->width()));
    for (const char *name : {"cmdYes", "cmdNo", "cmdCancel"}) {
        const QPushButton *button = control<QPushButton>(&box, QLatin1String(name));
        EXPECT_TRUE(box.rect().contains(button->geometry())) << name;
    }
}

TEST(InputBox, ShowsTitlePromptAndDefaultAndOkReturnsTheText)
{
    QString title, question, prompt, defaultText, okCaption, cancelCaption;
    whenModalShown<frmInputBox>([&](frmInputBox *box) {
        title = box->windowTitle();
        question = control<QLabel>(box, QStringLiteral("lblQuestion"))->text();
        prompt = control<QLabel>(box, QStringLiteral("lblMsg"))->text();
        auto *edit = control<QLineEdit>(box, QStringLiteral("txtInval"));
        defaultText = edit->text();
        okCaption = withoutAccessKey(control<QPushButton>(box, QStringLiteral("OKButton"))->text());
        cancelCaption = withoutAccessKey(control<QPushButton>(box, QStringLiteral("CancelButton"))->text());
        edit->setText(QStringLiteral("Photo printer"));
        control<QPushButton>(box, QStringLiteral("OKButton"))->click();
    });
    const InputBoxAnswer answer = MessageBoxes().customInputBox(
        QStringLiteral("Enter name:"), QStringLiteral("New Configuration"), QStringLiteral("Old"));
    EXPECT_EQ(title, QStringLiteral("Enter name:"));
    EXPECT_EQ(question, title);
    EXPECT_EQ(prompt, QStringLiteral("New Configuration"));
    EXPECT_EQ(defaultText, QStringLiteral("Old"));
    EXPECT_EQ(okCaption, QStringLiteral("OK"));
    EXPECT_EQ(cancelCaption, QStringLiteral("Cancel"));
    EXPECT_EQ(answer.iInputBoxResult, QStringLiteral("1"));
    EXPECT_EQ(answer.sInputBoxVal, QStringLiteral("Photo printer"));
    EXPECT_TRUE(answer.isConfirmed());
}

TEST(InputBox, OkWithAnEmptyFieldIsNotConfirmed)
{
    whenModalShown<frmInputBox>([](frmInputBox *box) {
        control<QPushButton>(box, QStringLiteral("OKButton"))->click();
    });
    const InputBoxAnswer answer =
        MessageBoxes().customInputBox(QStringLiteral("t"), QStringLiteral("p"), QString());
    EXPECT_EQ(answer.iInputBoxResult, QStringLiteral("1"));
    EXPECT_TRUE(answer.sInputBoxVal.isEmpty());
    EXPECT_FALSE(answer.isConfirmed());
}

TEST(InputBox, CancelFrameAndEscapeDropWhatWasTyped)
{
    const QList<std::function<void(frmInputBox *)>> ways = {
        [](frmInputBox *box) { control<QPushButton>(box, QStringLiteral("CancelButton"))->click(); },
        [](frmInputBox *box) { box->close(); },
        [](frmInputBox *box) { pressKey(control<QLineEdit>(box, QStringLiteral("txtInval")), Qt::Key_Escape); },
    };
    for (const auto &dismiss : ways) {
        whenModalShown<frmInputBox>([dismiss](frmInputBox *box) {
            control<QLineEdit>(box, QStringLiteral("txtInval"))->setText(QStringLiteral("typed"));
            dismiss(box);
        });
        const InputBoxAnswer answer =
            MessageBoxes().customInputBox(QStringLiteral("t"), QStringLiteral("p"), QStringLiteral("d"));
        EXPECT_EQ(answer.iInputBoxResult, QStringLiteral("0"));
        EXPECT_TRUE(answer.sInputBoxVal.isEmpty());
        EXPECT_FALSE(answer.isConfirmed());
    }
}

TEST(InputBox, EnterInTheFieldPressesOk)
{
    whenModalShown<frmInputBox>([](frmInputBox *box) {
        auto *edit = control<QLineEdit>(box, QStringLiteral("txtInval"));
        edit->setText(QStringLiteral("Inkjet"));
        pressKey(edit, Qt::Key_Return);
    });
    const InputBoxAnswer answer =
        MessageBoxes().customInputBox(QStringLiteral("t"), QStringLiteral("p"), QString());
    EXPECT_EQ(answer.sInputBoxVal, QStringLiteral("Inkjet"));
}

TEST(InputBoxAnswer, IsConfirmedOnlyWithTextAfterOk)
{
    EXPECT_TRUE((InputBoxAnswer{QStringLiteral("1"), QStringLiteral("x")}.isConfirmed()));
    EXPECT_FALSE((InputBoxAnswer{QStringLiteral("0"), QStringLiteral("x")}.isConfirmed()));
    EXPECT_FALSE((InputBoxAnswer{QStringLiteral("1"), QString()}.isConfirmed()));
    EXPECT_FALSE((InputBoxAnswer{QStringLiteral("junk"), QStringLiteral("x")}.isConfirmed()));
    EXPECT_FALSE(InputBoxAnswer{}.isConfirmed());
}

TEST(PlainMessage, ShowsTextTitleIconAndOneOkButton)
{
    const QList<std::pair<MessageIcon, QMessageBox::Icon>> icons = {
        {MessageIcon::Information, QMessageBox::Information},
        {MessageIcon::Critical, QMessageBox::Critical},
        {MessageIcon::Exclamation, QMessageBox::Warning},
    };
    for (const auto &[icon, expectedIcon] : icons) {
        QString text, title;
        QMessageBox::Icon shownIcon = QMessageBox::NoIcon;
        qsizetype buttons = 0;
        whenModalShown<QMessageBox>([&](QMessageBox *box) {
            text = box->text();
            title = box->windowTitle();
            shownIcon = box->icon();
            buttons = box->buttons().size();
            box->button(QMessageBox::Ok)->click();
        });
        MessageBoxes().showMessage(QStringLiteral("<b>Invalid</b> & wrong"), QStringLiteral("Error"), icon);
        EXPECT_EQ(text, QStringLiteral("<b>Invalid</b> & wrong"));
        EXPECT_EQ(title, QStringLiteral("Error"));
        EXPECT_EQ(shownIcon, expectedIcon);
        EXPECT_EQ(buttons, 1);
    }
}

TEST(DialogTitles, EveryKindOfBoxIsWideEnoughForItsTitle)
{
    const QString title = CalibrationStrings::kRenameProfileTitle + QLatin1Char(':');
    frmInputBox input;
    input.setPrompt(title, QStringLiteral("New Configuration"), QString());
    frmMsgboxYesNo question;
    question.setText(QStringLiteral("Overwrite?"), title);
    QMessageBox standard(QMessageBox::Information, title, QStringLiteral("Done."));
    for (QDialog *box : std::initializer_list<QDialog *>{&input, &question, &standard}) {
        box->show();
        QApplication::processEvents();
        EXPECT_GE(box->width(), DialogTitleRoom::widthForTitle(*box)) << box->metaObject()->className();
        box->hide();
    }
}
