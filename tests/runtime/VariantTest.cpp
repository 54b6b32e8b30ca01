#include <gtest/gtest.h>

#include "runtime/Error.h"
#include "runtime/NumberSeparators.h"
#include "runtime/Variant.h"

using runtime::Variant;

namespace {

int ErrorNumberOf(const std::function<void()>& f) {
    try {
        f();
    } catch (const runtime::Error& e) {
        return e.Number();
    }
    return 0;
}

class SeparatorsGuard {
public:
    explicit SeparatorsGuard(runtime::NumberSeparators s) : saved_(runtime::UserSeparators()) {
        runtime::SetUserSeparators(std::move(s));
    }
    ~SeparatorsGuard() { runtime::SetUserSeparators(saved_); }

private:
    runtime::NumberSeparators saved_;
};

struct Holder : runtime::VariantObject {
    Variant value;
    explicit Holder(Variant v) : value(std::move(v)) {}
    Variant Value() const override { return value; }
};

}  // namespace

TEST(Variant, TypesAreKept) {
    EXPECT_EQ(Variant().GetType(), Variant::Type::Empty);
    EXPECT_EQ(Variant(runtime::Null{}).GetType(), Variant::Type::Null);
    EXPECT_EQ(Variant(std::int16_t{1}).GetType(), Variant::Type::Integer);
    EXPECT_EQ(Variant(std::int32_t{1}).GetType(), Variant::Type::Long);
    EXPECT_EQ(Variant(1.0).GetType(), Variant::Type::Double);
    EXPECT_EQ(Variant("x").GetType(), Variant::Type::String);
    EXPECT_EQ(Variant(runtime::Currency{15000}).GetType(), Variant::Type::Currency);
    EXPECT_TRUE(Variant(runtime::Date{1}).IsNumeric());
    EXPECT_FALSE(Variant("1").IsNumeric());
}

TEST(Variant, TextUsesTheUserDecimalMark) {
    SeparatorsGuard comma({",", "."});
    EXPECT_EQ(Variant(2.5).ToText(), "2,5");
    EXPECT_EQ(Variant("1,5").ToDouble(), 1.5);
    EXPECT_EQ(Variant(runtime::Currency{15000}).ToText(), "1,5");
    EXPECT_EQ(Variant(1.1f).ToText(), "1,1");
}

TEST(Variant, Conversions) {
    EXPECT_EQ(Variant(true).ToText(), "True");
    EXPECT_EQ(Variant(true).ToDouble(), -1);
    EXPECT_EQ(Variant(std::int32_t{-7}).ToText(), "-7");
    EXPECT_EQ(Variant(2.5).ToLong(), 2);
    EXPECT_EQ(Variant(3.5).ToInteger(), 4);
    EXPECT_TRUE(Variant("TRUE").ToBoolean());
    EXPECT_FALSE(Variant("0").ToBoolean());
    EXPECT_EQ(Variant(runtime::Date{45000}).ToText(), "2023-03-15");
    EXPECT_EQ(Variant(runtime::Date{0.5}).ToText(), "1899-12-30 12:00:00");
    auto object = std::make_shared<Holder>(Variant(4.25));
    EXPECT_EQ(Variant(runtime::ObjectRef(object)).ToDouble(), 4.25);
}

TEST(Variant, ConversionErrors) {
    EXPECT_EQ(ErrorNumberOf([] { Variant("abc").ToDouble(); }), 13);
    EXPECT_EQ(ErrorNumberOf([] { Variant("maybe").ToBoolean(); }), 13);
    EXPECT_EQ(ErrorNumberOf([] { Variant(runtime::Null{}).ToText(); }), 94);
    EXPECT_EQ(ErrorNumberOf([] { Variant(1e10).ToLong(); }), 6);
    EXPECT_EQ(ErrorNumberOf([] { Variant(runtime::Date{1e12}).ToText(); }), 6);
    EXPECT_EQ(ErrorNumberOf([] { Variant(std::make_shared<std::vector<Variant>>()).ToDouble(); }), 13);
}
