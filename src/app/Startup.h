#pragma once

namespace app {

// The process: common initialisation, the two file paths, the main window
// created and shown; then the message loop until the last window closes.
// Failures in the start-up steps are passed over.
int RunKestrany(int argc, char** argv);

}  // namespace app
