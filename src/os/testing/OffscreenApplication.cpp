#include "os/testing/OffscreenApplication.h"

#include <QApplication>

namespace os::testing {

struct OffscreenApplication::Parts {
    Parts(int& argc, char** argv) : application((qputenv("QT_QPA_PLATFORM", "offscreen"), argc), argv) {}
    QApplication application;
};

OffscreenApplication::OffscreenApplication(int& argc, char** argv) : parts_(std::make_unique<Parts>(argc, argv)) {}

OffscreenApplication::~OffscreenApplication() = default;

}  // namespace os::testing
