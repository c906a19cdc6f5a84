#include "ui/AccessibleItems.h"

#include <QAccessibleWidget>
#include <QEvent>
#include <QPointer>
#include <QWidget>
#include <QWindow>

#include <mutex>
#include <utility>

namespace lunasoma {

namespace {

AccessibleItems* itemsOf(const QObject* widget) {
  return widget ? widget->findChild<AccessibleItems*>(QString(), Qt::FindDirectChildrenOnly) : nullptr;
}

class ItemInterface : public QAccessibleInterface {
 public:
  ItemInterface(AccessibleItems* items, int index) : m_items(items), m_index(index) {}

  bool isValid() const override { return m_items && m_index < m_items->count(); }
  QObject* object() const override { return nullptr; }
  QWindow* window() const override { return m_items ? m_items->widget()->window()->windowHandle() : nullptr; }
  QAccessibleInterface* parent() const override {
    return m_items ? QAccessible::queryAccessibleInterface(m_items->widget()) : nullptr;
  }
  QAccessibleInterface* child(int) const override { return nullptr; }
  int childCount() const override { return 0; }
  int indexOfChild(const QAccessibleInterface*) const override { return -1; }
  QAccessibleInterface* childAt(int, int) const override { return nullptr; }
  QString text(QAccessible::Text kind) const override {
    if (kind != QAccessible::Name || !isValid()) return {};
    return m_items->source().name(m_index);
  }
  void setText(QAccessible::Text, const QString&) override {}
  QRect rect() const override {
    if (!isValid()) return {};
    const QRect local = m_items->source().rect(m_index);
    return {m_items->widget()->mapToGlobal(local.topLeft()), local.size()};
  }
  QAccessible::Role role() const override { return m_items ? m_items->itemRole() : QAccessible::NoRole; }
  QAccessible::State state() const override {
    QAccessible::State state;
    if (!isValid()) {
      state.invalid = true;
      return state;
    }
    const bool current = m_items->source().current() == m_index;
    state.focusable = true;
    state.selectable = true;
    state.selected = current;
    state.focused = current && m_items->widget()->hasFocus();
    state.invisible = m_items->source().rect(m_index).isEmpty();
    return state;
  }

 private:
  QPointer<AccessibleItems> m_items;
  int m_index;
};

class ItemsWidgetInterface : public QAccessibleWidget {
 public:
  ItemsWidgetInterface(QWidget* widget, AccessibleItems* items) : QAccessibleWidget(widget, items->role()) {}

  int childCount() const override { return items() ? items()->count() : 0; }
  QAccessibleInterface* child(int index) const override {
    return index >= 0 && index < childCount() ? items()->item(index) : nullptr;
  }
  int indexOfChild(const QAccessibleInterface* child) const override {
    for (int i = 0; i < childCount(); ++i) {
      if (items()->item(i) == child) return i;
    }
    return -1;
  }
  QAccessibleInterface* childAt(int x, int y) const override {
    for (int i = 0; i < childCount(); ++i) {
      if (items()->item(i)->rect().contains(x, y)) return items()->item(i);
    }
    return nullptr;
  }
  QAccessibleInterface* focusChild() const override {
    const int current = items() ? items()->source().current() : -1;
    return widget()->hasFocus() && current >= 0 && current < childCount() ? items()->item(current) : nullptr;
  }

 private:
  AccessibleItems* items() const { return itemsOf(object()); }
};

QAccessibleInterface* itemsWidgetInterface(const QString&, QObject* object) {
  auto* widget = qobject_cast<QWidget*>(object);
  AccessibleItems* items = itemsOf(widget);
  return items ? new ItemsWidgetInterface(widget, items) : nullptr;
}

}  // namespace

AccessibleItems::AccessibleItems(QWidget* widget, QAccessible::Role role, QAccessible::Role itemRole, Source source)
    : QObject(widget), m_role(role), m_itemRole(itemRole), m_source(std::move(source)) {
  static std::once_flag factoryInstalled;
  std::call_once(factoryInstalled, [] { QAccessible::installFactory(itemsWidgetInterface); });
}

AccessibleItems::~AccessibleItems() {
  for (const QAccessible::Id id : m_items) QAccessible::deleteAccessibleInterface(id);
}

QWidget* AccessibleItems::widget() const { return static_cast<QWidget*>(parent()); }

QAccessibleInterface* AccessibleItems::item(int index) {
  while (static_cast<int>(m_items.size()) <= index) {
    m_items.push_back(
        QAccessible::registerAccessibleInterface(new ItemInterface(this, static_cast<int>(m_items.size()))));
  }
  return QAccessible::accessibleInterface(m_items[static_cast<std::size_t>(index)]);
}

void AccessibleItems::announceCurrent() {
  const int current = m_source.current ? m_source.current() : -1;
  if (!widget()->hasFocus() || current < 0 || current >= count()) return;
  // Readers keep the names they have read; the item at this place may stand for another thing now
  // (the next page of days, another month), so its name is told again before the focus moves.
  QAccessibleEvent renamed(widget(), QAccessible::NameChanged);
  renamed.setChild(current);
  QAccessible::updateAccessibility(&renamed);
  QAccessibleEvent focused(widget(), QAccessible::Focus);
  focused.setChild(current);
  QAccessible::updateAccessibility(&focused);
}

void AccessibleItems::announceOnFocusIn() { widget()->installEventFilter(this); }

bool AccessibleItems::eventFilter(QObject* watched, QEvent* event) {
  // Qt tells readers of the widget's focus only after the focus event; the item follows that.
  if (watched == parent() && event->type() == QEvent::FocusIn) {
    QMetaObject::invokeMethod(this, &AccessibleItems::announceCurrent, Qt::QueuedConnection);
  }
  return QObject::eventFilter(watched, event);
}

}  // namespace lunasoma
