#include "common/TextHelpers.h"

#include <gtest/gtest.h>

TEST(TextHelpers, LeftTakesWhatThereIs)
{
    const QString path = QStringLiteral("/home/ann/pics");
    EXPECT_EQ(sleft(path, 5), QStringLiteral("/home"));
    EXPECT_EQ(sleft(path, 0), QString());
    EXPECT_EQ(sleft(path, 100), path);
    EXPECT_FALSE(sleft(path, -1).has_value());
}

TEST(TextHelpers, RightRefusesMoreThanTheText)
{
    const QString path = QStringLiteral("/home/ann/pics");
    EXPECT_EQ(sRight(path, 4), QStringLiteral("pics"));
    EXPECT_EQ(sRight(path, path.size()), path);
    EXPECT_EQ(sRight(path, 0), QString());
    EXPECT_FALSE(sRight(path, path.size() + 1).has_value());
    EXPECT_FALSE(sRight(path, -1).has_value());
    EXPECT_FALSE(sRight(QString(), 1).has_value());
}
