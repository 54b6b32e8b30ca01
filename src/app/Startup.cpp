#include "app/Startup.h"

#include <memory>

#include "app/Paths.h"
#include "app/frmMain.h"
#include "os/desktop/Application.h"
#include "runtime/HandlerBoundary.h"
#include "runtime/NumberSeparators.h"

namespace app {

int RunKestrany(int argc, char** argv) {
    os::Application application(argc, argv);
    os::UseProgramFont();
    os::SetDesktopEntryName(KESTRANY_APP_ID);
    runtime::SetUserSeparators(runtime::SeparatorsFromCLocale());
    runtime::RunHandler([] { os::InitCommonControls(); });
    runtime::RunHandler([] { FormFilePaths(); });
    std::unique_ptr<frmMain> mainWindow;
    runtime::RunHandler([&] {
        mainWindow = std::make_unique<frmMain>();
        mainWindow->Show();
    });
    return application.Run();
}

}  // namespace app
