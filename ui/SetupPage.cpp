#include "ui/SetupPage.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QCoreApplication>
#include <QEvent>
#include <QFocusEvent>
#include <QGroupBox>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QRadioButton>
#include <QScopedValueRollback>
#include <QSlider>

#include <algorithm>
#include <climits>
#include <string>

#include "ui/AccessibleText.h"
#include "ui/MainWindowGeometry.h"
#include "ui/OwnerDrawComboBox.h"
#include "ui/SetupItemPainter.h"

namespace lunasoma {

namespace {

constexpr int pageBorder = 9;
constexpr int listItemHeight = 13;
constexpr QSize listSize{50, 19};
constexpr int styleCount = 2;

QColor toQColor(std::uint32_t paletteValue) {
  return {paletteRed(paletteValue), paletteGreen(paletteValue), paletteBlue(paletteValue)};
}

std::uint8_t indexOf(const QComboBox* list) { return static_cast<std::uint8_t>(std::max(list->currentIndex(), 0)); }

QStringList widthItemNames() {
  QStringList names;
  for (const int width : LineWidths)
    names << (width == 0 ? QCoreApplication::translate("SetupPage", "No Line")
                         : QCoreApplication::translate("SetupPage", "Width %1").arg(width));
  return names;
}

// The palette's names as the translation tools see them; the list read is the model's.
[[maybe_unused]] constexpr const char* TranslatedPaletteNames[] = {
    QT_TRANSLATE_NOOP("PaletteNames", "Black"),  QT_TRANSLATE_NOOP("PaletteNames", "Maroon"),
    QT_TRANSLATE_NOOP("PaletteNames", "Green"),  QT_TRANSLATE_NOOP("PaletteNames", "Olive"),
    QT_TRANSLATE_NOOP("PaletteNames", "Navy"),   QT_TRANSLATE_NOOP("PaletteNames", "Purple"),
    QT_TRANSLATE_NOOP("PaletteNames", "Teal"),   QT_TRANSLATE_NOOP("PaletteNames", "Gray"),
    QT_TRANSLATE_NOOP("PaletteNames", "Silver"), QT_TRANSLATE_NOOP("PaletteNames", "Red"),
    QT_TRANSLATE_NOOP("PaletteNames", "Lime"),   QT_TRANSLATE_NOOP("PaletteNames", "Yellow"),
    QT_TRANSLATE_NOOP("PaletteNames", "Blue"),   QT_TRANSLATE_NOOP("PaletteNames", "Fuchsia"),
    QT_TRANSLATE_NOOP("PaletteNames", "Aqua"),   QT_TRANSLATE_NOOP("PaletteNames", "White")};

QStringList colorItemNames() {
  QStringList names;
  for (const std::string_view name : PaletteNames)
    names << QCoreApplication::translate("PaletteNames", std::string(name).c_str());
  return names;
}

}  // namespace

SetupPage::SetupPage(BiorhythmSettings& settings, QWidget* parent)
    : QWidget(parent), m_settings(settings), m_client(new QWidget(this)) {
  setObjectName(QStringLiteral("panSetup"));
  m_client->move(pageBorder, pageBorder);

  m_grpSetRange = addGroup("grpSetRange", QString(), QString(), {9, 6, 127, 55});
  m_trkSetRange = new QSlider(Qt::Horizontal, m_grpSetRange);
  m_trkSetRange->setObjectName(QStringLiteral("trkSetRange"));
  m_trkSetRange->setToolTip(QCoreApplication::translate("SetupPage", "Range of weeks to show"));
  m_trkSetRange->setAccessibleDescription(m_trkSetRange->toolTip());
  // The group has no hint of its own; it holds only the track bar and is described by its hint.
  m_grpSetRange->setAccessibleDescription(m_trkSetRange->toolTip());
  m_trkSetRange->setRange(1, 8);
  m_trkSetRange->setPageStep(2);
  m_trkSetRange->setTickInterval(1);
  m_trkSetRange->setTickPosition(QSlider::TicksAbove);
  m_trkSetRange->setGeometry(9, 16, 103, 33);
  m_designed.emplace_back(m_trkSetRange, m_trkSetRange->geometry());
  m_trkSetRange->installEventFilter(this);
  connect(m_trkSetRange, &QSlider::valueChanged, this, [this] { trkSetRangeChange(); });

  m_rgbSetStyle = addGroup("rgbSetStyle", QCoreApplication::translate("SetupPage", " Style "),
                           QCoreApplication::translate("SetupPage", "Style of graphic"), {9, 69, 127, 73});
  m_styleButtons = new QButtonGroup(m_rgbSetStyle);
  const QStringList captions{QCoreApplication::translate("SetupPage", "Line"),
                             QCoreApplication::translate("SetupPage", "High/Low")};
  for (int i = 0; i < styleCount; ++i) {
    auto* button = new QRadioButton(captions[i], m_rgbSetStyle);
    setAccessibleText(button, captions[i], m_rgbSetStyle->toolTip());
    m_styleButtons->addButton(button, i);
  }
  placeStyleItems();
  connect(m_styleButtons, &QButtonGroup::idToggled, this, [this](int, bool checked) {
    if (checked) setupChanged();
  });

  auto* widths = addGroup("grpSetWidths", QCoreApplication::translate("SetupPage", " Line Widths "),
                          QCoreApplication::translate("SetupPage", "Line widths for graphic"), {9, 157, 127, 111});
  m_cboSetPhyWidth = addList(widths, ListKind::Width, "lblSetPhyWidth",
                             QCoreApplication::translate("SetupPage", "Physical"), "cboSetPhyWidth", {67, 20});
  m_cboSetMenWidth = addList(widths, ListKind::Width, "lblSetMenWidth",
                             QCoreApplication::translate("SetupPage", "Mental"), "cboSetMenWidth", {67, 41});
  m_cboSetEmoWidth = addList(widths, ListKind::Width, "lblSetEmoWidth",
                             QCoreApplication::translate("SetupPage", "Emotional"), "cboSetEmoWidth", {67, 62});
  m_cboSetOverWidth = addList(widths, ListKind::Width, "lblSetOverallWidth",
                              QCoreApplication::translate("SetupPage", "Overall"), "cboSetOverWidth", {67, 83});

  auto* general =
      addGroup("grpSetGeneral", QCoreApplication::translate("SetupPage", " General "), QString(), {144, 6, 137, 97});
  m_chkSetSaveStartDate =
      addCheckBox(general, "chkSetSaveStartDate", QCoreApplication::translate("SetupPage", "Save Start Date"),
                  QCoreApplication::translate("SetupPage", "Current start date will be used for next session"), 15);
  m_chkSetShowHints = addCheckBox(general, "chkSetShowHints", QCoreApplication::translate("SetupPage", "Show Hints"),
                                  QCoreApplication::translate("SetupPage", "Show these popup hints"), 34);
  m_chkSetSepLines = addCheckBox(general, "chkSetSepLines", QCoreApplication::translate("SetupPage", "Separator Lines"),
                                 QCoreApplication::translate("SetupPage", "Show daily vertical lines in graphic"), 53);
  m_chkSetHideFlashScreen =
      addCheckBox(general, "chkSetHideFlashScreen", QCoreApplication::translate("SetupPage", "Hide Flash Screen"),
                  QCoreApplication::translate("SetupPage", "Hide initial flash screen on startup"), 72);

  auto* colors = addGroup("grpSetColors", QCoreApplication::translate("SetupPage", " Color Settings "),
                          QCoreApplication::translate("SetupPage", "Color settings for graphic"), {143, 112, 137, 156});
  m_cboSetTextColor = addList(colors, ListKind::Color, "lblSetTextColor",
                              QCoreApplication::translate("SetupPage", "Text"), "cboSetTextColor", {76, 23});
  m_cboSetBackColor = addList(colors, ListKind::Color, "lblSetBackColor",
                              QCoreApplication::translate("SetupPage", "Background"), "cboSetBackColor", {76, 44});
  m_cboSetPhyColor = addList(colors, ListKind::Color, "lblSetPhyColor",
                             QCoreApplication::translate("SetupPage", "Physical"), "cboSetPhyColor", {76, 65});
  m_cboSetMenColor = addList(colors, ListKind::Color, "lblSetMenColor",
                             QCoreApplication::translate("SetupPage", "Mental"), "cboSetMenColor", {76, 86});
  m_cboSetEmoColor = addList(colors, ListKind::Color, "lblSetEmoColor",
                             QCoreApplication::translate("SetupPage", "Emotional"), "cboSetEmoColor", {76, 107});
  m_cboSetOverColor = addList(colors, ListKind::Color, "lblSetOverallColor",
                              QCoreApplication::translate("SetupPage", "Overall"), "cboSetOverColor", {76, 128});

  setTabOrder();
  for (QGroupBox* group : m_client->findChildren<QGroupBox*>(Qt::FindDirectChildrenOnly)) keepRowsOffTheFrame(group);
}

void SetupPage::scaleLayout(double scale) {
  if (scale <= 1.0) return;
  const QList<QGroupBox*> groups = m_client->findChildren<QGroupBox*>(Qt::FindDirectChildrenOnly);
  for (QGroupBox* group : groups) group->setGeometry(scaledRect(group->geometry(), scale));
  for (auto& [widget, place] : m_designed) place = scaledRect(place, scale);
  for (QGroupBox* group : groups) keepRowsOffTheFrame(group);
}

QGroupBox* SetupPage::addGroup(const char* name, const QString& caption, const QString& hint, const QRect& place) {
  auto* group = new QGroupBox(caption, m_client);
  group->setObjectName(QString::fromLatin1(name));
  group->setToolTip(hint);
  group->setGeometry(place);
  setAccessibleText(group, spokenCaption(caption), hint.isEmpty() ? spokenCaption(caption) : hint);
  // The style decides where a group's contents may start; the rows follow when it changes.
  group->installEventFilter(this);
  return group;
}

OwnerDrawComboBox* SetupPage::addList(QGroupBox* group, ListKind kind, const char* labelName, const QString& caption,
                                      const char* listName, QPoint place) {
  const bool widthList = kind == ListKind::Width;
  auto drawItem = [this, widthList](QPainter& painter, const QComboBox& list, int index, const QRect& rect,
                                    QStyle::State state) {
    if (widthList) {
      cboLineDrawItem(painter, list, index, rect, state);
    } else {
      cboColorDrawItem(painter, list, index, rect, state);
    }
  };
  const int itemCount = widthList ? static_cast<int>(LineWidths.size()) : static_cast<int>(Palette.size());
  auto* list = new OwnerDrawComboBox(itemCount, listItemHeight, drawItem, group);
  list->setObjectName(QString::fromLatin1(listName));
  list->setGeometry(QRect(place, listSize));
  m_designed.emplace_back(list, list->geometry());
  // The items show no text, so each is named for screen readers, and so is the list: the caption
  // alone ("Physical") stands in both the width and the colour group.
  setAccessibleItemNames(list, widthList ? widthItemNames() : colorItemNames());
  setAccessibleText(list,
                    (widthList ? QCoreApplication::translate("SetupPage", "%1 Line Width")
                               : QCoreApplication::translate("SetupPage", "%1 Color"))
                        .arg(caption),
                    group->toolTip());
  connect(list, &QComboBox::currentIndexChanged, this, [this] { setupChanged(); });

  // The label ends a few pixels short of its list and is right-aligned against it.
  auto* label = new QLabel(caption, group);
  label->setObjectName(QString::fromLatin1(labelName));
  label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  label->setGeometry(4, place.y(), place.x() - 10, listSize.height());
  m_designed.emplace_back(label, label->geometry());
  label->setBuddy(list);
  label->installEventFilter(this);
  return list;
}

QCheckBox* SetupPage::addCheckBox(QGroupBox* group, const char* name, const QString& caption, const QString& hint,
                                  int top) {
  auto* box = new QCheckBox(caption, group);
  box->setObjectName(QString::fromLatin1(name));
  box->setToolTip(hint);
  setAccessibleText(box, caption, hint);
  box->setGeometry(9, top, group->width() - 13, 17);
  m_designed.emplace_back(box, box->geometry());
  connect(box, &QCheckBox::toggled, this, [this] { setupChanged(); });
  return box;
}

void SetupPage::placeStyleItems() {
  // The items share the group's contents area evenly, one column wide; the style and the font
  // decide where that area starts below the caption.
  const QRect area = m_rgbSetStyle->contentsRect();
  const int itemHeight = area.height() / styleCount;
  const int top = area.top() + (area.height() % styleCount) / 2;
  for (int i = 0; i < styleCount; ++i) {
    m_styleButtons->button(i)->setGeometry(8, top + i * itemHeight, m_rgbSetStyle->width() - 10, itemHeight);
  }
}

void SetupPage::keepRowsOffTheFrame(QGroupBox* group) {
  if (group == m_rgbSetStyle) {
    placeStyleItems();
    return;
  }
  // The designed places suit a style that writes the caption across the frame line. Where the
  // caption sits above the frame instead, the first row would lie on the line: the rows move down
  // together, as little as the style's contents area needs, and a row that then reaches the
  // bottom of the frame gives up the height it needs.
  const QRect area = group->contentsRect();
  int firstTop = INT_MAX;
  for (const auto& [widget, place] : m_designed) {
    if (widget->parentWidget() == group) firstTop = std::min(firstTop, place.top());
  }
  const int shift = std::max(0, area.top() - firstTop);
  for (const auto& [widget, place] : m_designed) {
    if (widget->parentWidget() != group) continue;
    QRect moved = place.translated(0, shift);
    if (shift > 0 && moved.bottom() > area.bottom()) moved.setBottom(std::max(moved.top(), area.bottom()));
    widget->setGeometry(moved);
  }
}

void SetupPage::setTabOrder() {
  const QList<QWidget*> order{m_trkSetRange,     m_styleButtons->button(0), m_styleButtons->button(1),
                              m_cboSetPhyWidth,  m_cboSetMenWidth,          m_cboSetEmoWidth,
                              m_cboSetOverWidth, m_chkSetSaveStartDate,     m_chkSetShowHints,
                              m_chkSetSepLines,  m_chkSetHideFlashScreen,   m_cboSetTextColor,
                              m_cboSetBackColor, m_cboSetPhyColor,          m_cboSetMenColor,
                              m_cboSetEmoColor,  m_cboSetOverColor};
  for (qsizetype i = 1; i < order.size(); ++i) QWidget::setTabOrder(order[i - 1], order[i]);
}

void SetupPage::loadFromSettings() {
  // Every assignment below raises its control's change signal; none of them may store anything.
  const QScopedValueRollback<bool> loading(m_loading, true);

  {
    const QSignalBlocker quiet(m_trkSetRange);
    m_trkSetRange->setValue(std::clamp(m_settings.Range + 1, m_trkSetRange->minimum(), m_trkSetRange->maximum()));
  }
  trkSetRangeChange();

  m_styleButtons->button(std::clamp(static_cast<int>(m_settings.Style), 0, styleCount - 1))->setChecked(true);

  m_settings.ShowPhysical = m_settings.WidthPhysical != 0;
  m_settings.ShowMental = m_settings.WidthMental != 0;
  m_settings.ShowEmotional = m_settings.WidthEmotional != 0;
  m_settings.ShowOverall = m_settings.WidthOverall != 0;

  m_chkSetSepLines->setChecked(m_settings.ShowLines);
  m_chkSetHideFlashScreen->setChecked(m_settings.HideFlashScreen);
  m_chkSetShowHints->setChecked(m_settings.ShowHints);
  m_chkSetSaveStartDate->setChecked(m_settings.SaveStartDate);

  m_cboSetPhyWidth->setClampedIndex(m_settings.WidthPhysical);
  m_cboSetMenWidth->setClampedIndex(m_settings.WidthMental);
  m_cboSetEmoWidth->setClampedIndex(m_settings.WidthEmotional);
  m_cboSetOverWidth->setClampedIndex(m_settings.WidthOverall);

  m_cboSetPhyColor->setClampedIndex(m_settings.ColorPhysical);
  m_cboSetMenColor->setClampedIndex(m_settings.ColorMental);
  m_cboSetEmoColor->setClampedIndex(m_settings.ColorEmotional);
  m_cboSetOverColor->setClampedIndex(m_settings.ColorOverall);
  m_cboSetTextColor->setClampedIndex(m_settings.ColorText);
  m_cboSetBackColor->setClampedIndex(m_settings.ColorBack);
}

void SetupPage::setupChanged() {
  if (!m_loading) Q_EMIT changeRequested();
}

void SetupPage::storeControls() {
  m_settings.Style = static_cast<ChartStyle>(std::max(m_styleButtons->checkedId(), 0));
  m_settings.ShowPhysical = m_cboSetPhyWidth->currentIndex() > 0;
  m_settings.ShowMental = m_cboSetMenWidth->currentIndex() > 0;
  m_settings.ShowEmotional = m_cboSetEmoWidth->currentIndex() > 0;
  m_settings.ShowOverall = m_cboSetOverWidth->currentIndex() > 0;
  m_settings.ShowLines = m_chkSetSepLines->isChecked();
  m_settings.WidthPhysical = indexOf(m_cboSetPhyWidth);
  m_settings.WidthMental = indexOf(m_cboSetMenWidth);
  m_settings.WidthEmotional = indexOf(m_cboSetEmoWidth);
  m_settings.WidthOverall = indexOf(m_cboSetOverWidth);
  m_settings.ColorPhysical = indexOf(m_cboSetPhyColor);
  m_settings.ColorMental = indexOf(m_cboSetMenColor);
  m_settings.ColorEmotional = indexOf(m_cboSetEmoColor);
  m_settings.ColorOverall = indexOf(m_cboSetOverColor);
  m_settings.ColorText = indexOf(m_cboSetTextColor);
  m_settings.ColorBack = indexOf(m_cboSetBackColor);
  m_settings.HideFlashScreen = m_chkSetHideFlashScreen->isChecked();
  m_settings.ShowHints = m_chkSetShowHints->isChecked();
  m_settings.SaveStartDate = m_chkSetSaveStartDate->isChecked();
}

void SetupPage::trkSetRangeChange() {
  const int weeks = m_trkSetRange->value();
  m_settings.Range = static_cast<std::uint8_t>(weeks - 1);
  m_grpSetRange->setTitle((weeks == 1 ? QCoreApplication::translate("SetupPage", " Show %1 Week ")
                                      : QCoreApplication::translate("SetupPage", " Show %1 Weeks "))
                              .arg(weeks));
  // The caption tells how many weeks; the track bar, which sets them, is named by it.
  m_grpSetRange->setAccessibleName(spokenCaption(m_grpSetRange->title()));
  m_trkSetRange->setAccessibleName(m_grpSetRange->accessibleName());
}

void SetupPage::cboColorDrawItem(QPainter& painter, const QComboBox& list, int index, const QRect& rect,
                                 QStyle::State state) {
  // Only the open list marks its current item; the closed box shows the colour alone.
  paintColorItem(painter, rect, toQColor(paletteColor(static_cast<std::uint8_t>(index))),
                 list.palette().color(QPalette::Base), list.palette().color(QPalette::Text),
                 state.testFlag(QStyle::State_Selected));
}

void SetupPage::cboLineDrawItem(QPainter& painter, const QComboBox& list, int index, const QRect& rect,
                                QStyle::State state) {
  painter.setFont(list.font());
  const bool focused = state.testAnyFlags(QStyle::State_HasFocus | QStyle::State_Selected);
  paintWidthItem(painter, rect, lineWidth(static_cast<std::uint8_t>(index)), focused,
                 list.palette().color(QPalette::Base), list.palette().color(QPalette::Text));
}

void SetupPage::labelClick(QLabel* label) {
  QWidget* list = label ? label->buddy() : nullptr;
  if (list && list->isEnabled() && list->isVisible() && list->focusPolicy() != Qt::NoFocus) {
    list->setFocus(Qt::OtherFocusReason);
  }
}

bool SetupPage::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::ContentsRectChange) {
    if (auto* group = qobject_cast<QGroupBox*>(watched)) keepRowsOffTheFrame(group);
  } else if (watched == m_trkSetRange && event->type() == QEvent::FocusOut) {
    // Leaving the whole window, or opening a pop-up, is not leaving the track bar for another control.
    const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
    if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) setupChanged();
  } else if (event->type() == QEvent::MouseButtonRelease) {
    auto* label = qobject_cast<QLabel*>(watched);
    const auto* mouse = static_cast<QMouseEvent*>(event);
    if (label && mouse->button() == Qt::LeftButton && label->rect().contains(mouse->position().toPoint())) {
      labelClick(label);
    }
  }
  return QWidget::eventFilter(watched, event);
}

void SetupPage::resizeEvent(QResizeEvent* event) {
  m_client->setGeometry(rect().adjusted(pageBorder, pageBorder, -pageBorder, -pageBorder));
  QWidget::resizeEvent(event);
}

}  // namespace lunasoma
