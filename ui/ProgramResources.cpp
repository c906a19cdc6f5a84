#include "ui/ProgramResources.h"

#include <QtGlobal>

// The resource initialiser lives in the global namespace, so it is named from here.
static int initLunasomaResources() {
  Q_INIT_RESOURCE(lunasoma);
  return 0;
}

namespace lunasoma {

void registerProgramResources() {
  // Registering once is enough; later calls find it done.
  static const int registered = initLunasomaResources();
  Q_UNUSED(registered);
}

}  // namespace lunasoma
