#pragma once
// What the "Save As Bitmap" dialog opens with (title, filters, the filter chosen last time,
// default suffix, initial folder and file) worked out from the window caption and the remembered
// export, and what the user's choice means: the file name and the format to write. It shows no
// dialog itself.

#include <QString>
#include <QStringList>

#include <cstdint>
#include <string>

#include "chart/qt/ChartFile.h"

namespace lunasoma {

struct ExportDialogSetup {
  QString title;
  QStringList nameFilters;      // in Qt's filter syntax, one entry per filter
  int selectedFilter = 0;       // 0-based into nameFilters
  QString defaultSuffix;        // the selected filter's
  QStringList defaultSuffixes;  // one per filter: what a name without one is given under it
  QString folder;               // empty: the dialog's own default folder
  QString fileName;             // empty: no file name proposed
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

// The format a chosen file is written in: the one its name ends in (any of the chart's file
// formats, in any case) whatever the filter, otherwise the filter's, a bitmap under "All Files".
ChartFileFormat exportFileFormat(const ExportChoice& choice);

// The chosen path with the filter's suffix added when its name has no suffix at all, as the
// dialog itself adds it.
QString exportFilePath(const ExportChoice& choice);

// The name of the PDF file the print dialog proposes for a document: the document's name with
// each slash (a birth date's, say) made a dash, so that it names a file rather than folders, and
// ending in .pdf. "print.pdf" for a document without a name.
QString printFileName(const QString& docName);

// The folder a chosen file would be saved in, when that folder does not exist (the dialog then
// refuses the choice); an empty text when it does.
QString missingExportFolder(const QString& filePath);

}  // namespace lunasoma
