// The language file applied to the main window: any file text must leave a
// window that loads and lays out without a fault.
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "app/files/Paths.h"
#include "app/main/frmMain.h"
#include "os/testing/OffscreenApplication.h"
#include "os/desktop/Application.h"
#include "os/desktop/EventLoop.h"

namespace {

struct Session {
    Session() {
        static int argc = 1;
        static char name[] = "kestrany-fuzz";
        static char* argv[] = {name, nullptr};
        application = new os::testing::OffscreenApplication(argc, argv);
        os::UseProgramFont();
        std::string pattern = (std::filesystem::temp_directory_path() / "kestrany-fuzz-XXXXXX").string();
        folder = ::mkdtemp(pattern.data());
        app::SetIniPath(folder + "/kestrany.ini");
        app::SetLangPath(folder + "/lang.txt");
    }
    os::testing::OffscreenApplication* application;  // lives as long as the process
    std::string folder;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static Session session;
    std::ofstream(session.folder + "/lang.txt", std::ios::binary | std::ios::trunc)
        .write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    {
        app::frmMain window;
        window.Window().Load();
        window.Window().Move(0, 0, 9000, 8000);
        os::ProcessPendingEvents();
    }
    std::filesystem::remove(session.folder + "/kestrany.ini");
    return 0;
}
