#pragma once

#include "platform/MessageBox.h"

#include <memory>

class QAbstractButton;
class QMessageBox;

// Message boxes on QMessageBox, laid out like the desktop's own: the title,
// the icon and German buttons "OK", "Ja", "Nein", "Abbrechen". The request's
// owner, when set, is the QWidget the box is modal to.
class CQtMessageBox : public IMessageBox {
public:
  int Show(const MessageBoxRequest& request) override;
};

// The box for `request`, not yet shown; its first button is the default and
// closing it (Esc or the close box) presses the button MessageBox.h names.
std::unique_ptr<QMessageBox> BuildQtMessageBox(const MessageBoxRequest& request);

// The result (IDOK, IDYES, IDNO, IDCANCEL) for the button clicked in a box
// built by BuildQtMessageBox; `clicked` may be null when nothing was clicked.
int QtMessageBoxResult(const QMessageBox& box, const QAbstractButton* clicked);
