#include "app/files/FailureMessage.h"

#include "app/files/LanguageFile.h"
#include "app/files/LanguageTexts.h"
#include "os/commoncontrols/MessageBox.h"

namespace app {

void TellFailure(os::HWND owner, const LanguageText& message, const std::string& detail) {
    std::string text = ReadLangText(message);
    if (!detail.empty()) text += (!text.empty() && text.back() == ':' ? "\n" : "\n\n") + detail;
    os::MessageBox(owner, text, "Kestrany", os::MB_OK | os::MB_ICONEXCLAMATION);
}

}  // namespace app
