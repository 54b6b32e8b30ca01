#pragma once

#include <memory>
#include <string>

namespace os {

// The program's one application object and its message loop. The loop ends
// when the last open window has closed.
class Application {
public:
    Application(int& argc, char** argv);
    ~Application();
    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;

    // Runs the message loop; returns the exit code.
    int Run();

private:
    struct Parts;
    std::unique_ptr<Parts> parts_;
};

// Makes the program's font (Liberation Sans 8 pt, or the system's sans when
// that is not installed) the font of every window created afterwards, so
// that texts fit the boxes laid out for it.
void UseProgramFont();

// Prepares the standard controls. Qt needs nothing for it; kept so that
// start-up reads in its usual order.
void InitCommonControls();

// Names the desktop entry (without ".desktop") that the desktop matches the
// program's windows with, for their icon and title in task bars; on Wayland
// it is the windows' application id.
void SetDesktopEntryName(const std::string& name);

// The running executable's path, with its file name as it lies in the
// folder ("kestrany-1.0", extension and all).
std::string ExecutablePath();
// The folder of the running executable, without a trailing separator.
std::string ExecutableFolder();
// The process's current directory.
std::string CurrentDirectory();

}  // namespace os
