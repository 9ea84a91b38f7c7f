#include "dialogs/modDialog.h"
#include "support/ScriptedMessages.h"

#include <QDir>

#include <gtest/gtest.h>

TEST(ScriptedMessages, RecordsEveryKindOfBox)
{
    ScriptedMessages scripted;
    messages().showMessage(QStringLiteral("Bad size"), QStringLiteral("Invalid"), MessageIcon::Critical);
    messages().YesNoCancelBox(QStringLiteral("Continue?"), QStringLiteral("Folder Exists"));
    messages().customInputBox(QStringLiteral("Enter name:"), QStringLiteral("New Configuration"), QStringLiteral("d"));
    SaveTestTargetDialog(QStringLiteral("Edge_Test_Image"));

    ASSERT_EQ(scripted.shown().size(), 4);
    const ShownDialog message = scripted.shown().at(0);
    EXPECT_EQ(message.kind, ShownDialog::Kind::Message);
    EXPECT_EQ(message.text, QStringLiteral("Bad size"));
    EXPECT_EQ(message.title, QStringLiteral("Invalid"));
    EXPECT_EQ(message.icon, MessageIcon::Critical);

    const ShownDialog question = scripted.shownOfKind(ShownDialog::Kind::Question).value(0);
    EXPECT_EQ(question.text, QStringLiteral("Continue?"));
    EXPECT_EQ(question.title, QStringLiteral("Folder Exists"));

    const ShownDialog input = scripted.shownOfKind(ShownDialog::Kind::Input).value(0);
    EXPECT_EQ(input.title, QStringLiteral("Enter name:"));
    EXPECT_EQ(input.text, QStringLiteral("New Configuration"));
    EXPECT_EQ(input.defaultText, QStringLiteral("d"));

    const ShownDialog file = scripted.last();
    EXPECT_EQ(file.kind, ShownDialog::Kind::File);
    EXPECT_EQ(file.title, QStringLiteral("Save Test Target"));
    EXPECT_EQ(file.fileRequest.suggestedName, QStringLiteral("Edge_Test_Image"));
    EXPECT_EQ(file.fileRequest.initialFolder, QDir::homePath());
    EXPECT_EQ(file.fileRequest.filterIndex, 3);
    EXPECT_FALSE(file.fileRequest.open);
}

TEST(ScriptedMessages, AnswersInOrderThenAsIfCancelled)
{
    ScriptedMessages scripted;
    scripted.queueQuestionAnswer(kAnswerYes);
    scripted.queueQuestionAnswer(kAnswerNo);
    scripted.queueInputOk(QStringLiteral("Laser"));
    scripted.queueInputCancel();
    scripted.queueFilePath(QStringLiteral("/tmp/target.bmp"));

    EXPECT_EQ(messages().YesNoCancelBox(QString(), QString()), kAnswerYes);
    EXPECT_EQ(messages().YesNoCancelBox(QString(), QString()), kAnswerNo);
    EXPECT_EQ(messages().YesNoCancelBox(QString(), QString()), kAnswerCancel);

    const InputBoxAnswer ok = messages().customInputBox(QString(), QString(), QString());
    EXPECT_TRUE(ok.isConfirmed());
    EXPECT_EQ(ok.sInputBoxVal, QStringLiteral("Laser"));
    for (int i = 0; i < 2; ++i) {
        const InputBoxAnswer cancelled = messages().customInputBox(QString(), QString(), QString());
        EXPECT_EQ(cancelled.iInputBoxResult, QStringLiteral("0"));
        EXPECT_TRUE(cancelled.sInputBoxVal.isEmpty());
    }

    EXPECT_EQ(SaveTestTargetDialog(), QStringLiteral("/tmp/target.bmp"));
    EXPECT_EQ(SaveTestTargetDialog(), QString());
}

TEST(ScriptedMessages, InstallsForItsScopeAndRestoresThePreviousOne)
{
    ScriptedMessages outer;
    {
        ScriptedMessages inner;
        messages().showMessage(QStringLiteral("inner"), QString(), MessageIcon::Information);
        EXPECT_EQ(inner.shown().size(), 1);
    }
    messages().showMessage(QStringLiteral("outer"), QString(), MessageIcon::Information);
    ASSERT_EQ(outer.shown().size(), 1);
    EXPECT_EQ(outer.shown().at(0).text, QStringLiteral("outer"));
}
