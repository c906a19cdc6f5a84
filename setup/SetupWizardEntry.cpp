#include "setup/SetupEntry.h"

namespace lunasoma {

// FIXME: the wizard is not built yet.
int runSetupWizard(ProgramContext&) { return 0; }

}  // namespace lunasoma
