#include <gtest/gtest.h>

#include "os/drawing/Text.h"
#include "os/drawing/TextLayout.h"

namespace {

using namespace os;

// Every character is 5 pixels wide.
int Measure(std::string_view text) { return static_cast<int>(text.size()) * 5; }

std::vector<std::string> Texts(const std::vector<TextLine>& lines) {
    std::vector<std::string> texts;
    for (const TextLine& line : lines) texts.push_back(line.text);
    return texts;
}

TEST(TextLayout, LinesForEachFormat) {
    struct Case { const char* text; int width; UINT format; std::vector<std::string> lines; };
    const Case cases[] = {
        {"one two three", 100, DT_SINGLELINE, {"one two three"}},
        {"one two three", 40, DT_WORDBREAK, {"one two", "three"}},
        {"one\r\ntwo\nthree", 100, 0, {"one", "two", "three"}},
        {"one\ntwo", 100, DT_SINGLELINE, {"one two"}},
        {"averyveryverylongword x", 30, DT_WORDBREAK, {"averyveryverylongword", "x"}},
        {"", 30, DT_WORDBREAK, {""}},
        {"abcdefghij", 30, DT_SINGLELINE | DT_END_ELLIPSIS, {"abc..."}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Texts(LayoutText(c.text, c.width, c.format, Measure)), c.lines) << c.text;
    }
}

TEST(TextLayout, LinesCarryTheirWidths) {
    const auto lines = LayoutText("ab cde", 20, DT_WORDBREAK, Measure);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0].width, 10);
    EXPECT_EQ(lines[1].width, 15);
}

TEST(TextLayout, Ellipses) {
    EXPECT_EQ(ElideEnd("abcdef", 30, Measure), "abcdef");
    EXPECT_EQ(ElideEnd("abcdefg", 30, Measure), "abc...");
    EXPECT_EQ(ElideEnd("abcdefg", 10, Measure), "...");
    EXPECT_EQ(ElidePath("c:\\long\\folder\\file.txt", 90, Measure), "c:\\lon...\\file.txt");
    EXPECT_EQ(ElidePath("nofolder-name", 40, Measure), "nofol...");
    EXPECT_EQ(ElideEnd("\xD0\xA1\xD0\xB1\xD0\xBE\xD1\x80\xD0\xBA\xD0\xB0", 40, Measure), "\xD0\xA1\xD0\xB1...")
        << "cut between characters, never inside one";
}

TEST(TextLayout, Mnemonics) {
    EXPECT_EQ(StripPrefix("&File"), "File");
    EXPECT_EQ(StripPrefix("Fish && Chips"), "Fish & Chips");
    EXPECT_EQ(StripPrefix("end&"), "end");
}

}  // namespace
