// lunasoma-chart: draws the biorhythm chart without a window, into a bitmap, an SVG drawing, a PDF,
// or as the list of drawing calls, for scripts and for checking the drawing.
#include <QDate>
#include <QGuiApplication>
#include <QLocale>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "app/SettingsStore.h"
#include "chart/ChartDrawing.h"
#include "chart/RecordingCanvas.h"
#include "platform/HiveFile.h"
#include "platform/HiveFormat.h"
#include "platform/QtDateLocale.h"
#include "platform/RegistryHives.h"
#include "programs/lunasoma-chart/ChartFileWriter.h"
#include "programs/lunasoma-chart/ChartRequest.h"

namespace {

constexpr const char* Usage =
    "usage: lunasoma-chart --birth YYYY-MM-DD [--start YYYY-MM-DD] [--weeks 1..8] [--style line|highlow]\n"
    "                      [--lines] [--size WxH] [--stored] (--out FILE.bmp|.png|.svg|.pdf | --ops)\n";

lunasoma::BiorhythmSettings storedSettings(lunasoma::DayNumber today) {
  // Only the user hive is opened, and only read: opening both hives could create the machine one.
  const lunasoma::HiveFile userHive(lunasoma::registryFolder() + "/user.reg", std::string(lunasoma::CurrentUserRoot));
  lunasoma::BiorhythmSettings settings;
  lunasoma::loadSettings(settings, userHive, today);
  return settings;
}

}  // namespace

int main(int argc, char** argv) {
  // Past a file-size limit the chart's write fails as on a full disk, reported and tidied away;
  // the signal would end the program with a temporary file left behind.
  std::signal(SIGXFSZ, SIG_IGN);
  std::vector<std::string> arguments(argv + 1, argv + argc);
  if (arguments.size() == 1 && (arguments[0] == "--help" || arguments[0] == "-h")) {
    std::fputs(Usage, stdout);
    return 0;
  }
  const lunasoma::ChartRequestParse parsed = lunasoma::parseChartRequest(arguments);
  if (!parsed.request) {
    std::fprintf(stderr, "lunasoma-chart: %s\n", parsed.error.c_str());
    return 2;
  }
  const lunasoma::ChartRequest& request = *parsed.request;

  // Fonts need a platform; without a display the offscreen one serves.
  if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") &&
      qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
    qputenv("QT_QPA_PLATFORM", "offscreen");
  int qtArgc = 1;
  QGuiApplication app(qtArgc, argv);

  const QDate now = QDate::currentDate();
  const lunasoma::DayNumber today = lunasoma::encodeDate(now.year(), now.month(), now.day()).value_or(0);
  const lunasoma::BiorhythmSettings base = request.stored ? storedSettings(today) : lunasoma::BiorhythmSettings{};
  const lunasoma::BiorhythmSettings settings = lunasoma::settingsForRequest(request, base, today);
  const lunasoma::DateLocale locale = lunasoma::dateLocaleFrom(QLocale::system());

  if (request.ops) {
    lunasoma::RecordingCanvas canvas;
    lunasoma::ChartDevice device;
    device.width = request.width;
    device.height = request.height;
    lunasoma::drawChart(canvas, settings, device, locale);
    // A write that fails before the flush leaves nothing for the flush to report, so both are
    // checked: a script must not take a cut-short list for the drawing.
    const std::string& text = canvas.text();
    if (std::fwrite(text.data(), 1, text.size(), stdout) != text.size() || std::fflush(stdout) != 0) {
      std::fprintf(stderr, "lunasoma-chart: cannot write the drawing calls: %s\n", std::strerror(errno));
      return 1;
    }
    return 0;
  }

  const lunasoma::ChartFileResult result = lunasoma::ChartFileWriter(settings, locale, request.width, request.height)
                                               .write(QByteArray::fromStdString(request.outFile));
  if (!result.written) {
    std::fprintf(stderr, "lunasoma-chart: %s\n", result.error.toLocal8Bit().constData());
    return 1;
  }
  return 0;
}
