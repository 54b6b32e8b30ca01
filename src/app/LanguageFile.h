#pragma once

#include <string>

namespace forms {
class Form;
}

namespace app {

// A text of the language file (section = a window's name), or the default.
std::string ReadLangText(const std::string& key, const std::string& section, const std::string& defaultValue);
// Stores a text in the language file; returns it.
std::string WriteLangText(const std::string& key, const std::string& value, const std::string& section);

// Replaces the window's built-in texts by those the language file holds for
// it: tooltips under the controls' language keys (tags), captions and text
// box texts under the controls' names, the title under "caption". Empty
// values count as missing.
void ApplyLanguage(forms::Form& window);
// Writes the window's current tooltips and texts into the language file, as
// a template for translators, in one replace of the file. Returns false, and
// tells the user, when the file could not be written.
bool WriteLanguageTemplate(const forms::Form& window);

}  // namespace app
