#include "ui/ExportDialogSetup.h"

#include <QFileInfo>

namespace lunasoma {

ExportDialogSetup exportDialogSetup(const QString& caption, const std::string& recExportFileName,
                                    std::uint8_t recExportIndex) {
  ExportDialogSetup setup;
  setup.title = QStringLiteral("Save ") + caption + QStringLiteral(" Bitmap");
  // Qt reads the text in brackets as the patterns. "*.*" would hide every name without a dot,
  // so "All Files" carries Qt's pattern for every file. Qt matches the patterns regardless of
  // case, as the desktop the product comes from does.
  setup.nameFilters = {QStringLiteral("Bitmap Image (*.BMP)"), QStringLiteral("All Files (*)")};
  setup.selectedFilter = recExportIndex >= 1 && recExportIndex <= setup.nameFilters.size() ? recExportIndex - 1 : 0;
  setup.defaultSuffix = QStringLiteral("BMP");

  const QString remembered = QString::fromStdString(recExportFileName);
  const qsizetype split = remembered.lastIndexOf(QLatin1Char('/'));
  setup.folder = remembered.left(split + 1);
  setup.fileName = remembered.mid(split + 1);
  return setup;
}

QString missingExportFolder(const QString& filePath) {
  const QString folder = QFileInfo(filePath).absolutePath();
  return QFileInfo(folder).isDir() ? QString() : folder;
}

}  // namespace lunasoma
