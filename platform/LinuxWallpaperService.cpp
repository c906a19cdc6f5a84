#include "platform/LinuxWallpaperService.h"

#include <QFileInfo>
#include <QUrl>

#include <algorithm>

namespace lunasoma {

namespace {

const QString gsettings = QStringLiteral("gsettings");
const QString dbusSend = QStringLiteral("dbus-send");
const QString xfconfQuery = QStringLiteral("xfconf-query");
const QString gnomeSchema = QStringLiteral("org.gnome.desktop.background");

// GVariant text form of a string that holds no quote or backslash.
QString variantString(const QString& text) { return QLatin1Char('\'') + text + QLatin1Char('\''); }

// Plasma's image wallpaper fill modes.
constexpr int plasmaTile = 3;
constexpr int plasmaCentred = 6;
// Xfce's image-style values.
constexpr int xfceCentred = 1;
constexpr int xfceTiled = 2;

}  // namespace

LinuxWallpaperService::LinuxWallpaperService(CommandRunner& runner, QString currentDesktop)
    : m_runner(runner), m_currentDesktop(std::move(currentDesktop)) {}

std::vector<LinuxWallpaperService::Mechanism> LinuxWallpaperService::mechanismsFor(const QString& currentDesktop) {
  static const QStringList gnomeFamily{"GNOME", "Unity", "Budgie", "Pantheon"};
  std::vector<Mechanism> served;
  for (const QString& desktop : currentDesktop.split(QLatin1Char(':'), Qt::SkipEmptyParts)) {
    Mechanism mechanism;
    if (gnomeFamily.contains(desktop, Qt::CaseInsensitive)) {
      mechanism = Mechanism::Gnome;
    } else if (desktop.compare(QStringLiteral("KDE"), Qt::CaseInsensitive) == 0) {
      mechanism = Mechanism::Plasma;
    } else if (desktop.compare(QStringLiteral("XFCE"), Qt::CaseInsensitive) == 0) {
      mechanism = Mechanism::Xfce;
    } else {
      continue;
    }
    if (std::find(served.begin(), served.end(), mechanism) == served.end()) served.push_back(mechanism);
  }
  if (!served.empty()) return served;
  return {Mechanism::Gnome, Mechanism::Plasma, Mechanism::Xfce};
}

QString LinuxWallpaperService::fileUri(const QString& file) {
  QString uri = QUrl::fromLocalFile(QFileInfo(file).absoluteFilePath()).toString(QUrl::FullyEncoded);
  // QUrl leaves the sub-delimiters alone; the quote would end the quoted value it is put in.
  uri.replace(QLatin1Char('\''), QStringLiteral("%27"));
  return uri;
}

bool LinuxWallpaperService::setWallpaper(const QString& bitmapFile, bool tiled) {
  if (!QFileInfo(bitmapFile).isFile()) return false;
  for (const Mechanism mechanism : mechanismsFor(m_currentDesktop)) {
    bool done = false;
    switch (mechanism) {
      case Mechanism::Gnome:
        done = setWithGnome(bitmapFile, tiled);
        break;
      case Mechanism::Plasma:
        done = setWithPlasma(bitmapFile, tiled);
        break;
      case Mechanism::Xfce:
        done = setWithXfce(bitmapFile, tiled);
        break;
    }
    if (done) return true;
  }
  return false;
}

bool LinuxWallpaperService::setWithGnome(const QString& file, bool tiled) {
  if (!m_runner.isAvailable(gsettings)) return false;
  const QString uri = variantString(fileUri(file));
  const QString options = variantString(tiled ? QStringLiteral("wallpaper") : QStringLiteral("centered"));
  if (!m_runner.run(gsettings, {"set", gnomeSchema, "picture-uri", uri}).succeeded()) return false;
  // Older GNOME has no dark variant of the key; the light one alone is enough there.
  m_runner.run(gsettings, {"set", gnomeSchema, "picture-uri-dark", uri});
  if (!m_runner.run(gsettings, {"set", gnomeSchema, "picture-options", options}).succeeded()) return false;
  const CommandResult readBack = m_runner.run(gsettings, {"get", gnomeSchema, "picture-uri"});
  return readBack.succeeded() && readBack.output.trimmed() == uri;
}

bool LinuxWallpaperService::setWithPlasma(const QString& file, bool tiled) {
  if (!m_runner.isAvailable(dbusSend)) return false;
  const QString script = QStringLiteral(
                             "var all = desktops();"
                             "for (var i = 0; i < all.length; ++i) {"
                             " var d = all[i];"
                             " d.wallpaperPlugin = \"org.kde.image\";"
                             " d.currentConfigGroup = [\"Wallpaper\", \"org.kde.image\", \"General\"];"
                             " d.writeConfig(\"Image\", \"%1\");"
                             " d.writeConfig(\"FillMode\", %2);"
                             "}")
                             .arg(fileUri(file))
                             .arg(tiled ? plasmaTile : plasmaCentred);
  // --print-reply makes dbus-send wait for the answer, so a desktop without Plasma fails here
  // instead of the message vanishing unanswered.
  return m_runner
      .run(dbusSend, {"--session", "--print-reply", "--dest=org.kde.plasmashell", "/PlasmaShell",
                      "org.kde.PlasmaShell.evaluateScript", "string:" + script})
      .succeeded();
}

bool LinuxWallpaperService::setWithXfce(const QString& file, bool tiled) {
  if (!m_runner.isAvailable(xfconfQuery)) return false;
  const QString channel = QStringLiteral("xfce4-desktop");
  const CommandResult listing = m_runner.run(xfconfQuery, {"-c", channel, "-l"});
  if (!listing.succeeded()) return false;
  // Xfce keeps one image per monitor and workspace; the chart goes onto every one of them.
  const QString suffix = QStringLiteral("/last-image");
  bool any = false;
  for (const QString& line : listing.output.split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
    const QString property = line.trimmed();
    if (!property.endsWith(suffix)) continue;
    const QString style = property.chopped(suffix.size()) + QStringLiteral("/image-style");
    const QString styleValue = QString::number(tiled ? xfceTiled : xfceCentred);
    if (!m_runner.run(xfconfQuery, {"-c", channel, "-p", property, "-s", QFileInfo(file).absoluteFilePath()})
             .succeeded() ||
        !m_runner.run(xfconfQuery, {"-c", channel, "-p", style, "-n", "-t", "int", "-s", styleValue}).succeeded()) {
      return false;
    }
    any = true;
  }
  return any;
}

}  // namespace lunasoma
