#pragma once
// The setup wizard's rules that need no window: which page follows which, what the buttons show
// on a page, whether the running program is too old to install, whether the system can run it,
// and which drive holds a folder. The wizard window applies them; nothing here touches a widget.

#include <QDateTime>
#include <QString>

#include <vector>

#include "platform/HostServices.h"

namespace lunasoma {

// The wizard's pages by their fixed index; the order is what Next and Back step through.
enum class WizardPage {
  Intro = 0,
  InstallTo = 1,
  StartMenu = 2,
  Finish = 3,
  PosResult = 4,
  NegResult = 5,
  OldVersion = 6
};
inline constexpr int WizardPageCount = 7;

// Back steps to the previous index and stays at the first page.
int pageAfterBack(int page);
// Next steps to the following index and wraps from the last page to the first.
int pageAfterNext(int page);
// Pages up to the Finish page ask before cancelling; the result pages and the staleness page
// close at once.
bool cancelAsksFirst(int page);

struct WizardButtons {
  bool backEnabled = false;
  bool backVisible = true;
  bool nextVisible = true;
  QString nextCaption;
  QString cancelCaption;
  friend bool operator==(const WizardButtons&, const WizardButtons&) = default;
};
WizardButtons buttonsFor(int page);

// An operating system version number below 390 cannot run the program.
bool systemSupported(int versionNumber);

// True when the program file was modified more than 180 days before the start of today. The days
// are counted on the local calendar and clock, so a change of daylight saving time moves nothing.
bool isStaleProgram(const QDateTime& programModified, const QDateTime& now);

// The drive whose root is the longest leading part of the folder, or -1 when none holds it.
int driveIndexFor(const std::vector<Drive>& drives, const QString& folder);

// The nearest folder that exists: the folder itself, or else its closest existing parent.
QString nearestExistingFolder(const QString& folder);

}  // namespace lunasoma
