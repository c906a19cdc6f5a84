#pragma once
// Screen readers' view of a widget that draws its own items (the chart's days, the calendar's
// dates): the widget gets the role it is given, each item becomes a child with a name and a place,
// and moving to another item moves the readers' focus to it, so that they speak its name. The
// widget itself keeps the keyboard focus; nothing here draws or handles keys.

#include <QAccessible>
#include <QObject>
#include <QRect>
#include <QString>

#include <functional>
#include <vector>

class QWidget;

namespace lunasoma {

class AccessibleItems : public QObject {
  Q_OBJECT

 public:
  struct Source {
    std::function<int()> count;
    std::function<QString(int index)> name;
    std::function<QRect(int index)> rect;  // in the widget's coordinates
    std::function<int()> current;          // -1 while no item is current
  };

  // Attach before anything asks for the widget's interface: Qt keeps the first one it makes.
  AccessibleItems(QWidget* widget, QAccessible::Role role, QAccessible::Role itemRole, Source source);
  ~AccessibleItems() override;

  // Tells screen readers that the current item changed, while the widget has the keyboard focus.
  void announceCurrent();
  // Also tells them whenever the widget gets the focus, so that they read the current item at once.
  void announceOnFocusIn();

  QWidget* widget() const;
  QAccessible::Role role() const { return m_role; }
  QAccessible::Role itemRole() const { return m_itemRole; }
  const Source& source() const { return m_source; }
  int count() const { return m_source.count ? m_source.count() : 0; }
  // The interface of item `index`, made on first use and kept until this object goes.
  QAccessibleInterface* item(int index);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QAccessible::Role m_role;
  QAccessible::Role m_itemRole;
  Source m_source;
  std::vector<QAccessible::Id> m_items;
};

}  // namespace lunasoma
