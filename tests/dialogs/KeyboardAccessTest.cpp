#include "dialogs/KeyboardAccess.h"

#include <QApplication>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

TEST(KeyboardAccessCloseOnEscape, EscapePressesTheWayOutOnlyWhileItCanBePressed)
{
    const struct
    {
        const char *name;
        bool withCloser;
        bool closerShown;
        bool closerEnabled;
        bool closesOrPresses;
    } cases[] = {
        {"no button", false, false, false, true},
        {"a shown button", true, true, true, true},
        {"a hidden button", true, false, true, false},
        {"a disabled button", true, true, false, false},
    };
    for (const auto &c : cases) {
        QWidget window;
        auto *closer = new QPushButton(QStringLiteral("Close"), &window);
        int presses = 0;
        QObject::connect(closer, &QPushButton::clicked, [&presses] { ++presses; });
        closeOnEscape(window, c.withCloser ? closer : nullptr);
        closer->setVisible(c.closerShown);
        closer->setEnabled(c.closerEnabled);
        window.show();
        QApplication::processEvents();
        QTest::keyClick(&window, Qt::Key_Escape);
        const bool acted = c.withCloser ? presses == 1 : !window.isVisible();
        EXPECT_EQ(acted, c.closesOrPresses) << c.name;
    }
}
