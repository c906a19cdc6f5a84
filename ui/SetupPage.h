#pragma once
// The setup page of the main window: range, style, line widths, colours and the general options.
// The page keeps no state of its own: it tells the main window when the user changes a control,
// and the window, when it is ready, has the controls stored into the settings record and applies
// them (hints, the chart). The page neither repaints the chart nor switches hints itself.

#include <QStyle>
#include <QWidget>

#include <utility>
#include <vector>

#include "model/BiorhythmSettings.h"

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QSlider;

namespace lunasoma {

class OwnerDrawComboBox;

class SetupPage : public QWidget {
  Q_OBJECT

 public:
  explicit SetupPage(BiorhythmSettings& settings, QWidget* parent = nullptr);

  // Reads every control except the track bar into the settings.
  void storeControls();

  // Puts the settings into the controls. The show flags are made to follow the widths; nothing
  // else is stored back, except that a range outside 1..8 weeks is brought to the nearest end the
  // track bar can show.
  void loadFromSettings();

  // Grows the designed places of the groups and their controls by `scale` (1 leaves them), for a
  // desktop font larger than the layout was designed for.
  void scaleLayout(double scale);

 Q_SIGNALS:
  // The user changed a control (not the track bar's position, which stores its own range).
  void changeRequested();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  enum class ListKind { Width, Color };

  // Tells the window of a change the user made; loading the controls tells nothing.
  void setupChanged();
  // Range := track bar position - 1, and the range group's caption; the chart is not repainted.
  void trkSetRangeChange();
  void cboColorDrawItem(QPainter& painter, const QComboBox& list, int index, const QRect& rect, QStyle::State state);
  void cboLineDrawItem(QPainter& painter, const QComboBox& list, int index, const QRect& rect, QStyle::State state);
  // Gives the focus to the label's list when the list can take it.
  void labelClick(QLabel* label);

  QGroupBox* addGroup(const char* name, const QString& caption, const QString& hint, const QRect& place);
  OwnerDrawComboBox* addList(QGroupBox* group, ListKind kind, const char* labelName, const QString& caption,
                             const char* listName, QPoint place);
  QCheckBox* addCheckBox(QGroupBox* group, const char* name, const QString& caption, const QString& hint, int top);
  void placeStyleItems();
  void keepRowsOffTheFrame(QGroupBox* group);
  void setTabOrder();

  BiorhythmSettings& m_settings;
  bool m_loading = false;

  QWidget* m_client;  // the page's area inside its 9-pixel border
  // The designed place of each control in the range, width, general and colour groups.
  std::vector<std::pair<QWidget*, QRect>> m_designed;
  QGroupBox* m_grpSetRange = nullptr;
  QSlider* m_trkSetRange = nullptr;
  QGroupBox* m_rgbSetStyle = nullptr;
  QButtonGroup* m_styleButtons = nullptr;
  OwnerDrawComboBox* m_cboSetPhyWidth = nullptr;
  OwnerDrawComboBox* m_cboSetMenWidth = nullptr;
  OwnerDrawComboBox* m_cboSetEmoWidth = nullptr;
  OwnerDrawComboBox* m_cboSetOverWidth = nullptr;
  QCheckBox* m_chkSetSaveStartDate = nullptr;
  QCheckBox* m_chkSetShowHints = nullptr;
  QCheckBox* m_chkSetSepLines = nullptr;
  QCheckBox* m_chkSetHideFlashScreen = nullptr;
  OwnerDrawComboBox* m_cboSetTextColor = nullptr;
  OwnerDrawComboBox* m_cboSetBackColor = nullptr;
  OwnerDrawComboBox* m_cboSetPhyColor = nullptr;
  OwnerDrawComboBox* m_cboSetMenColor = nullptr;
  OwnerDrawComboBox* m_cboSetEmoColor = nullptr;
  OwnerDrawComboBox* m_cboSetOverColor = nullptr;
};

}  // namespace lunasoma
