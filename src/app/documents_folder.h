#pragma once

#include <QString>

namespace zq {

// Makes the "Zentiqua" folder in the user's documents folder (created when missing) the
// working folder, so results saved from a program started from the desktop menu land where the
// user finds them. Returns the folder, or an empty text when it could not be made (the working
// folder then stays as it was).
QString useDocumentsFolder();

} // namespace zq
