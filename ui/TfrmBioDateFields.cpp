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

void TfrmBio::cboBirthDropDown() {
  // The pop-up has written the field's text, which runs no change handler, so the date is stored here.
  openCalendar(m_cboBirth, [this](DayNumber date) {
    m_context.settings.Birth = date;
    repaintChart();
  });
}

void TfrmBio::cboStartDropDown() {
  // A returned start is not compared with the birth date, as a typed one is not.
  openCalendar(m_cboStart, [this](DayNumber date) {
    m_context.settings.Start = date;
    repaintChart();
  });
}

void TfrmBio::openCalendar(DateField* field, std::function<void(DayNumber)> dateReturned) {
  if (m_openCalendar) m_openCalendar(field, field->mapToGlobal(QPoint(0, 0)), std::move(dateReturned));
}

QString TfrmBio::dateText(DayNumber date) const {
  // The separator typed text is read with, so that every text written reads back.
  return displayDateText(m_context, date, m_inputLocale.dateSeparator);
}

int TfrmBio::currentYear() const { return m_context.services.system.now().date().year(); }

}  // namespace lunasoma
