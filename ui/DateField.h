#pragma once
// An editable date field: a combo box without list entries whose text is at most 10 characters.
// It reports the user's own edits (typing, deleting, cutting, pasting) and requests for its
// drop-down; text set by the program reports nothing. It does not parse or format dates.

#include <QComboBox>

namespace lunasoma {

class DateField : public QComboBox {
  Q_OBJECT

 public:
  static constexpr int MaxLength = 10;

  explicit DateField(QWidget* parent = nullptr);

  // The field's own list plays no part: asking for it asks for the calendar pop-up instead.
  void showPopup() override;

 Q_SIGNALS:
  void userEdited();
  void dropDownRequested();
};

}  // namespace lunasoma
