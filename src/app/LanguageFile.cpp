#include "app/LanguageFile.h"

#include "app/IniFile.h"
#include "app/Paths.h"
#include "forms/Form.h"
#include "os/commoncontrols/MessageBox.h"
#include "os/files/ProfileFiles.h"

namespace app {

namespace {

bool HasText(const forms::Control& control) {
    return control.Kind() != forms::ControlKind::Picture && control.Kind() != forms::ControlKind::Host;
}

void ApplyControlText(forms::Control& control, const std::string& text) {
    if (control.Kind() == forms::ControlKind::TextBox) control.SetText(text);
    else if (HasText(control)) control.SetCaption(text);
}

std::string TemplateText(const forms::Control& control) {
    if (control.Kind() == forms::ControlKind::TextBox) return control.Text();
    return HasText(control) ? control.Caption() : std::string();
}

}  // namespace

std::string ReadLangText(const std::string& key, const std::string& section, const std::string& defaultValue) {
    return ReadIni(section, key, defaultValue, LangPath());
}

std::string WriteLangText(const std::string& key, const std::string& value, const std::string& section) {
    WriteIni(section, key, value, LangPath());
    return value;
}

void ApplyLanguage(forms::Form& window) {
    const std::string& section = window.Name();
    for (forms::Control* control : window.Controls()) {
        if (!control->Tag().empty()) {
            const std::string tip = ReadLangText(control->Tag(), section, "");
            if (!tip.empty()) control->SetToolTipText(tip);
        }
        const std::string text = ReadLangText(control->Name(), section, "");
        if (!text.empty()) ApplyControlText(*control, text);
    }
    const std::string title = ReadLangText("caption", section, "");
    if (!title.empty()) window.SetCaption(title);
}

// All texts go into the file in one replace, so a failed write leaves the
// previous language file whole; the user is told.
bool WriteLanguageTemplate(const forms::Form& window) {
    const std::string& section = window.Name();
    os::ProfileWriteBatch batch(LangPath());
    for (const forms::Control* control : window.Controls()) {
        if (!control->Tag().empty()) WriteLangText(control->Tag(), control->ToolTipText(), section);
        const std::string text = TemplateText(*control);
        if (!text.empty()) WriteLangText(control->Name(), text, section);
    }
    if (batch.Commit()) return true;
    os::MessageBox(window.hWnd(), "The language template could not be written; the language file has been left "
                                  "as it was:\n" + LangPath(),
                   "Kestrany", os::MB_OK | os::MB_ICONEXCLAMATION);
    return false;
}

}  // namespace app
