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
#include "app/Translations.h"
#include "chart/ChartDrawing.h"
#include "chart/RecordingCanvas.h"
#include "chart/qt/TranslatedTexts.h"
#include "platform/HiveFile.h"
#include "platform/HiveFormat.h"
#include "platform/QtDateLocale.h"
#include "platform/RegistryHives.h"
#include "programs/lunasoma-chart/ChartFileWriter.h"
#include "programs/lunasoma-chart/ChartRequest.h"

namespace {

constexpr const char* Usage =
    "usage: lunasoma-chart --birth YYYY-MM-DD [--start YYYY-MM-DD] [--weeks 1..8] [--style line|highlow]\n"
    "                      [--lines] [--size WxH] [--stored] (--out FILE.bmp|.png|.svg|.pdf | --ops)\n"
    "                      [--critical] [--today] [--compare YYYY-MM-DD] [--person NAME] [--out FILE.csv]\n"
    "Draws the biorhythm chart without a window or a display.\n"
    "\n"
    "  --birth YYYY-MM-DD    the birth date the cycles count from (required)\n"
    "  --start YYYY-MM-DD    the chart's first day (default: today)\n"
    "  --weeks 1..8          how many weeks the chart shows (default: 3)\n"
    "  --style line|highlow  a line from day to day, or a stroke per day from its value to the next\n"
    "  --lines               a dotted line at every day\n"
    "  --size WxH            the picture's size in pixels, each 1..8192 (default: 640x400; a PDF is A4)\n"
    "  --stored              start from the settings Lunasoma saved for this user, not the defaults\n"
    "  --critical            mark the critical days (a CSV table lists them)\n"
    "  --today               mark today with a dotted line\n"
    "  --compare YYYY-MM-DD  draw the curves of another birth dotted beside, with how alike they run\n"
    "  --person NAME         the name whose chart it is, for the header\n"
    "  --out FILE            write the chart to FILE: a bitmap, PNG, SVG or PDF as its name ends, or\n"
    "                        the shown days' values as a CSV table\n"
    "  --ops                 print the drawing calls instead of writing a file\n"
    "  --help, -h            print this text\n";

QtMessageHandler qtMessages = nullptr;

// Qt looks into the session's runtime folder while it starts, and warns when the session names
// none, as under cron or ssh. The program uses no such folder, so a script is not told about it.
void withoutRuntimeFolderNotice(QtMsgType type, const QMessageLogContext& context, const QString& message) {
  if (type == QtWarningMsg && message.startsWith(QLatin1String("QStandardPaths: XDG_RUNTIME_DIR not set"))) return;
  if (qtMessages) qtMessages(type, context, message);
}

// Draws only into pictures and files, so it needs no display: the offscreen platform serves
// whatever DISPLAY or WAYLAND_DISPLAY name, even a display that has gone, and no desktop's theme
// plug-in (which might want one) is loaded.
void drawWithoutADisplay() {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  qunsetenv("QT_QPA_PLATFORMTHEME");
  qtMessages = qInstallMessageHandler(withoutRuntimeFolderNotice);
}

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

  // Fonts need a platform.
  drawWithoutADisplay();
  int qtArgc = 1;
  QGuiApplication app(qtArgc, argv);
  // The picture speaks the user's language, as the program's window does.
  lunasoma::installTranslations();
  const lunasoma::ChartTexts texts = lunasoma::translatedChartTexts();

  const QDate now = QDate::currentDate();
  const lunasoma::DayNumber today = lunasoma::encodeDate(now.year(), now.month(), now.day()).value_or(0);
  const lunasoma::BiorhythmSettings base = request.stored ? storedSettings(today) : lunasoma::BiorhythmSettings{};
  const lunasoma::BiorhythmSettings settings = lunasoma::settingsForRequest(request, base, today);
  const lunasoma::DateLocale locale = lunasoma::dateLocaleFrom(QLocale::system());
  const lunasoma::ChartExtras extras = lunasoma::extrasForRequest(request, today);

  if (request.ops) {
    lunasoma::RecordingCanvas canvas;
    lunasoma::ChartDevice device;
    device.width = request.width;
    device.height = request.height;
    lunasoma::drawChart(canvas, settings, device, locale, texts, extras);
    // A write that fails before the flush leaves nothing for the flush to report, so both are
    // checked: a script must not take a cut-short list for the drawing.
    const std::string& text = canvas.text();
    if (std::fwrite(text.data(), 1, text.size(), stdout) != text.size() || std::fflush(stdout) != 0) {
      std::fprintf(stderr, "lunasoma-chart: cannot write the drawing calls: %s\n", std::strerror(errno));
      return 1;
    }
    return 0;
  }

  const lunasoma::ChartFileResult result =
      lunasoma::ChartFileWriter(settings, locale, request.width, request.height, extras, texts)
          .write(QByteArray::fromStdString(request.outFile));
  if (!result.written) {
    std::fprintf(stderr, "lunasoma-chart: %s\n", result.error.toLocal8Bit().constData());
    return 1;
  }
  return 0;
}
