#include "os/desktop/Application.h"

#include <QApplication>
#include <QFont>
#include <QFontDatabase>
#include <filesystem>

namespace os {

struct Application::Parts {
    Parts(int& argc, char** argv) : application(argc, argv) { QApplication::setQuitOnLastWindowClosed(true); }
    QApplication application;
};

Application::Application(int& argc, char** argv) : parts_(std::make_unique<Parts>(argc, argv)) {}

Application::~Application() = default;

int Application::Run() { return QApplication::exec(); }

void UseProgramFont() {
    const bool liberation = QFontDatabase::families().contains("Liberation Sans");
    QFont font = liberation ? QFont("Liberation Sans") : QFontDatabase::systemFont(QFontDatabase::GeneralFont);
    if (!liberation) font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(8);
    QApplication::setFont(font);
}

void InitCommonControls() {}

void SetDesktopEntryName(const std::string& name) { QGuiApplication::setDesktopFileName(QString::fromStdString(name)); }

std::string ExecutablePath() {
    std::error_code error;
    const auto path = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error) return (std::filesystem::current_path(error) / "kestrany").string();
    return path.string();
}

std::string ExecutableFolder() { return std::filesystem::path(ExecutablePath()).parent_path().string(); }

std::string CurrentDirectory() {
    std::error_code error;
    const auto path = std::filesystem::current_path(error);
    return error ? std::string() : path.string();
}

}  // namespace os
