#include "ui/ExportDialogSetup.h"

#include <QFileInfo>

#include <iterator>

namespace lunasoma {

namespace {

// The settings remember the filter by its 1-based place, so the first two keep their places and
// every format added since comes after them.
struct ExportFilter {
  const char* name;
  const char* suffix;
  ChartFileFormat format;
};

// Qt reads the text in brackets as the patterns. "*.*" would hide every name without a dot,
// so "All Files" carries Qt's pattern for every file. Qt matches the patterns regardless of
// case, as the desktop the product comes from does. A name given under "All Files" without a
// suffix is a bitmap and is named so.
constexpr ExportFilter Filters[] = {
    {"Bitmap Image (*.BMP)", "BMP", ChartFileFormat::Bitmap}, {"All Files (*)", "BMP", ChartFileFormat::Bitmap},
    {"PNG image (*.png)", "png", ChartFileFormat::Png},       {"SVG drawing (*.svg)", "svg", ChartFileFormat::Svg},
    {"PDF document (*.pdf)", "pdf", ChartFileFormat::Pdf},
};

QStringList exportFilters() {
  QStringList names;
  for (const ExportFilter& filter : Filters) names.append(QString::fromLatin1(filter.name));
  return names;
}

QStringList exportSuffixes() {
  QStringList suffixes;
  for (const ExportFilter& filter : Filters) suffixes.append(QString::fromLatin1(filter.suffix));
  return suffixes;
}

// The 0-based place of a remembered or chosen 1-based filter index; the first filter for one
// that names no filter.
int filterPlace(int filterIndex) {
  return filterIndex >= 1 && filterIndex <= static_cast<int>(std::size(Filters)) ? filterIndex - 1 : 0;
}

const ExportFilter& filterOf(const ExportChoice& choice) { return Filters[filterPlace(choice.filterIndex)]; }

}  // namespace

ExportDialogSetup exportDialogSetup(const QString& caption, const std::string& recExportFileName,
                                    std::uint8_t recExportIndex) {
  ExportDialogSetup setup;
  setup.title = QStringLiteral("Save ") + caption + QStringLiteral(" Bitmap");
  setup.nameFilters = exportFilters();
  setup.defaultSuffixes = exportSuffixes();
  setup.selectedFilter = filterPlace(recExportIndex);
  setup.defaultSuffix = setup.defaultSuffixes.at(setup.selectedFilter);

  const QString remembered = QString::fromStdString(recExportFileName);
  const qsizetype split = remembered.lastIndexOf(QLatin1Char('/'));
  setup.folder = remembered.left(split + 1);
  setup.fileName = remembered.mid(split + 1);
  return setup;
}

ChartFileFormat exportFileFormat(const ExportChoice& choice) {
  return chartFileFormatOf(QFileInfo(choice.filePath).fileName()).value_or(filterOf(choice).format);
}

QString exportFilePath(const ExportChoice& choice) {
  if (choice.filePath.isEmpty() || QFileInfo(choice.filePath).fileName().contains(QLatin1Char('.')))
    return choice.filePath;
  return choice.filePath + QLatin1Char('.') + QString::fromLatin1(filterOf(choice).suffix);
}

QString missingExportFolder(const QString& filePath) {
  const QString folder = QFileInfo(filePath).absolutePath();
  return QFileInfo(folder).isDir() ? QString() : folder;
}

QString printFileName(const QString& docName) {
  QString name = docName;
  name.replace(QLatin1Char('/'), QLatin1Char('-')).replace(QLatin1Char('\\'), QLatin1Char('-'));
  name = name.trimmed();
  if (name.isEmpty()) name = QStringLiteral("print");
  if (!name.endsWith(QLatin1String(".pdf"), Qt::CaseInsensitive)) name += QStringLiteral(".pdf");
  return name;
}

}  // namespace lunasoma
