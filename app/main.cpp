// Lunasoma.exe: the chart program, and with the first argument SETUP or UNINSTALL its own
// installer and uninstaller. Start-up runs in a fixed order: the application object and the host,
// the program-wide constants and pointer shapes, the settings, the installation modes, and then
// the chart program (flash screen, main window, calendar pop-up) until the main window closes.

#include <QComboBox>

#include <memory>

#include "app/LunasomaApplication.h"
#include "app/ProgramFolders.h"
#include "app/SettingsStore.h"
#include "app/StartMode.h"
#include "platform/LinuxHostServices.h"
#include "setup/SetupEntry.h"
#include "setup/TfrmCopyProgram.h"
#include "ui/ChartProgramStart.h"
#include "ui/PointerShapes.h"
#include "ui/TfrmBio.h"
#include "ui/TfrmCal.h"

int main(int argc, char** argv) {
  using namespace lunasoma;

  // Pointers, folders and the locale need the application object, so it comes first here.
  LunasomaApplication application(argc, argv);
  LinuxHostServices host;
  HostServices services = host.services();
  application.setErrorServices(&services.messages, &services.beeper);

  BiorhythmSettings settings;
  ProgramContext context = makeProgramContext(services, settings, QCoreApplication::applicationFilePath());
  const PointerShapes pointers;

  loadSettings(settings, services.userHive, localToday(services.system));
  warnOfUnreadableSettingsFile(services.userHive, services.messages);

  const StartMode mode = startModeFor(QCoreApplication::arguments());
  if (mode == StartMode::Setup) return runSetupWizard(context);
  if (mode == StartMode::Uninstall && runUninstall(context)) return 0;

  std::unique_ptr<TfrmCal> calendar;
  const std::unique_ptr<TfrmBio> frmBio = startChartProgram(context, pointers, [&](TfrmBio& window) {
    calendar = std::make_unique<TfrmCal>(context, [&window] { window.repaintChart(); });
    window.setCalendarOpener([&popup = *calendar](QComboBox* field, QPoint screenTopLeft) {
      popup.execute(field, screenTopLeft);
    });
    window.setCopyProgramDialog([&context](QWidget* parent) { openCopyProgramDialog(context, parent); });
  });
  application.setLocaleChangeHandler([&window = *frmBio] { window.reloadInputLocale(); });
  return application.exec();
}
