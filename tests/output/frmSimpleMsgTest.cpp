#include "output/frmSimpleMsg.h"
#include "common/AccessKeys.h"
#include "resources/SaveWindowStrings.h"
#include "support/ModalDriver.h"
#include "support/ScriptedMessages.h"

#include <QDesktopServices>
#include <QLabel>
#include <QPushButton>
#include <QUrl>
#include <gtest/gtest.h>

namespace {

// Takes the place of the file browser: records the folders the link asks to open.
class FolderOpenRecorder : public QObject
{
    Q_OBJECT
public:
    QList<QUrl> opened;
public Q_SLOTS:
    void open(const QUrl &url) { opened.append(url); }
};

} // namespace

TEST(frmSimpleMsg, ShowsTheTextsAndAPictureAndOpensTheFolderFromTheLink)
{
    FolderOpenRecorder recorder;
    QDesktopServices::setUrlHandler(QStringLiteral("file"), &recorder, "open");

    auto *window = new frmSimpleMsg;
    const QString folder = QStringLiteral("/home/ann/Pictures/beach_poster_images");
    window->ShowSaveOkMsg(folder);

    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Finished"));
    EXPECT_EQ(control<QLabel>(window, "lblTitle")->text(), QStringLiteral("Images Saved Successfully"));
    EXPECT_EQ(control<QLabel>(window, "lblMsg")->text(),
              QStringLiteral("Your poster images were saved successfully and are now ready for you to print.  "
                             "They are located in the following folder:"));
    EXPECT_EQ(withoutAccessKey(control<QPushButton>(window, "cmdOk")->text()), QStringLiteral("Finished"));
    EXPECT_FALSE(control<QLabel>(window, "imgCheck")->pixmap().isNull());
    EXPECT_EQ(window->folderLinkTarget(), folder);
    EXPECT_TRUE(control<QLabel>(window, "lnkFol")->text().contains(folder));

    Q_EMIT control<QLabel>(window, "lnkFol")->linkActivated(QStringLiteral("folder"));
    QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
    ASSERT_EQ(recorder.opened.size(), 1);
    EXPECT_EQ(recorder.opened.first(), QUrl::fromLocalFile(folder));

    // With no program to open folders (the test platform has none), the path is shown.
    ScriptedMessages messages;
    Q_EMIT control<QLabel>(window, "lnkFol")->linkActivated(QStringLiteral("folder"));
    ASSERT_EQ(messages.shown().size(), 1);
    EXPECT_EQ(messages.last().text, SaveWindowStrings::noFolderOpenerText(folder));

    control<QPushButton>(window, "cmdOk")->click();
    EXPECT_FALSE(window->isVisible());
}

TEST(frmSimpleMsg, FolderCaptionIsWrappedAndShownLiterally)
{
    frmSimpleMsg window;

    // All separators lie within the first 35 characters: one line.
    const QString shortFolder = QStringLiteral("/a/b/c/d/e/f/g/h/i/j/k/abcdefghijklm");
    window.ShowSaveOkMsg(shortFolder);
    EXPECT_FALSE(control<QLabel>(&window, "lnkFol")->text().contains(QStringLiteral("<br>")));

    // No separator after position 35 and no blank: forced break after 55 characters.
    const QString longFolder = QStringLiteral("/x/") + QString(67, QLatin1Char('a'));
    window.ShowSaveOkMsg(longFolder);
    EXPECT_TRUE(control<QLabel>(&window, "lnkFol")->text().contains(QStringLiteral("/x/") + QString(52, QLatin1Char('a')) +
                                              QStringLiteral("<br>") + QString(15, QLatin1Char('a'))));

    // Folder names may hold characters that mean something in rich text.
    const QString markupFolder = QStringLiteral("/tmp/<b>Tom & Jerry</b>");
    window.ShowSaveOkMsg(markupFolder);
    EXPECT_TRUE(control<QLabel>(&window, "lnkFol")->text().contains(QStringLiteral("&lt;b&gt;Tom &amp; Jerry&lt;/b&gt;")));
    EXPECT_EQ(window.folderLinkTarget(), markupFolder);
}

#include "frmSimpleMsgTest.moc"
