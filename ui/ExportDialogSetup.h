#pragma once
// What the "Save As Bitmap" dialog opens with (title, filters, the filter chosen last time,
// default suffix, initial folder and file) worked out from the window caption and the remembered
// export, and what the user's choice means for the settings. It shows no dialog itself.

#include <QString>
#include <QStringList>

#include <cstdint>
#include <string>

namespace lunasoma {

struct ExportDialogSetup {
  QString title;
  QStringList nameFilters;  // in Qt's filter syntax, one entry per filter
  int selectedFilter = 0;   // 0-based into nameFilters
  QString defaultSuffix;
  QString folder;    // empty: the dialog's own default folder
  QString fileName;  // empty: no file name proposed
};

// What the user chose in the dialog.
struct ExportChoice {
  QString filePath;     // full path
  int filterIndex = 1;  // 1-based, as the settings keep it
};

// recExportFileName is the full path of the last bitmap saved; recExportIndex the filter chosen
// then, 1-based. An index outside the filters selects the first one.
ExportDialogSetup exportDialogSetup(const QString& caption, const std::string& recExportFileName,
                                    std::uint8_t recExportIndex);

// The folder a chosen file would be saved in, when that folder does not exist (the dialog then
// refuses the choice); an empty text when it does.
QString missingExportFolder(const QString& filePath);

}  // namespace lunasoma
