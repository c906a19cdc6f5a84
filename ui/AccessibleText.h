#pragma once
// Names and descriptions for screen readers, made from the texts the controls already show: the
// caption without its mnemonic marker and outer blanks, and the hint.

#include <QString>

class QComboBox;
class QWidget;

namespace lunasoma {

// "&Biorhythm" reads "Biorhythm", " Line Widths " reads "Line Widths"; "&&" stays one "&".
QString spokenCaption(const QString& caption);

void setAccessibleText(QWidget* widget, const QString& name, const QString& description);

// Names the items of a list whose items show no text, in their order.
void setAccessibleItemNames(QComboBox* list, const QStringList& names);

}  // namespace lunasoma
