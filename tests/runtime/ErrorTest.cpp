#include <gtest/gtest.h>

#include "runtime/Error.h"

using runtime::Error;

TEST(Error, CarriesNumberDescriptionAndSource) {
    Error e(26020, "Header not found", "kestrany.cFlatHeader");
    EXPECT_EQ(e.Number(), 26020);
    EXPECT_EQ(e.Description(), "Header not found");
    EXPECT_EQ(e.Source(), "kestrany.cFlatHeader");
    EXPECT_STREQ(e.what(), "Header not found");
}

TEST(Error, FallsBackToTheStandardText) {
    struct Case { int number; const char* text; };
    for (Case c : {Case{5, "Invalid procedure call or argument"}, Case{9, "Subscript out of range"},
                   Case{13, "Type mismatch"},
                   Case{457, "This key is already associated with an element of this collection"}}) {
        EXPECT_EQ(Error(c.number).Description(), c.text) << c.number;
    }
    EXPECT_EQ(runtime::StandardErrorText(12345), "");
}

