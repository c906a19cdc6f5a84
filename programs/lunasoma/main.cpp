// Lunasoma.exe: the chart program, and with the first argument SETUP or UNINSTALL its own
// installer and uninstaller, with HELP only its help viewer. Start-up runs in a fixed order: the
// application object and the host, the program-wide constants and pointer shapes, the settings,
// the installation modes, and then the chart program (flash screen, main window, calendar pop-up)
// until the main window closes.

#include <QComboBox>

#include <csignal>
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

  // Past a file-size limit a write fails with "File too large" and is reported like any failed
  // write, at the save at exit or of a chart; the signal would end the program and lose the session.
  std::signal(SIGXFSZ, SIG_IGN);
  // Pointers, folders and the locale need the application object, so it comes first here.
  LunasomaApplication application(argc, argv);
  const StartMode mode = startModeFor(QCoreApplication::arguments());
  // Setup may be left without installing, so it writes nothing, not even a new machine hive, until
  // Finish is pressed.
  LinuxHostServices host(mode == StartMode::Setup ? MachineHiveSeeding::OnRequest : MachineHiveSeeding::AtOpen);
  HostServices services = host.services();
  application.setErrorServices(&services.messages, &services.beeper);

  BiorhythmSettings settings;
  ProgramContext context = makeProgramContext(services, settings, QCoreApplication::applicationFilePath());
  const PointerShapes pointers;

  context.storedSettings = loadSettings(settings, services.userHive, localToday(services.system));
  warnOfUnreadableSettingsFile(services.userHive, services.messages);

  if (mode == StartMode::Setup) return runSetupWizard(context, [&host] { host.seedMachineHive(); });
  if (mode == StartMode::Help) return showProgramHelp(context) ? application.exec() : 1;
  if (mode == StartMode::Uninstall && runUninstall(context)) return 0;

  std::unique_ptr<TfrmCal> calendar;
  const std::unique_ptr<TfrmBio> frmBio = startChartProgram(context, pointers, [&](TfrmBio& window) {
    calendar = std::make_unique<TfrmCal>(context);
    window.setCalendarOpener(
        [&popup = *calendar](QComboBox* field, QPoint screenTopLeft, TfrmCal::DateReturned dateReturned) {
          popup.execute(field, screenTopLeft, std::move(dateReturned));
        });
    window.setCopyProgramDialog([&context](QWidget* parent) { openCopyProgramDialog(context, parent); });
  });
  application.setLocaleChangeHandler([&window = *frmBio] { window.reloadInputLocale(); });
  return application.exec();
}
