#pragma once

#include <functional>
#include <string>

namespace forms {
class Form;
}

namespace app {

struct LanguageText;

// A text of the language file (section = a window's name), or the default.
std::string ReadLangText(const std::string& key, const std::string& section, const std::string& defaultValue);
// A text that belongs to no control, or its built-in English.
std::string ReadLangText(const LanguageText& text);
// Stores a text in the language file; returns it.
std::string WriteLangText(const std::string& key, const std::string& value, const std::string& section);

// Replaces the window's built-in texts by those the language file holds for
// it: tooltips under the controls' language keys (tags), captions and text
// box texts under the controls' names, the title under "caption". An element
// of a control array takes the text under its name and index, "Option1(1)",
// else the one under its name. Empty values count as missing.
void ApplyLanguage(forms::Form& window);
// Gives each text of the window's controls that the language file can
// replace, as `put(key, text)`: the tooltips under their language keys, the
// captions and text box texts under the controls' names (with the index for
// an array element). Not the window's title.
using TemplateTextSink = std::function<void(const std::string& key, const std::string& text)>;
void ForEachTemplateText(const forms::Form& window, const TemplateTextSink& put);
// Writes the window's current tooltips and texts into the language file, as
// a template for translators, in one replace of the file. Returns false, and
// tells the user, when the file could not be written.
bool WriteLanguageTemplate(const forms::Form& window);

}  // namespace app
