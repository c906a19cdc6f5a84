#include "ui/ExportDialogSetup.h"

#include <QFileInfo>

#include <vector>

namespace lunasoma {

namespace {

// The dialog's filters: the chart's formats, with "All Files" in second place, where the settings
// remember it by its 1-based place. Qt reads the text in brackets as the patterns; "*.*" would hide
// every name without a dot, so "All Files" carries Qt's pattern for every file. A name given under
// it without a suffix is a bitmap and is named so.
struct ExportFilter {
  QString name;
  QString suffix;
  ChartFileFormat format;
};

std::vector<ExportFilter> exportFilters() {
  std::vector<ExportFilter> filters;
  for (const ChartFileType& type : chartFileTypes()) {
    filters.push_back({QString::fromLatin1(type.filter), QString::fromLatin1(type.extension), type.format});
    if (filters.size() == 1) filters.push_back({QStringLiteral("All Files (*)"), filters[0].suffix, filters[0].format});
  }
  return filters;
}

// The 0-based place of a remembered or chosen 1-based filter index; the first filter for one
// that names no filter.
int filterPlace(int filterIndex, const std::vector<ExportFilter>& filters) {
  return filterIndex >= 1 && filterIndex <= static_cast<int>(filters.size()) ? filterIndex - 1 : 0;
}

ExportFilter filterOf(const ExportChoice& choice) {
  const std::vector<ExportFilter> filters = exportFilters();
  return filters[static_cast<std::size_t>(filterPlace(choice.filterIndex, filters))];
}

}  // namespace

ExportDialogSetup exportDialogSetup(const QString& caption, const std::string& recExportFileName,
                                    std::uint8_t recExportIndex) {
  ExportDialogSetup setup;
  setup.title = QStringLiteral("Save ") + caption + QStringLiteral(" Bitmap");
  const std::vector<ExportFilter> filters = exportFilters();
  for (const ExportFilter& filter : filters) {
    setup.nameFilters.append(filter.name);
    setup.defaultSuffixes.append(filter.suffix);
  }
  setup.selectedFilter = filterPlace(recExportIndex, filters);
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
  return choice.filePath + QLatin1Char('.') + filterOf(choice).suffix;
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
