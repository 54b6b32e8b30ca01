#pragma once

#include <array>

namespace app {

// A text of the language file that belongs to no control: its key, the
// built-in English it replaces, and the section (a window's name) it is
// found in.
struct LanguageText {
    const char* key;
    const char* text;
    const char* section = "frmMain";
};

inline constexpr LanguageText kChartMenuText{"chart", "Thread chart"};
inline constexpr LanguageText kAboutMenuText{"about", "About"};
inline constexpr LanguageText kSaveAsText{"saveas", "Save as"};

// The messages of failures. A text that ends in a colon introduces the
// detail shown after it (a file's path).
inline constexpr LanguageText kSettingsNotSavedText{
    "settingsNotSaved",
    "The settings could not be saved. The folder may be read-only or the disk full; the settings file has been "
    "left as it was:"};
inline constexpr LanguageText kSettingsInMemoryText{
    "settingsInMemory",
    "The settings cannot be saved: no home folder is known (HOME is not set and the user database names none). "
    "They were kept only while the program ran."};
inline constexpr LanguageText kNotEnoughMemoryText{
    "notEnoughMemory",
    "There was not enough memory to finish this. Narrow the tolerance, so that fewer trains qualify, and try "
    "again."};
inline constexpr LanguageText kNoPrinterText{
    "noPrinter",
    "There is no default printer, so nothing was printed. Set up a printer as the default and print again."};
inline constexpr LanguageText kPrintPageFailedText{
    "printPageFailed", "The printer could not start a page, so the results were not printed completely."};
inline constexpr LanguageText kPrintEndFailedText{
    "printEndFailed", "The printer could not finish the document; the results may not have been printed."};
inline constexpr LanguageText kCsvNotSavedText{
    "saveCsvFailed",
    "The results could not be saved. The folder may be read-only or the disk full. An existing file of that name "
    "has been left as it was."};
inline constexpr LanguageText kTemplateNotWrittenText{
    "templateFailed",
    "The language template could not be written; the language file has been left as it was:"};
inline constexpr LanguageText kPdfNotSavedText{
    "savePdfFailed",
    "The chart could not be saved as PDF. The folder may be read-only or the disk full. An existing file of that "
    "name has been left as it was.",
    "frmChart"};
inline constexpr LanguageText kNoEmptyGearBoxText{
    "suggestnobox", "There is no empty gear box for it in the main window. Empty one and try again.", "frmSuggest"};

// Every one of them, for the translator's template.
inline constexpr std::array kKeyedLanguageTexts = {
    kChartMenuText,       kAboutMenuText,      kSaveAsText,      kSettingsNotSavedText,   kSettingsInMemoryText,
    kNotEnoughMemoryText, kNoPrinterText,      kPrintPageFailedText, kPrintEndFailedText, kCsvNotSavedText,
    kTemplateNotWrittenText, kPdfNotSavedText, kNoEmptyGearBoxText};

}  // namespace app
