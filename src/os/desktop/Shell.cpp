#include "os/desktop/Shell.h"

#include <QDesktopServices>
#include <QUrl>

namespace os {

namespace {

ShellOpener& Opener() {
    static ShellOpener opener;
    return opener;
}

bool OpenOnDesktop(const std::string& address) {
    const QUrl url = QUrl::fromUserInput(QString::fromStdString(address));
    return url.isValid() && QDesktopServices::openUrl(url);
}

}  // namespace

std::intptr_t ShellExecute(HWND /*owner*/, const std::string& operation, const std::string& file,
                           const std::string& /*parameters*/, const std::string& /*directory*/, int /*showCommand*/) {
    if (file.empty() || !(operation.empty() || operation == "open")) return SE_ERR_NOASSOC;
    const bool opened = Opener() ? Opener()(file) : OpenOnDesktop(file);
    return opened ? SE_ERR_SUCCESS_ABOVE + 1 : SE_ERR_NOASSOC;
}

ShellOpener SetShellOpener(ShellOpener opener) {
    ShellOpener previous = std::move(Opener());
    Opener() = std::move(opener);
    return previous;
}

}  // namespace os
