#pragma once
// A main window over fake host services, with its settings loaded from the fake user hive as
// start-up loads them, shown offscreen and painted once.

#include <QTest>

#include <gtest/gtest.h>

#include <memory>

#include "app/ProgramFolders.h"
#include "app/SettingsStore.h"
#include "tests/support/FakeHostServices.h"
#include "ui/PointerShapes.h"
#include "ui/TfrmBio.h"

namespace lunasoma::test {

class MainWindowFixture : public ::testing::Test {
 protected:
  static DayNumber day(int year, int month, int dayOfMonth) { return encodeDate(year, month, dayOfMonth).value(); }
  DayNumber today() { return localToday(host.system); }

  // The settings a previous run left behind, as the store would hold them.
  void store(const BiorhythmSettings& previous) { saveSettings(previous, host.userHive, "/opt/lunasoma"); }

  TfrmBio& open() {
    loadSettings(settings, host.userHive, today());
    m_window = std::make_unique<TfrmBio>(context, pointers);
    m_window->show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(m_window.get()));
    return *m_window;
  }

  template <typename T>
  T* child(const char* name) {
    T* found = m_window->findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(found, nullptr) << name;
    return found;
  }

  const PointerShapes pointers;
  FakeHostServices host;
  HostServices services = host.services();
  BiorhythmSettings settings;
  ProgramContext context = makeProgramContext(services, settings, host.root.file("dist/Lunasoma.exe"));
  std::unique_ptr<TfrmBio> m_window;
};

}  // namespace lunasoma::test
