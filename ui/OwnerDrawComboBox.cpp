#include "ui/OwnerDrawComboBox.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QAccessibleWidget>
#include <QListView>
#include <QStyleOptionComboBox>
#include <QStylePainter>
#include <QWheelEvent>

#include <algorithm>
#include <mutex>
#include <utility>

#include "ui/OwnerDrawItemDelegate.h"

namespace lunasoma {

namespace {

constexpr int NarrowArrowWidth = 11;

// The right end of the style's arrow button, at most NarrowArrowWidth wide.
QRect narrowArrowRect(const QRect& styleArrow) {
  if (styleArrow.width() <= NarrowArrowWidth) return styleArrow;
  return {styleArrow.right() + 1 - NarrowArrowWidth, styleArrow.top(), NarrowArrowWidth, styleArrow.height()};
}

// The item's name for screen readers; its display text is empty, as the owner paints the item.
QString spokenItem(const QComboBox& list, int index) {
  return index < 0 ? QString() : list.itemData(index, Qt::AccessibleTextRole).toString();
}

// What a screen reader is told about the list. Qt's own combo box interface speaks the current
// item's display text as the value, which here is empty, so a closed list would be read without
// the colour or width it holds. This one speaks the current item's accessible name as the value
// and otherwise behaves as Qt's: the open list is its one child, and it can be opened and closed.
// Qt's bridge to the desktop's accessibility bus reads a combo box's name, not its value, and
// announces a change of item as a change of name, so the name carries the item as well:
// "Background Color, Teal".
class OwnerDrawListAccessible : public QAccessibleWidget {
 public:
  explicit OwnerDrawListAccessible(QComboBox* list) : QAccessibleWidget(list, QAccessible::ComboBox) {}

  QString text(QAccessible::Text kind) const override {
    if (kind == QAccessible::Value) return spokenItem(*list(), list()->currentIndex());
    if (kind == QAccessible::Name) {
      const QString name = QAccessibleWidget::text(kind);
      const QString item = spokenItem(*list(), list()->currentIndex());
      return item.isEmpty() || name.isEmpty() ? name + item : name + QStringLiteral(", ") + item;
    }
    if (kind == QAccessible::Accelerator) return QKeySequence(Qt::Key_Down).toString(QKeySequence::NativeText);
    return QAccessibleWidget::text(kind);
  }

  int childCount() const override { return 1; }
  QAccessibleInterface* child(int index) const override {
    return index == 0 ? QAccessible::queryAccessibleInterface(list()->view()) : nullptr;
  }
  int indexOfChild(const QAccessibleInterface* child) const override {
    return child && child->object() == list()->view() ? 0 : -1;
  }
  QAccessibleInterface* childAt(int, int) const override { return nullptr; }

  QAccessible::State state() const override {
    QAccessible::State state = QAccessibleWidget::state();
    state.expandable = true;
    state.expanded = list()->view()->isVisible();
    return state;
  }

  QStringList actionNames() const override { return {showMenuAction(), pressAction()}; }
  void doAction(const QString& action) override {
    if (action != showMenuAction() && action != pressAction()) return QAccessibleWidget::doAction(action);
    if (list()->view()->isVisible()) {
      list()->hidePopup();
    } else {
      list()->showPopup();
    }
  }

 private:
  QComboBox* list() const { return static_cast<QComboBox*>(widget()); }
};

QAccessibleInterface* ownerDrawListInterface(const QString& className, QObject* object) {
  if (className != QLatin1String(OwnerDrawComboBox::staticMetaObject.className())) return nullptr;
  auto* list = qobject_cast<OwnerDrawComboBox*>(object);
  return list ? new OwnerDrawListAccessible(list) : nullptr;
}

// Qt keeps the first interface it makes for a widget, and the combo box's own constructor may
// already ask for one; the factory must be in place before the first list is built.
QWidget* withListInterface(QWidget* parent) {
  static std::once_flag factoryInstalled;
  std::call_once(factoryInstalled, [] { QAccessible::installFactory(ownerDrawListInterface); });
  return parent;
}

}  // namespace

OwnerDrawComboBox::OwnerDrawComboBox(int itemCount, int itemHeight, DrawItem drawItem, QWidget* parent)
    : QComboBox(withListInterface(parent)), m_drawItem(std::move(drawItem)) {
  setEditable(false);
  for (int i = 0; i < itemCount; ++i) addItem(QString());
  auto paintListItem = [this](QPainter& painter, int index, const QRect& rect, QStyle::State state) {
    if (m_drawItem) m_drawItem(painter, *this, index, rect, state);
  };
  setItemDelegate(new OwnerDrawItemDelegate(itemHeight, paintListItem, this));
  if (auto* list = qobject_cast<QListView*>(view())) list->setUniformItemSizes(true);
  view()->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setMaxVisibleItems(std::max(itemCount, 1));
  // A list the pointer merely passes over while the page is scrolled or the wheel turned for
  // another control must not change a setting: the wheel neither gives it the focus nor, without
  // the focus, changes its item.
  setFocusPolicy(Qt::StrongFocus);
}

void OwnerDrawComboBox::wheelEvent(QWheelEvent* event) {
  if (!hasFocus()) {
    event->ignore();
    return;
  }
  QComboBox::wheelEvent(event);
}

void OwnerDrawComboBox::setClampedIndex(int index) {
  if (count() == 0) return;
  setCurrentIndex(std::clamp(index, 0, count() - 1));
}

void OwnerDrawComboBox::paintEvent(QPaintEvent*) {
  QStylePainter painter(this);
  QStyleOptionComboBox option;
  initStyleOption(&option);
  // The style would draw the item's (empty) text; the owner draws the item itself instead.
  option.currentText.clear();
  option.currentIcon = QIcon();
  // The style's arrow button takes nearly half of a box 50 pixels wide and leaves too little of the
  // item to read ("No L"). The box draws a narrow arrow of its own instead and gives the item the
  // width the button would have taken.
  const QRect styleArrow = style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxArrow, this);
  const QRect styleField = style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, this);
  option.subControls &= ~QStyle::SC_ComboBoxArrow;
  painter.drawComplexControl(QStyle::CC_ComboBox, option);
  const QRect arrow = narrowArrowRect(styleArrow);
  QStyleOption arrowOption;
  arrowOption.initFrom(this);
  arrowOption.rect = arrow;
  painter.drawPrimitive(QStyle::PE_IndicatorArrowDown, arrowOption);

  if (currentIndex() < 0 || !m_drawItem) return;
  QRect field = styleField;
  field.setRight(std::max(field.right(), arrow.left() - 1));
  m_drawItem(painter, *this, currentIndex(), field, hasFocus() ? QStyle::State_HasFocus : QStyle::State_None);
}

}  // namespace lunasoma
