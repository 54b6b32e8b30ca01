#pragma once

#include <string>

namespace app {

// Writes the translator's template to `path`, replacing the file whole: the
// built-in texts of every window (the main window, the thread chart, About
// and the print preview: titles, captions, tooltips) and the texts that
// belong to no control (column titles, menu items, messages), each under the
// key the language file takes for it. The windows are made for it and never
// shown; no settings or language file is read or written meanwhile. Returns
// false when the file could not be written.
bool WriteLanguageTemplateFile(const std::string& path);

}  // namespace app
