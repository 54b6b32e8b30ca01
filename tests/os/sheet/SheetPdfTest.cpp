// The sheet of text as a PDF file: every row once, the title and column
// titles on every page, and nothing left behind when the file cannot be
// written.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "PrintedText.h"
#include "TempFolder.h"
#include "os/files/AtomicFile.h"
#include "os/sheet/SheetPdf.h"

namespace {

runtime::TextSheet Sheet(int rows) {
    runtime::TextSheet sheet;
    sheet.title = "Gears 20 40   Leadscrew 1.5 mm";
    sheet.headers = {"thread", "A", "B", "C", "D", "+/- %", "comm"};
    for (int r = 0; r < rows; ++r) {
        const std::string b = std::to_string(20 + r / 3 * 5);
        sheet.rows.push_back(
            {{"Row " + std::to_string(r), "40", b, "35", "60", "0.01", r % 7 ? "" : "sec D low"}, r > 0 && r % 3 == 0});
    }
    return sheet;
}

}  // namespace

TEST(SheetPdf, EveryRowOnceAndTheHeadOnEveryPage) {
    const TempFolder folder;
    for (const int rows : {0, 5, 70}) {
        const std::string pdf = folder.File("sheet" + std::to_string(rows) + ".pdf");
        ASSERT_TRUE(os::WriteTextSheetPdf(Sheet(rows), pdf, "Thread chart")) << rows;
        const PrintedText printed(pdf);
        ASSERT_TRUE(printed.Readable()) << rows;
        EXPECT_EQ(printed.Pages().size() > 1, rows == 70) << rows;
        for (const auto& page : printed.Pages()) {
            EXPECT_TRUE(PrintedText::StartsWith(page, {"Gears", "20", "40", "Leadscrew", "1.5", "mm"})) << rows;
            EXPECT_EQ(PrintedText::CountIn(page, {"thread", "A", "B", "C", "D", "+/-", "%", "comm"}), 1u) << rows;
        }
        for (int r = 0; r < rows; ++r)
            EXPECT_EQ(printed.Count({"Row", std::to_string(r), "40"}), 1u) << rows << ": row " << r;
        EXPECT_EQ(printed.Count({"sec", "D", "low"}), static_cast<std::size_t>((rows + 6) / 7)) << rows;
    }
}

TEST(SheetPdf, AFailedWriteLeavesNoFileAndTheOldOneWhole) {
    const TempFolder folder;
    const std::string pdf = folder.File("chart.pdf");
    for (const os::WriteFault fault : {os::WriteFault::Write, os::WriteFault::Rename}) {
        os::InjectWriteFault(1, fault);
        EXPECT_FALSE(os::WriteTextSheetPdf(Sheet(3), pdf, "Thread chart"));
        EXPECT_FALSE(std::filesystem::exists(pdf));
    }
    TempFolder::Write(pdf, "old");
    os::InjectWriteFault(1, os::WriteFault::Write);
    EXPECT_FALSE(os::WriteTextSheetPdf(Sheet(3), pdf, "Thread chart"));
    EXPECT_EQ(TempFolder::Read(pdf), "old");
    EXPECT_EQ(folder.EntryCount(), 1u);  // no temporary left
    EXPECT_FALSE(os::WriteTextSheetPdf(Sheet(3), folder.File("no/such/folder.pdf"), "Thread chart"));
}
