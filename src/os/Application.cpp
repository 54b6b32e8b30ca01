#include "os/Application.h"

#include <QApplication>
#include <filesystem>

namespace os {

struct Application::Parts {
    Parts(int& argc, char** argv) : application(argc, argv) { QApplication::setQuitOnLastWindowClosed(true); }
    QApplication application;
};

Application::Application(int& argc, char** argv) : parts_(std::make_unique<Parts>(argc, argv)) {}

Application::~Application() = default;

int Application::Run() { return QApplication::exec(); }

void InitCommonControls() {}

std::string ExecutableFolder() {
    std::error_code error;
    const auto path = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error) return std::filesystem::current_path(error).string();
    return path.parent_path().string();
}

std::string CurrentDirectory() {
    std::error_code error;
    const auto path = std::filesystem::current_path(error);
    return error ? std::string() : path.string();
}

}  // namespace os
