#include <gtest/gtest.h>

#include <cstdio>
#include <sstream>
#include <string>
#include <vector>

#include "TempFolder.h"
#include "os/printing/PrinterPage.h"

namespace {

std::string Output(const std::string& command) {
    std::string output;
    FILE* pipe = ::popen(command.c_str(), "r");
    if (pipe == nullptr) return output;
    char chunk[4096];
    for (std::size_t n; (n = std::fread(chunk, 1, sizeof chunk, pipe)) > 0;) output.append(chunk, n);
    ::pclose(pipe);
    return output;
}

class PrinterPageTest : public ::testing::Test {
protected:
    ~PrinterPageTest() override { os::SetPrinterStandIn({}); }
    void UsePdf(const std::string& path) { os::SetPrinterStandIn({os::PrinterStandIn::Kind::PdfFile, path}); }

    TempFolder folder;
};

TEST_F(PrinterPageTest, TextGoesWhereThePositionSaysInTheFaceGiven) {
    const std::string pdf = folder.File("page.pdf");
    UsePdf(pdf);
    {
        os::PrinterPage printer;
        EXPECT_FALSE(printer.SetFontName("No Such Face Anywhere"));
        EXPECT_TRUE(printer.SetFontName("Liberation Serif"));
        EXPECT_FALSE(printer.SetFontName(""));
        EXPECT_EQ(printer.FontName(), "Liberation Serif");
        ASSERT_EQ(printer.StartDoc("Kestrany"), os::PrintFailure::None);
        EXPECT_GT(printer.ScaleHeight(), 10000);  // A4 or Letter, less the printer's margins
        printer.SetFontSize(10);
        printer.SetCurrentX(900);
        printer.SetCurrentY(900);
        printer.Print("first");
        EXPECT_EQ(printer.CurrentX(), 900);  // the position stays after text
        EXPECT_EQ(printer.CurrentY(), 900);
        printer.SetFontItalic(true);
        printer.SetCurrentY(1200);
        printer.Print("second");
        printer.SetFontSize(-3);  // nonsense sizes are passed over
        EXPECT_EQ(printer.FontSize(), 10);
        EXPECT_TRUE(printer.NewPage());
        EXPECT_EQ(printer.CurrentY(), 0);
        printer.Print("third");
        EXPECT_EQ(printer.PageCount(), 2);
        EXPECT_EQ(printer.EndDoc(), os::PrintFailure::None);
    }
    // pdftotext ends every page with a form feed.
    std::vector<std::vector<std::string>> pages;
    std::istringstream text(Output("pdftotext '" + pdf + "' -"));
    for (std::string page; std::getline(text, page, '\f');) {
        std::istringstream words(page);
        pages.emplace_back();
        for (std::string word; words >> word;) pages.back().push_back(word);
    }
    const std::vector<std::vector<std::string>> expected = {{"first", "second"}, {"third"}};
    pages.resize(std::min<std::size_t>(pages.size(), 2));
    EXPECT_EQ(pages, expected);
    const std::string fonts = Output("pdffonts '" + pdf + "'");
    EXPECT_NE(fonts.find("LiberationSerif "), std::string::npos) << fonts;
    EXPECT_NE(fonts.find("LiberationSerif-Italic"), std::string::npos) << fonts;
}

TEST_F(PrinterPageTest, RoomEndsAtThePrintableBottom) {
    UsePdf(folder.File("room.pdf"));
    os::PrinterPage printer;
    ASSERT_EQ(printer.StartDoc("Kestrany"), os::PrintFailure::None);
    const std::int32_t bottom = printer.ScaleHeight();
    struct Case {
        std::int32_t y, height;
        bool fits;
    };
    for (const Case& test : {Case{0, bottom, true}, Case{bottom - 1140, 1140, true}, Case{bottom - 1139, 1140, false},
                             Case{bottom, 0, true}, Case{bottom + 1, 0, false}}) {
        printer.SetCurrentY(test.y);
        EXPECT_EQ(printer.MakeRoom(test.height), test.fits) << test.y << " + " << test.height;
    }
}

TEST_F(PrinterPageTest, FailuresAreNamedAndLeaveNothingHalfDone) {
    struct Case {
        os::PrinterStandIn standIn;
        os::PrintFailure expected;
    };
    const Case cases[] = {
        {{os::PrinterStandIn::Kind::NoPrinter, {}}, os::PrintFailure::NoPrinter},
        {{os::PrinterStandIn::Kind::PdfFile, folder.File("missing/folder/x.pdf")}, os::PrintFailure::PageNotStarted},
    };
    for (const Case& test : cases) {
        os::SetPrinterStandIn(test.standIn);
        os::PrinterPage printer;
        EXPECT_EQ(printer.StartDoc("Kestrany"), test.expected);
        printer.Print("nowhere");  // quietly nothing
        EXPECT_FALSE(printer.NewPage());
        EXPECT_EQ(printer.EndDoc(), test.expected);
        EXPECT_EQ(printer.Failure(), test.expected);
        EXPECT_EQ(printer.PageCount(), 0);
    }
    EXPECT_EQ(folder.EntryCount(), 0u);
}

}  // namespace
