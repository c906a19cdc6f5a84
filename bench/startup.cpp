// Start-up to the first painted chart, against a bare window of the same size (and, for scale, the
// same window with one line of text). Each iteration
// starts a fresh process (this executable again, in probe mode, offscreen), so the application
// object, the libraries and the first paint are all inside the measure, and the probe reports its
// peak resident memory after that paint. The targets: the program's median at most 1.5 times the
// bare window's, its peak memory at most 1.3 times.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QEvent>
#include <QFile>
#include <QLabel>
#include <QWidget>

#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "app/LunasomaApplication.h"
#include "app/ProgramFolders.h"
#include "app/SettingsStore.h"
#include "app/Translations.h"
#include "platform/LinuxHostServices.h"
#include "tests/support/MemoryRegistry.h"
#include "ui/PointerShapes.h"
#include "ui/TfrmBio.h"

extern char** environ;

namespace {

constexpr const char* ProbeProgram = "--probe=program";
constexpr const char* ProbeBare = "--probe=bare";
constexpr const char* ProbeText = "--probe=text";

// Waits until the widget has been painted once.
class FirstPaint : public QObject {
 public:
  explicit FirstPaint(QWidget* widget) { widget->installEventFilter(this); }
  void wait() {
    while (!m_painted) QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents, 50);
  }

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Paint) m_painted = true;
    return false;
  }

 private:
  bool m_painted = false;
};

long peakResidentKiB() {
  QFile status(QStringLiteral("/proc/self/status"));
  if (!status.open(QIODevice::ReadOnly)) return -1;
  for (const QByteArray& line : status.readAll().split('\n')) {
    if (line.startsWith("VmHWM:")) return line.mid(6).trimmed().split(' ').value(0).toLong();
  }
  return -1;
}

// Reports through the pipe and leaves at once: the tear-down is not part of start-up.
[[noreturn]] void report(int fd) {
  const std::string line = std::to_string(peakResidentKiB()) + "\n";
  if (write(fd, line.data(), line.size()) < 0) _exit(2);
  _exit(0);
}

[[noreturn]] void probeProgram(int argc, char** argv, int fd) {
  lunasoma::LunasomaApplication application(argc, argv);
  // As the program does: the user's language (LANG, LANGUAGE) decides whether a translation loads.
  lunasoma::installTranslations();
  // In-memory hives: measuring must not read or write anybody's real settings.
  lunasoma::LinuxHostServices host(std::make_unique<lunasoma::test::MemoryRegistry>(),
                                   std::make_unique<lunasoma::test::MemoryRegistry>());
  lunasoma::HostServices services = host.services();
  lunasoma::BiorhythmSettings settings;
  lunasoma::ProgramContext context =
      lunasoma::makeProgramContext(services, settings, QCoreApplication::applicationFilePath());
  const lunasoma::PointerShapes pointers;
  lunasoma::loadSettings(settings, services.userHive, lunasoma::localToday(services.system));
  lunasoma::TfrmBio frmBio(context, pointers);
  FirstPaint painted(frmBio.findChild<QWidget*>(QStringLiteral("pntBio")));
  frmBio.show();
  painted.wait();
  report(fd);
}

// withText: one line of text in the window, so that the fonts are loaded as any window with text
// must; it shows how much of the difference is that alone.
[[noreturn]] void probeBare(int argc, char** argv, int fd, bool withText) {
  QApplication application(argc, argv);
  QWidget window;
  window.resize(640, 480);
  if (withText) (new QLabel(QStringLiteral("Birth Date"), &window))->move(12, 12);
  FirstPaint painted(&window);
  window.show();
  painted.wait();
  report(fd);
}

// Runs one probe process and returns its peak resident memory in KiB.
long runProbe(const char* probe) {
  int pipeEnds[2];
  if (pipe(pipeEnds) != 0) return -1;
  const std::string fdArgument = std::to_string(pipeEnds[1]);
  char self[] = "/proc/self/exe";
  std::vector<char*> arguments{self, const_cast<char*>(probe), const_cast<char*>(fdArgument.c_str()), nullptr};
  pid_t child = 0;
  const int spawned = posix_spawn(&child, self, nullptr, nullptr, arguments.data(), environ);
  close(pipeEnds[1]);
  long peak = -1;
  if (spawned == 0) {
    char buffer[64] = {};
    const ssize_t got = read(pipeEnds[0], buffer, sizeof buffer - 1);
    if (got > 0) peak = std::strtol(buffer, nullptr, 10);
    int status = 0;
    waitpid(child, &status, 0);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) peak = -1;
  }
  close(pipeEnds[0]);
  return peak;
}

void startUp(benchmark::State& state, const char* probe) {
  long peak = 0;
  for (auto _ : state) {
    peak = runProbe(probe);
    if (peak < 0) {
      state.SkipWithError("the probe process failed");
      return;
    }
  }
  state.counters["peak_rss_KiB"] = benchmark::Counter(static_cast<double>(peak));
}

void BM_StartUpBareWindow(benchmark::State& state) { startUp(state, ProbeBare); }
void BM_StartUpBareWindowWithText(benchmark::State& state) { startUp(state, ProbeText); }
void BM_StartUpToFirstChart(benchmark::State& state) { startUp(state, ProbeProgram); }

BENCHMARK(BM_StartUpBareWindow)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(10);
BENCHMARK(BM_StartUpBareWindowWithText)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(10);
BENCHMARK(BM_StartUpToFirstChart)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(10);

}  // namespace

int main(int argc, char** argv) {
  if (argc == 3 && std::strncmp(argv[1], "--probe=", 8) == 0) {
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    const int fd = std::atoi(argv[2]);
    int probeArgc = 1;
    if (std::strcmp(argv[1], ProbeProgram) == 0) probeProgram(probeArgc, argv, fd);
    probeBare(probeArgc, argv, fd, std::strcmp(argv[1], ProbeText) == 0);
  }
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
