#pragma once

namespace app {

// The process: common initialisation, the two file paths, the main window
// created and shown; then the message loop until the last window closes.
// Failures in the start-up steps are passed over.
// "--write-language-template FILE" instead writes the translator's
// template of every window into FILE and ends: status 0, or 1 with a line on
// stderr when the file could not be written (2 when FILE is missing).
int RunKestrany(int argc, char** argv);

}  // namespace app
