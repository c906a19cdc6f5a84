#pragma once
// The calendar pop-up of the two date fields: a borderless window with a heading, the month grid
// and five buttons, opened under a field by execute. When a day is clicked or Enter is pressed it
// writes the chosen date into the field and hands it to the function the opener gave; on Escape or
// when another window of the program becomes active it hides without touching the field. One
// instance serves both fields for the whole run; it does not know which date a field stands for,
// and it does not parse or draw dates itself.

#include <QPointer>
#include <QRect>
#include <QWidget>

#include <functional>

#include "model/Calendar.h"
#include "model/CalendarSteps.h"

class QComboBox;
class QFrame;
class QLabel;
class QPushButton;
class QWindow;

namespace lunasoma {

struct ProgramContext;
class TCalendar;

class TfrmCal : public QWidget {
  Q_OBJECT

 public:
  // The part of the screen a pop-up opened at a point may use.
  using ScreenArea = std::function<QRect(QPoint)>;

  // A free tool window places itself on the screen. Where programs can neither place their
  // windows nor learn where they are (Wayland), the pop-up is instead the main window's pop-up,
  // placed by the compositor relative to the field and closed by it when the user turns to
  // another program, as drop-down lists are there. Its window then also spans the field, that
  // part clear and open to the pointer, so that the compositor can turn it up above the field.
  enum class WindowKind { ToolWindow, AttachedPopup };
  static WindowKind windowKindFor(const QString& platformName);

  // Receives a returned date after the field shows it and the pop-up has hidden.
  using DateReturned = std::function<void(DayNumber date)>;

  explicit TfrmCal(ProgramContext& context, QWidget* parent = nullptr);

  // Opens the pop-up on the field's date (today when its text is not a date). screenTopLeft is
  // the top-left corner of the field in screen coordinates; dateReturned is called with the date
  // when one is returned into the field, and never when the pop-up closes without one.
  void execute(QComboBox* field, QPoint screenTopLeft, DateReturned dateReturned);

  // By default the available geometry of the screen under the field.
  void setScreenArea(ScreenArea area) { m_screenArea = std::move(area); }

  // By default the kind the running platform needs; the pop-up must be hidden.
  void setWindowKind(WindowKind kind);
  WindowKind windowKind() const { return m_windowKind; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;

 private:
  void createControls();
  void attachTo(QWidget* mainWindow);
  QPushButton* createButton(const char* name, const QString& caption, int left, int width, const QString& hint);
  void checkDate();
  void calChange();
  void calClick();
  void btnTodayClick();
  void stepWorkingDate(CalendarStep step);
  void FormKeyDown(int key);
  void returnDate();
  void FormDeactivate();
  void focusWindowChanged(QWindow* window);
  bool onFieldArrow(QPoint screenPoint) const;
  void watchForClickEnd();
  void stepDays(int days);
  CivilDate today() const;
  CivilDate gridDate() const;
  QString dateText(DayNumber date) const;

  ProgramContext& m_context;
  ScreenArea m_screenArea;
  WindowKind m_windowKind;

  CivilDate m_workingDate{};
  bool m_syncEnabled = true;
  bool m_returnArmed = false;
  QPointer<QComboBox> m_targetField;
  DateReturned m_dateReturned;        // the opener's, for the field it opened the pop-up on
  bool m_hasFocus = false;            // the pop-up has held the focus since it was opened
  bool m_arrowClickPending = false;   // closed as the focus left for a click on the field's arrow
  QPointer<QObject> m_clickEndWatch;  // ends m_arrowClickPending with the click's release

  QFrame* m_panMain = nullptr;
  QLabel* m_lblDate = nullptr;
  TCalendar* m_cal = nullptr;
  QPushButton* m_btnYearBack = nullptr;
  QPushButton* m_btnMonthBack = nullptr;
  QPushButton* m_btnToday = nullptr;
  QPushButton* m_btnMonthFore = nullptr;
  QPushButton* m_btnYearFore = nullptr;
};

}  // namespace lunasoma
