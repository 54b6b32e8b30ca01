#pragma once

#include <array>

namespace app {

// A text of the language file that belongs to no control: its key in
// section frmMain and the built-in English it replaces.
struct LanguageText {
    const char* key;
    const char* text;
};

inline constexpr LanguageText kChartMenuText{"chart", "Thread chart"};
inline constexpr LanguageText kAboutMenuText{"about", "About"};
inline constexpr LanguageText kSaveAsText{"saveas", "Save as"};
inline constexpr LanguageText kSettingsNotSavedText{
    "settingsNotSaved",
    "The settings could not be saved. The folder may be read-only or the disk full; the settings file has been "
    "left as it was:"};
inline constexpr LanguageText kNoPrinterText{
    "noPrinter",
    "There is no default printer, so nothing was printed. Set up a printer as the default and print again."};
inline constexpr LanguageText kPrintPageFailedText{
    "printPageFailed", "The printer could not start a page, so the results were not printed completely."};
inline constexpr LanguageText kPrintEndFailedText{
    "printEndFailed", "The printer could not finish the document; the results may not have been printed."};

// Every one of them, for the translator's template.
inline constexpr std::array kKeyedLanguageTexts = {kChartMenuText,        kAboutMenuText, kSaveAsText,
                                                   kSettingsNotSavedText, kNoPrinterText, kPrintPageFailedText,
                                                   kPrintEndFailedText};

}  // namespace app
