#include "common/LazyLibrary.h"

#include <gtest/gtest.h>

// A library is found with its functions; a missing function is null; a missing library
// gives null for every function and says why.
TEST(LazyLibrary, GivesTheLibrarysFunctionsOrSaysWhyNot)
{
    LazyLibrary present("libm.so.6");
    EXPECT_NE(present.function("cos"), nullptr);
    EXPECT_EQ(present.function("no_such_function_anywhere"), nullptr);
    EXPECT_TRUE(present.errorText().isEmpty());

    LazyLibrary absent("libquiltera-never-installed.so.9");
    EXPECT_EQ(absent.function("cos"), nullptr);
    EXPECT_TRUE(absent.errorText().contains("libquiltera-never-installed.so.9"));
}
