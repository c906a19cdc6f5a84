#pragma once
// The system beeps through QApplication::beep(), which has a single sound for every kind.

#include "platform/HostServices.h"

namespace lunasoma {

class QtBeeper : public Beeper {
 public:
  void beep(Beep kind) override;
};

}  // namespace lunasoma
