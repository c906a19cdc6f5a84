#pragma once
// Switches the pop-up hints (tool tips) of the whole application on and off at once by holding
// back every tool-tip request while hints are off. It sets no hint texts.

#include <QObject>

namespace lunasoma {

class HintSwitch : public QObject {
  Q_OBJECT

 public:
  // Hints start switched on; the application is watched only while they are off.
  explicit HintSwitch(QObject* parent = nullptr);
  ~HintSwitch() override;

  void setHintsShown(bool shown);
  bool hintsShown() const { return m_shown; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  bool m_shown = true;
};

}  // namespace lunasoma
