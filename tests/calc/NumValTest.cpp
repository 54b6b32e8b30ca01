#include <gtest/gtest.h>

#include "calc/inputs/NumVal.h"

using calc::NumVal;
using runtime::Variant;

TEST(NumVal, ReadsFieldTexts) {
    struct Case { const char* text; double value; };
    const Case cases[] = {
        {"1,5", 1}, {" -2", -2}, {"$3", 3}, {"3$", 3}, {">0.5", 0.5}, {"<7", 7}, {"~1.25", 1.25},
        {"abc", 0}, {"", 0}, {"   ", 0}, {"&H1F", 31}, {"1e3", 1000}, {"  40  ", 40},
        {"--2", 2},     // one leading character only; the rest reads as -2, then negated
        {">-3", -3},
        {"- 4", -4},
        {"1.5mm", 1.5},
    };
    for (const Case& c : cases) EXPECT_DOUBLE_EQ(NumVal(c.text), c.value) << '"' << c.text << '"';
}

TEST(NumVal, ScaledTextUsesTheFactor) {
    EXPECT_DOUBLE_EQ(NumVal("$3", 2), 6);
    EXPECT_DOUBLE_EQ(NumVal("3$", 2), 6);
    EXPECT_DOUBLE_EQ(NumVal("3", 2), 3);
    EXPECT_DOUBLE_EQ(NumVal("$3", 0), 3);
    EXPECT_DOUBLE_EQ(NumVal("-3$", 10), -30);
}

TEST(NumVal, ReadsValuesOfEveryKind) {
    struct Holder : runtime::VariantObject {
        Variant Value() const override { return Variant("12.5"); }
    };
    auto array = std::make_shared<std::vector<Variant>>(std::vector<Variant>{Variant("-4"), Variant(9.0)});
    EXPECT_EQ(NumVal(Variant()), 0);
    EXPECT_EQ(NumVal(Variant(runtime::Null{})), 0);
    EXPECT_EQ(NumVal(Variant(runtime::ErrorValue{13})), 0);
    EXPECT_EQ(NumVal(Variant(std::int32_t{42})), 42);
    EXPECT_EQ(NumVal(Variant(true)), -1);
    EXPECT_EQ(NumVal(Variant(runtime::Currency{25000})), 2.5);
    EXPECT_EQ(NumVal(Variant(" >2")), 2);
    EXPECT_EQ(NumVal(Variant(runtime::ObjectRef(std::make_shared<Holder>()))), 12.5);
    EXPECT_EQ(NumVal(Variant(runtime::ArrayRef(array))), -4);
    EXPECT_EQ(NumVal(Variant(std::make_shared<std::vector<Variant>>())), 0);
}
