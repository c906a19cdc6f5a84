#include "setup/SetupEntry.h"

namespace lunasoma {

// FIXME: the uninstall is not built yet.
bool runUninstall(ProgramContext&) { return false; }

}  // namespace lunasoma
