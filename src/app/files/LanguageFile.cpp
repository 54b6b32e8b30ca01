#include "app/files/LanguageFile.h"

#include "app/files/FailureMessage.h"
#include "app/files/IniFile.h"
#include "app/files/LanguageTexts.h"
#include "app/files/Paths.h"
#include "forms/Form.h"
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

// The key of a control's text: its name, and for an element of a control
// array its name and index, "Option1(1)", so that the elements' texts differ.
std::string TextKey(const forms::Control& control) {
    if (control.Index() < 0) return control.Name();
    return control.Name() + "(" + std::to_string(control.Index()) + ")";
}

}  // namespace

void ForEachTemplateText(const forms::Form& window, const TemplateTextSink& put) {
    for (const forms::Control* control : window.Controls()) {
        if (!control->Tag().empty()) put(control->Tag(), control->ToolTipText());
        const std::string text = TemplateText(*control);
        if (!text.empty()) put(TextKey(*control), text);
    }
}

std::string ReadLangText(const std::string& key, const std::string& section, const std::string& defaultValue) {
    return ReadIni(section, key, defaultValue, LangPath());
}

std::string ReadLangText(const LanguageText& text) { return ReadLangText(text.key, text.section, text.text); }

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
        // An array element's own text comes before the text of the whole array.
        std::string text = control->Index() < 0 ? std::string() : ReadLangText(TextKey(*control), section, "");
        if (text.empty()) text = ReadLangText(control->Name(), section, "");
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
    ForEachTemplateText(window, [&section](const std::string& key, const std::string& text) {
        WriteLangText(key, text, section);
    });
    if (batch.Commit()) return true;
    TellFailure(window.hWnd(), kTemplateNotWrittenText, LangPath());
    return false;
}

}  // namespace app
