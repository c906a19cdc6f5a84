#pragma once
// The chart program's part of start-up, once the settings are loaded and the installation modes
// are ruled out: the flash screen, the main window created and shown, its companion windows, the
// first paint, the flash screen closed, and the start show value applied. It does not run the
// event loop.

#include <functional>
#include <memory>

namespace lunasoma {

struct ProgramContext;
class PointerShapes;
class TfrmBio;

// createCompanions runs right after the main window is shown (the calendar pop-up is made there),
// while the flash screen is still up.
std::unique_ptr<TfrmBio> startChartProgram(ProgramContext& context, const PointerShapes& pointers,
                                           const std::function<void(TfrmBio&)>& createCompanions);

}  // namespace lunasoma
