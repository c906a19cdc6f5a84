#include <QComboBox>

#include "model/DateText.h"
#include "ui/DateField.h"
#include "ui/TfrmBio.h"

namespace lunasoma {

void TfrmBio::cboBirthChange() {
  // Every keystroke counts: a half-typed date stands for whatever it parses to until the next one.
  m_context.settings.Birth = parseDateText(m_cboBirth->currentText().toStdString(), 0, m_inputLocale, currentYear());
  repaintChart();
}

void TfrmBio::cboStartChange() {
  m_context.settings.Start = parseDateText(m_cboStart->currentText().toStdString(), 0, m_inputLocale, currentYear());
  repaintChart();
}

void TfrmBio::cboBirthDropDown(DateField* field) {
  if (m_openCalendar) m_openCalendar(field, field->mapToGlobal(QPoint(0, 0)));
}

QString TfrmBio::dateText(DayNumber date) const {
  // The separator typed text is read with, so that every text written reads back.
  return displayDateText(m_context, date, m_inputLocale.dateSeparator);
}

int TfrmBio::currentYear() const { return m_context.services.system.now().date().year(); }

}  // namespace lunasoma
