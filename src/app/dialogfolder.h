#pragma once

// Where the program's file dialogs start: a start name that is a whole path
// as it is, a bare file name ("progress.csv") in the folder a dialog of this
// run last chose from, else in the home folder, never in the process's
// working folder.

#include <QString>

namespace velmora {

[[nodiscard]] QString dialogStartPath(const QString &startName);
// Notes the folder of what a dialog gave (a file's folder, or the folder).
void rememberDialogChoice(const QString &chosen, bool isFolder = false);

} // namespace velmora
