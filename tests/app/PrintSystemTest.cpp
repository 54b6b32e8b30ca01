// Prints through the system's real print system: the default printer must be
// a cups-pdf queue (scripts/print-queue sets one up), which writes every job
// as a PDF file into the folder its configuration names.
#include <gtest/gtest.h>

#include <pwd.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>

#include "MainWindowFixture.h"
#include "PrintedText.h"
#include "forms/testing/UserInput.h"
#include "os/commoncontrols/MessageBox.h"
#include "os/testing/SimulatedInput.h"
#include "os/windows/VirtualKeys.h"

namespace {

namespace fs = std::filesystem;

constexpr const char* kCupsPdfConfig = "/etc/cups/cups-pdf.conf";

std::string HomeFolder() {
    const passwd* user = ::getpwuid(::getuid());
    return user != nullptr && user->pw_dir != nullptr ? user->pw_dir : "/root";
}

std::string UserName() {
    const passwd* user = ::getpwuid(::getuid());
    return user != nullptr && user->pw_name != nullptr ? user->pw_name : "root";
}

// A folder setting of cups-pdf's configuration with ${HOME} and ${USER}
// filled in, or the fallback when the file does not set it.
std::string ConfiguredFolder(const std::string& key, const std::string& fallback) {
    std::ifstream config(kCupsPdfConfig);
    std::string value = fallback;
    for (std::string line; std::getline(config, line);) {
        std::istringstream words(line);
        std::string name, folder;
        if (words >> name >> folder && name == key) value = folder;
    }
    for (const auto& [name, replacement] : {std::pair<std::string, std::string>{"${HOME}", HomeFolder()},
                                            std::pair<std::string, std::string>{"${USER}", UserName()}}) {
        for (std::size_t at; (at = value.find(name)) != std::string::npos;) value.replace(at, name.size(), replacement);
    }
    return value;
}

// Where cups-pdf may put this user's jobs: its Out folder, and the folder
// of jobs from users it does not know.
std::vector<fs::path> OutputFolders() {
    return {ConfiguredFolder("Out", "${HOME}/PDF"),
            ConfiguredFolder("AnonDirName", "/var/spool/cups-pdf/ANONYMOUS")};
}

// The PDF files there, each with the time it was last written: cups-pdf
// names a file after the job's title, so printing the same table again
// writes a file of a name already seen, and only its time tells it apart.
std::map<fs::path, fs::file_time_type> PdfFiles() {
    std::map<fs::path, fs::file_time_type> files;
    for (const fs::path& folder : OutputFolders()) {
        std::error_code error;
        for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
            std::error_code timeError;
            const fs::file_time_type written = it->last_write_time(timeError);
            if (it->path().extension() == ".pdf" && !timeError) files[it->path()] = written;
        }
    }
    return files;
}

std::string DefaultDestination() {
    std::string output;
    FILE* pipe = ::popen("lpstat -d 2>/dev/null", "r");
    if (pipe == nullptr) return output;
    char chunk[512];
    for (std::size_t n; (n = std::fread(chunk, 1, sizeof chunk, pipe)) > 0;) output.append(chunk, n);
    ::pclose(pipe);
    return output;
}

class PrintSystemTest : public MainWindowTest {
protected:
    PrintSystemTest() { os::SetPrinterStandIn({}); }
};

TEST_F(PrintSystemTest, KeyboardPrintReachesTheDefaultPrinterWithEveryRow) {
    ASSERT_NE(DefaultDestination().find("KestranyPDF"), std::string::npos)
        << "The default printer is not the cups-pdf queue; run scripts/print-queue first";
    Open();
    forms::testing::TypeText(Inputs().request, "1.0");
    forms::testing::ClickWith(Controls().calculate, 1);
    ASSERT_EQ(window->Grid().Rows(), 26);

    std::vector<std::string> messages;
    os::SetMessageBoxPresenter([&](os::HWND, const std::string& text, const std::string&, os::UINT) {
        messages.push_back(text);
        return os::IDOK;
    });
    const std::map<fs::path, fs::file_time_type> before = PdfFiles();
    Controls().print.SetFocus();
    os::testing::KeyClick(Controls().print.hWnd(), os::VK_SPACE);
    os::ProcessPendingEvents();
    os::SetMessageBoxPresenter({});
    ASSERT_TRUE(messages.empty()) << messages.front();

    // cups-pdf writes the file through Ghostscript; wait until a new file
    // reads as a whole table.
    const auto row = [&](int r) {
        std::vector<std::string> words;
        for (int c = 0; c < window->Grid().Cols(); ++c) {
            for (const std::string& word : PrintedText::Words(window->Grid().TextMatrix(r, c))) words.push_back(word);
        }
        return words;
    };
    std::unique_ptr<PrintedText> printed;
    const bool arrived = os::ProcessEventsUntil(
        [&] {
            for (const auto& [file, written] : PdfFiles()) {
                const auto seen = before.find(file);
                if (seen != before.end() && seen->second == written) continue;
                auto candidate = std::make_unique<PrintedText>(file.string());
                if (candidate->Readable() && candidate->Count(row(25)) == 1) {
                    printed = std::move(candidate);
                    return true;
                }
            }
            ::usleep(200 * 1000);
            return false;
        },
        120 * 1000);
    ASSERT_TRUE(arrived) << "no printed PDF appeared in " << OutputFolders().front() << " or "
                         << OutputFolders().back();
    ASSERT_EQ(printed->Pages().size(), 1u);
    EXPECT_TRUE(PrintedText::StartsWith(printed->Pages().front(),
                                        {"A", "B", "C", "D", "+/-", "%", "pitch,", "mm", "tpi", "comm"}));
    for (int r = 0; r < 26; ++r) EXPECT_EQ(printed->Count(row(r)), 1u) << "row " << r;
}

}  // namespace
