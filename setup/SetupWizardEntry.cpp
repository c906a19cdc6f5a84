#include "setup/SetupEntry.h"

#include <QCoreApplication>

#include "setup/InstallWizardFlow.h"
#include "setup/TfrmInstall.h"

namespace lunasoma {

int runSetupWizard(ProgramContext& context, std::function<void()> beforeInstall) {
  HostServices& services = context.services;
  if (!systemSupported(services.system.osFacts().versionNumber)) {
    services.beeper.beep(Beep::Stop);
    services.messages.information(
        nullptr, QCoreApplication::translate(
                     "SetupWizardEntry",
                     "Sorry, this program is specifically designed to run under Windows 95 or WindowsNT 4.0."));
    return 1;
  }
  TfrmInstall wizard(context);
  wizard.setBeforeInstall(std::move(beforeInstall));
  wizard.exec();
  return 0;
}

}  // namespace lunasoma
