#pragma once
// The "Copy ... for a Friend" dialog: a drive list, the folder the copy will go to, and the Copy
// and Cancel buttons. It only wires widgets: the copying itself is copyProgramFiles, and this
// class turns its outcome into a sound and a message. The dialog closes after Copy, whatever
// happened; the user opens it again to retry.

#include <QDialog>

#include <vector>

#include "app/ProgramContext.h"

class QComboBox;
class QFrame;
class QLabel;
class QPushButton;

namespace lunasoma {

class TfrmCopyProgram : public QDialog {
  Q_OBJECT

 public:
  explicit TfrmCopyProgram(ProgramContext& context, QWidget* parent = nullptr);

  // Opens the dialog modally and destroys it when it closes.
  static void execute(ProgramContext& context, QWidget* parent);

  void cboDriveChange();
  void btnCopyClick();

 private:
  void buildWindow();
  void formCreate();
  void makeRoomForText();
  QString selectedRoot() const;

  ProgramContext& m_context;
  std::vector<Drive> m_drives;

  QFrame* m_tabMain = nullptr;
  QComboBox* m_cboDrive = nullptr;
  QLabel* m_lblCopy = nullptr;
  QLabel* m_lblTarget = nullptr;
  QPushButton* m_btnCopy = nullptr;
  QPushButton* m_btnCancel = nullptr;
};

// The main window's "Copy Program for a Friend" command.
void openCopyProgramDialog(ProgramContext& context, QWidget* parent);

}  // namespace lunasoma
