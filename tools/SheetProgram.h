#pragma once

#include <string>

namespace tools {

// The program that writes the chart as a PDF sheet: kestrany-calc built with
// Qt's GUI module, kept apart so that every other use of kestrany-calc starts
// without loading Qt. It lies beside kestrany-calc in a build tree and in
// libexec/kestrany of an installed tree. Empty when it is in neither place.
std::string SheetProgramPath();

// Runs the sheet program in place of this one with the same arguments;
// returns only when it cannot be started, with the exit status to give.
int RunSheetProgram(char** argv);

}  // namespace tools
