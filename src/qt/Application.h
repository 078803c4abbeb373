#pragma once
// Program start: the command line, the application object, the program folder (made or brought up
// to date from the delivered one), the title "Gridlex", Qt's own texts in Russian, and the five
// windows created in order, only the main one shown.

namespace gx {

// Loads Qt's Russian translations for its dialogs and buttons; false when none were found.
bool InstallRussianTranslations();

// Runs the program until the main window closes; the process's exit code.
int RunProgram(int argc, char** argv);

}  // namespace gx
