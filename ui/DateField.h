#pragma once
// An editable date field: a combo box without list entries into which at most 10 characters can
// be typed. Text the program writes with setDateText stands whole however long the locale makes
// it, and until the program writes again the user may type as many characters as it has, so that
// such a date can be corrected in place. It reports
// the user's own edits (typing, deleting, cutting, pasting) and requests for its drop-down; text
// set by the program reports nothing. It does not parse or format dates.

#include <QComboBox>

namespace lunasoma {

class DateField : public QComboBox {
  Q_OBJECT

 public:
  static constexpr int MaxLength = 10;

  explicit DateField(QWidget* parent = nullptr);

  // Writes the program's own date text, never cut short.
  void setDateText(const QString& text);

  // The field's own list plays no part: asking for it asks for the calendar pop-up instead.
  void showPopup() override;

 Q_SIGNALS:
  void userEdited();
  void dropDownRequested();
};

}  // namespace lunasoma
