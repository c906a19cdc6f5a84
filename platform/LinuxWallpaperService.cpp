#include "platform/LinuxWallpaperService.h"

#include <QFileInfo>
#include <QUrl>

#include <algorithm>
#include <utility>

namespace lunasoma {

namespace {

const QString gsettings = QStringLiteral("gsettings");
const QString dbusSend = QStringLiteral("dbus-send");
const QString xfconfQuery = QStringLiteral("xfconf-query");
const QString pcmanfmQt = QStringLiteral("pcmanfm-qt");
const QString swaymsg = QStringLiteral("swaymsg");

const LinuxWallpaperService::GsettingsKeys gnomeKeys{QStringLiteral("org.gnome.desktop.background"),
                                                     QStringLiteral("picture-uri"), QStringLiteral("picture-uri-dark"),
                                                     true};
const LinuxWallpaperService::GsettingsKeys mateKeys{QStringLiteral("org.mate.background"),
                                                    QStringLiteral("picture-filename"), QString(), false};
const LinuxWallpaperService::GsettingsKeys cinnamonKeys{QStringLiteral("org.cinnamon.desktop.background"),
                                                        QStringLiteral("picture-uri"), QString(), true};

// GVariant text form of a string, as gsettings set takes it.
QString variantString(QString text) {
  text.replace(QLatin1Char('\\'), QStringLiteral("\\\\"));
  text.replace(QLatin1Char('\''), QStringLiteral("\\'"));
  return QLatin1Char('\'') + text + QLatin1Char('\'');
}

// The same file under another spelling of its path. A desktop that compares the new path with the
// one it shows treats this as a change and reads the file again.
QString otherSpelling(const QString& file) {
  const QFileInfo info(file);
  return info.absolutePath() + QStringLiteral("/./") + info.fileName();
}

// The path as one word of a sway command. Sway joins the words back together and expands them as a
// shell would (variables, ~, command substitution), turning runs of spaces into escapes first; a
// backslash before every other ASCII character keeps each as it is. A control character cannot be
// carried through at all.
std::optional<QString> swayWord(const QString& path) {
  QString word = QStringLiteral("\"");
  for (const QChar c : path) {
    if (c.unicode() < 0x20 || c.unicode() == 0x7f) return std::nullopt;
    const bool plain = c.unicode() >= 0x80 || c.isLetterOrNumber() || QStringLiteral("/._+-").contains(c);
    if (!plain) word += QLatin1Char('\\');
    word += c;
  }
  return word + QLatin1Char('"');
}

// Plasma's image wallpaper fill modes.
constexpr int plasmaTile = 3;
constexpr int plasmaCentred = 6;
// Xfce's image-style values.
constexpr int xfceCentred = 1;
constexpr int xfceTiled = 2;

}  // namespace

LinuxWallpaperService::LinuxWallpaperService(CommandRunner& runner, QString currentDesktop, QString swaySocket)
    : m_runner(runner), m_currentDesktop(std::move(currentDesktop)), m_swaySocket(std::move(swaySocket)) {}

std::vector<LinuxWallpaperService::Mechanism> LinuxWallpaperService::mechanismsFor(const QString& currentDesktop,
                                                                                   const QString& swaySocket) {
  static const std::pair<QString, Mechanism> named[] = {
      {QStringLiteral("GNOME"), Mechanism::Gnome},         {QStringLiteral("Budgie"), Mechanism::Gnome},
      {QStringLiteral("Unity"), Mechanism::Gnome},         {QStringLiteral("Pantheon"), Mechanism::Gnome},
      {QStringLiteral("MATE"), Mechanism::Mate},           {QStringLiteral("Cinnamon"), Mechanism::Cinnamon},
      {QStringLiteral("X-Cinnamon"), Mechanism::Cinnamon}, {QStringLiteral("KDE"), Mechanism::Plasma},
      {QStringLiteral("XFCE"), Mechanism::Xfce},           {QStringLiteral("LXQt"), Mechanism::Lxqt},
  };
  std::vector<Mechanism> served;
  const auto serve = [&served](Mechanism mechanism) {
    if (std::find(served.begin(), served.end(), mechanism) == served.end()) served.push_back(mechanism);
  };
  // The socket belongs to the compositor this program runs in, even where the desktop list was
  // inherited from a session outside it.
  if (!swaySocket.isEmpty()) serve(Mechanism::Sway);
  for (const QString& desktop : currentDesktop.split(QLatin1Char(':'), Qt::SkipEmptyParts)) {
    for (const auto& [name, mechanism] : named) {
      if (desktop.compare(name, Qt::CaseInsensitive) == 0) serve(mechanism);
    }
  }
  return served;
}

QString LinuxWallpaperService::fileUri(const QString& file) {
  QString uri = QUrl::fromLocalFile(QFileInfo(file).absoluteFilePath()).toString(QUrl::FullyEncoded);
  // QUrl leaves the sub-delimiters alone; the quote would end the quoted value it is put in.
  uri.replace(QLatin1Char('\''), QStringLiteral("%27"));
  return uri;
}

std::optional<QString> LinuxWallpaperService::parseVariantString(const QString& printed) {
  if (printed.size() < 2) return std::nullopt;
  const QChar quote = printed.front();
  if ((quote != QLatin1Char('\'') && quote != QLatin1Char('"')) || printed.back() != quote) return std::nullopt;
  static const QString named = QStringLiteral("abfnrtv");
  static const QString controls = QStringLiteral("\a\b\f\n\r\t\v");
  QString text;
  const qsizetype end = printed.size() - 1;
  for (qsizetype i = 1; i < end; ++i) {
    const QChar c = printed[i];
    if (c == quote) return std::nullopt;
    if (c != QLatin1Char('\\')) {
      text += c;
      continue;
    }
    if (++i == end) return std::nullopt;
    const QChar escaped = printed[i];
    if (named.contains(escaped)) {
      text += controls[named.indexOf(escaped)];
    } else if (escaped == QLatin1Char('u') || escaped == QLatin1Char('U')) {
      const qsizetype digits = escaped == QLatin1Char('u') ? 4 : 8;
      if (i + digits >= end) return std::nullopt;
      bool ok = false;
      const uint code = printed.mid(i + 1, digits).toUInt(&ok, 16);
      if (!ok) return std::nullopt;
      const char32_t codePoint = code;
      text += QString::fromUcs4(&codePoint, 1);
      i += digits;
    } else {
      text += escaped;
    }
  }
  return text;
}

bool LinuxWallpaperService::setWallpaper(const QString& bitmapFile, bool tiled) {
  // Some desktops (sway among them) report success for a file they cannot read.
  if (!QFileInfo(bitmapFile).isFile()) return false;
  for (const Mechanism mechanism : mechanismsFor(m_currentDesktop, m_swaySocket)) {
    bool done = false;
    switch (mechanism) {
      case Mechanism::Sway:
        done = setWithSway(bitmapFile, tiled);
        break;
      case Mechanism::Gnome:
        done = setWithGsettings(gnomeKeys, bitmapFile, tiled);
        break;
      case Mechanism::Mate:
        done = setWithGsettings(mateKeys, bitmapFile, tiled);
        break;
      case Mechanism::Cinnamon:
        done = setWithGsettings(cinnamonKeys, bitmapFile, tiled);
        break;
      case Mechanism::Plasma:
        done = setWithPlasma(bitmapFile, tiled);
        break;
      case Mechanism::Xfce:
        done = setWithXfce(bitmapFile, tiled);
        break;
      case Mechanism::Lxqt:
        done = setWithLxqt(bitmapFile, tiled);
        break;
    }
    if (done) return true;
  }
  return false;
}

bool LinuxWallpaperService::setWithGsettings(const GsettingsKeys& keys, const QString& file, bool tiled) {
  if (!m_runner.isAvailable(gsettings)) return false;
  const QString value = keys.byUri ? fileUri(file) : QFileInfo(file).absoluteFilePath();
  const auto set = [&](const QString& key, const QString& text) {
    return m_runner.run(gsettings, {"set", keys.schema, key, variantString(text)}).succeeded();
  };
  const auto holds = [&](const QString& text) {
    const CommandResult readBack = m_runner.run(gsettings, {"get", keys.schema, keys.pictureKey});
    return readBack.succeeded() && parseVariantString(readBack.output.trimmed()) == text;
  };
  // A key written with the value it holds announces nothing, and the desktop goes on showing the
  // picture it read before; emptied first, the file is a change every time. Reading the empty value
  // back also shows that the writes reach a store that lasts: without a session bus gsettings keeps
  // them in memory for one process and reports success all the same.
  if (!set(keys.pictureKey, QString()) || !holds(QString())) return false;
  // Older GNOME has no dark variant of the key; the light one alone is enough there.
  if (!keys.darkKey.isEmpty()) set(keys.darkKey, QString());
  if (!set(keys.pictureKey, value)) return false;
  if (!keys.darkKey.isEmpty()) set(keys.darkKey, value);
  const QString options = tiled ? QStringLiteral("wallpaper") : QStringLiteral("centered");
  return set(QStringLiteral("picture-options"), options) && holds(value);
}

bool LinuxWallpaperService::setWithPlasma(const QString& file, bool tiled) {
  if (!m_runner.isAvailable(dbusSend)) return false;
  // Plasma does not load a picture again whose address it already shows: the image is cleared
  // before it is written. A shell without desktops changes nothing, which the error reports.
  const QString script = QStringLiteral(
                             "var all = desktops();"
                             "if (all.length == 0) throw new Error(\"no desktop\");"
                             "for (var i = 0; i < all.length; ++i) {"
                             " var d = all[i];"
                             " d.wallpaperPlugin = \"org.kde.image\";"
                             " d.currentConfigGroup = [\"Wallpaper\", \"org.kde.image\", \"General\"];"
                             " d.writeConfig(\"Image\", \"\");"
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
  const QString path = QFileInfo(file).absoluteFilePath();
  const QString styleValue = QString::number(tiled ? xfceTiled : xfceCentred);
  const auto set = [&](const QString& property, const QStringList& value) {
    return m_runner.run(xfconfQuery, QStringList{"-c", channel, "-p", property} + value).succeeded();
  };
  // Xfce keeps one image per monitor and workspace; the chart goes onto every one of them. Its
  // desktop ignores the name of the file it already shows, so the file comes under another
  // spelling first.
  const QString suffix = QStringLiteral("/last-image");
  bool any = false;
  for (const QString& line : listing.output.split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
    const QString property = line.trimmed();
    if (!property.endsWith(suffix)) continue;
    const QString style = property.chopped(suffix.size()) + QStringLiteral("/image-style");
    if (!set(property, {"-s", otherSpelling(file)}) || !set(style, {"-n", "-t", "int", "-s", styleValue}) ||
        !set(property, {"-s", path})) {
      return false;
    }
    any = true;
  }
  return any;
}

bool LinuxWallpaperService::setWithLxqt(const QString& file, bool tiled) {
  if (!m_runner.isAvailable(pcmanfmQt) || !m_runner.isAvailable(dbusSend)) return false;
  // Without the instance that draws the desktop, pcmanfm-qt stores the choice and shows it nowhere.
  const CommandResult owner =
      m_runner.run(dbusSend, {"--session", "--print-reply", "--dest=org.freedesktop.DBus", "/org/freedesktop/DBus",
                              "org.freedesktop.DBus.NameHasOwner", "string:org.pcmanfm.PCManFM"});
  if (!owner.succeeded() || !owner.output.contains(QStringLiteral("boolean true"))) return false;
  // It also ignores the path it already shows, so the file comes under another spelling first.
  const QString mode = QStringLiteral("--wallpaper-mode=") + (tiled ? "tile" : "center");
  return m_runner.run(pcmanfmQt, {"--set-wallpaper", otherSpelling(file), mode}).succeeded() &&
         m_runner.run(pcmanfmQt, {"--set-wallpaper", QFileInfo(file).absoluteFilePath(), mode}).succeeded();
}

bool LinuxWallpaperService::setWithSway(const QString& file, bool tiled) {
  if (!m_runner.isAvailable(swaymsg)) return false;
  // Sway starts its background drawer afresh for every change and so reads the file every time.
  const std::optional<QString> word = swayWord(QFileInfo(file).absoluteFilePath());
  if (!word) return false;
  const QString mode = tiled ? QStringLiteral("tile") : QStringLiteral("center");
  return m_runner.run(swaymsg, {"-s", m_swaySocket, "output", "*", "bg", *word, mode}).succeeded();
}

}  // namespace lunasoma
