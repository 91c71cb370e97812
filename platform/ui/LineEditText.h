#pragma once

#include "platform/QtText.h"

#include <string>

class QLineEdit;

// Moves a byte string into a line edit and back. Text the user did not edit
// comes back byte for byte; the limit caps typing but never cuts a longer
// value that was put in (it follows such a text down as it shrinks).
class CLineEditText {
public:
  CLineEditText(QLineEdit& edit, int limit);

  void Show(const std::string& bytes);
  std::string Take() const;

private:
  void KeepLimit();

  QLineEdit& m_edit;
  int m_limit;
  CQtText m_shown;
};
