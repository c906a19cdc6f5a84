#pragma once
// The setup page of the main window: range, style, line widths, colours and the general options.
// Every control writes straight into the settings record; the page keeps no state of its own and
// neither repaints the chart nor switches hints itself: it calls the main window's iniSettings.

#include <QStyle>
#include <QWidget>

#include <functional>
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

  // setupChanged stores nothing while this answers false (the main window is still being
  // created). Until a function is given the page counts as ready.
  void setChartReady(std::function<bool()> chartReady);
  // Called at the end of every setupChanged so that hints and the chart follow at once.
  void setIniSettings(std::function<void()> iniSettings);

  // Puts the settings into the controls. The show flags are made to follow the widths; nothing
  // else is stored back, whatever chartReady says, except that a range outside 1..8 weeks is
  // brought to the nearest end the track bar can show.
  void loadFromSettings();

  // Grows the designed places of the groups and their controls by `scale` (1 leaves them), for a
  // desktop font larger than the layout was designed for.
  void scaleLayout(double scale);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  enum class ListKind { Width, Color };

  // Reads every control except the track bar into the settings, then calls iniSettings.
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
  std::function<bool()> m_chartReady;
  std::function<void()> m_iniSettings;
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
