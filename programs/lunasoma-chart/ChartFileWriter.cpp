#include "programs/lunasoma-chart/ChartFileWriter.h"

#include <utility>

#include <fcntl.h>
#include <unistd.h>

#include <QFile>
#include <QPageSize>
#include <QRandomGenerator>

#include <cerrno>
#include <cstring>

#include "chart/ChartDrawing.h"
#include "chart/qt/ChartFile.h"

namespace lunasoma {

namespace {

// The paper version scales its fonts as for a screen of the usual resolution.
constexpr int ScreenPpi = 96;

ChartFileResult failed(const QString& path, const QString& reason) {
  return {false, QStringLiteral("cannot write %1: %2").arg(path, reason)};
}

}  // namespace

ChartFileWriter::ChartFileWriter(const BiorhythmSettings& settings, const DateLocale& locale, int bitmapWidth,
                                 int bitmapHeight, const ChartExtras& extras, ChartTexts texts)
    : m_settings(settings),
      m_locale(locale),
      m_extras(extras),
      m_texts(std::move(texts)),
      m_width(bitmapWidth),
      m_height(bitmapHeight) {}

ChartFileResult ChartFileWriter::write(const QString& path) const {
  const std::optional<ChartFileFormat> format = chartFileFormatOf(path);
  if (!format) return failed(path, QStringLiteral("the name must end in ") + chartFileEndings());
  ChartFileSource source;
  source.draw = [this](Canvas& canvas, const ChartDevice& device) {
    drawChart(canvas, m_settings, device, m_locale, m_texts, m_extras);
  };
  source.table = [this] { return shownDaysTable(m_settings, m_extras.markCritical); };
  source.size = QSize(m_width, m_height);
  source.screenPpi = ScreenPpi;
  source.title = QStringLiteral("Lunasoma");
  source.paper = QPageSize(QPageSize::A4);
  const QString reason = writeChartFile(*format, source, path);
  if (!reason.isEmpty()) return failed(path, reason);
  return {true, {}};
}

ChartFileResult ChartFileWriter::write(const QByteArray& encodedPath) const {
  const QString path = QFile::decodeName(encodedPath);
  if (QFile::encodeName(path) == encodedPath || !chartFileFormatOf(path)) return write(path);

  // Qt keeps names as text, and bytes that are no text in the system's encoding do not survive
  // the trip. So the chart is written under a name of its own in the target's folder, reached
  // through a descriptor of that folder, and then given the name's own bytes.
  const qsizetype slash = encodedPath.lastIndexOf('/');
  const QByteArray folder = slash < 0 ? QByteArray(".") : slash == 0 ? QByteArray("/") : encodedPath.left(slash);
  const QByteArray name = encodedPath.mid(slash + 1);
  const int folderFd = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (folderFd < 0) return failed(path, QString::fromLocal8Bit(std::strerror(errno)));

  const QByteArray suffix = name.mid(name.lastIndexOf('.'));
  QByteArray stand;
  int placeholder = -1;
  for (int attempt = 0; attempt < 100 && placeholder < 0; ++attempt) {
    stand = ".lunasoma-chart-" + QByteArray::number(QRandomGenerator::global()->generate64(), 36) + suffix;
    placeholder = ::openat(folderFd, stand.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
    if (placeholder < 0 && errno != EEXIST) break;
  }
  ChartFileResult result;
  if (placeholder < 0) {
    result = failed(path, QString::fromLocal8Bit(std::strerror(errno)));
  } else {
    ::close(placeholder);
    const QString standIn = QStringLiteral("/proc/self/fd/%1/%2").arg(folderFd).arg(QString::fromLatin1(stand));
    result = write(standIn);
    if (result.written && ::renameat(folderFd, stand.constData(), folderFd, name.constData()) != 0)
      result = failed(path, QString::fromLocal8Bit(std::strerror(errno)));
    if (!result.written) {
      ::unlinkat(folderFd, stand.constData(), 0);
      result.error.replace(standIn, path);
    }
  }
  ::close(folderFd);
  return result;
}

}  // namespace lunasoma
