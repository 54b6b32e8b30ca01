#include "app/start/Startup.h"

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "app/start/LanguageTemplate.h"
#include "app/files/Paths.h"
#include "app/main/frmMain.h"
#include "os/desktop/Application.h"
#include "runtime/HandlerBoundary.h"
#include "runtime/NumberSeparators.h"

namespace app {

namespace {

constexpr std::string_view kTemplateOption = "--write-language-template";

// What the command line asks for besides the window.
struct StartupRequest {
    std::optional<std::string> templatePath;  // --write-language-template FILE
    std::string error;                        // a bad command line, in one line
};

StartupRequest ReadCommandLine(int argc, char** argv) {
    StartupRequest request;
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg.starts_with(std::string(kTemplateOption) + "=")) {
            request.templatePath = std::string(arg.substr(kTemplateOption.size() + 1));
        } else if (arg == kTemplateOption) {
            if (i + 1 < argc) request.templatePath = argv[++i];
            else request.error = std::string(kTemplateOption) + " needs a file name";
        }
    }
    if (request.templatePath && request.templatePath->empty())
        request.error = std::string(kTemplateOption) + " needs a file name";
    return request;
}

// What every run needs once the application exists.
void PrepareProcess() {
    os::UseProgramFont();
    runtime::SetUserSeparators(runtime::SeparatorsFromCLocale());
    runtime::RunHandler([] { os::InitCommonControls(); });
}

// The template's windows are never shown, so no display is needed for it.
int WriteTemplate(int argc, char** argv, const std::string& path) {
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    os::Application application(argc, argv);
    PrepareProcess();
    bool written = false;
    runtime::RunHandler([&] { written = WriteLanguageTemplateFile(path); });
    if (written) return 0;
    std::fprintf(stderr, "kestrany: the language template could not be written: %s\n", path.c_str());
    return 1;
}

}  // namespace

int RunKestrany(int argc, char** argv) {
    const StartupRequest request = ReadCommandLine(argc, argv);
    if (!request.error.empty()) {
        std::fprintf(stderr, "kestrany: %s\n", request.error.c_str());
        return 2;
    }
    if (request.templatePath) return WriteTemplate(argc, argv, *request.templatePath);

    os::Application application(argc, argv);
    os::SetDesktopEntryName(KESTRANY_APP_ID);
    PrepareProcess();
    runtime::RunHandler([] { FormFilePaths(); });
    std::unique_ptr<frmMain> mainWindow;
    runtime::RunHandler([&] {
        mainWindow = std::make_unique<frmMain>();
        mainWindow->Show();
    });
    return application.Run();
}

}  // namespace app
