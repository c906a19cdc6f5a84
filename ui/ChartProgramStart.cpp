#include "ui/ChartProgramStart.h"

#include <QCoreApplication>
#include <QPointer>

#include "app/ProductInfo.h"
#include "app/ProgramContext.h"
#include "ui/FirstPaintWatch.h"
#include "ui/TfrmAbout.h"
#include "ui/TfrmBio.h"

namespace lunasoma {

namespace {

// Show-window values a shortcut can start the program with.
constexpr int ShowMinimizedNoActivate = 7;
constexpr int ShowMaximized = 3;

}  // namespace

std::unique_ptr<TfrmBio> startChartProgram(ProgramContext& context, const PointerShapes& pointers,
                                           const std::function<void(TfrmBio&)>& createCompanions) {
  // The pointer turns null by itself if a click on the logo closes the flash screen early.
  QPointer<TfrmAbout> flashScreen;
  if (!context.settings.HideFlashScreen) flashScreen = TfrmAbout::execute(Product, context.services.shell, false);

  auto frmBio = std::make_unique<TfrmBio>(context, pointers);
  FirstPaintWatch firstPaint(*frmBio);
  frmBio->show();
  if (flashScreen) flashScreen->stayAbove(*frmBio);
  if (createCompanions) createCompanions(*frmBio);

  QCoreApplication::processEvents();
  if (flashScreen && flashScreen->isVisible()) firstPaint.waitUntilPainted(flashScreen);
  if (flashScreen && flashScreen->isVisible()) flashScreen->close();

  switch (context.services.system.osFacts().startShowValue) {
    case ShowMinimizedNoActivate:
      frmBio->showMinimized();
      break;
    case ShowMaximized:
      frmBio->showMaximized();
      break;
    default:
      break;
  }
  return frmBio;
}

}  // namespace lunasoma
