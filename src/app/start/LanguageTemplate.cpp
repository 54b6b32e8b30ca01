#include "app/start/LanguageTemplate.h"

#include "app/files/LanguageFile.h"
#include "app/files/LanguageTexts.h"
#include "app/files/Paths.h"
#include "app/about/frmAbout.h"
#include "app/chart/frmChart.h"
#include "app/main/frmMain.h"
#include "app/preview/frmPrint.h"
#include "calc/texts/ResultColumns.h"
#include "forms/Form.h"
#include "os/files/AtomicFile.h"
#include "os/files/ProfileDocument.h"

namespace app {

namespace {

// Points the settings and language files nowhere for its life, so that the
// windows show their built-in texts and nothing the user keeps is touched.
class NoFilesScope {
public:
    NoFilesScope() : ini_(IniPath()), lang_(LangPath()) {
        SetIniPath("");
        SetLangPath("");
    }
    ~NoFilesScope() {
        SetIniPath(ini_);
        SetLangPath(lang_);
    }
    NoFilesScope(const NoFilesScope&) = delete;
    NoFilesScope& operator=(const NoFilesScope&) = delete;

private:
    std::string ini_;
    std::string lang_;
};

void AddWindow(os::ProfileDocument& document, const forms::Form& window) {
    const std::string& section = window.Name();
    document.SetValue(section, "caption", window.Caption());
    ForEachTemplateText(window, [&](const std::string& key, const std::string& text) {
        document.SetValue(section, key, text);
    });
}

// The texts that no control shows: the results' column titles, menu items and messages.
void AddKeyedTexts(os::ProfileDocument& document) {
    for (const calc::ResultColumn& column : calc::kResultColumns)
        if (!column.languageKey.empty())
            document.SetValue("frmMain", std::string(column.languageKey), std::string(column.title));
    document.SetValue("frmMain", std::string(calc::kMarksTipKey), std::string(calc::kMarksTip));
    for (const LanguageText& text : kKeyedLanguageTexts) document.SetValue(text.section, text.key, text.text);
}

std::string TemplateText() {
    const NoFilesScope noFiles;
    frmMain main;
    main.Window().Load();  // the gear boxes and the input boxes' first values
    frmChart chart(main);
    const frmAbout about;
    const frmPrint preview;

    os::ProfileDocument document("");
    AddWindow(document, main.Window());
    AddWindow(document, chart.Window());
    AddWindow(document, about.Window());
    AddWindow(document, preview.Window());
    AddKeyedTexts(document);  // each into the section of its window
    return document.Text();
}

}  // namespace

bool WriteLanguageTemplateFile(const std::string& path) { return os::ReplaceFileContents(path, TemplateText()); }

}  // namespace app
