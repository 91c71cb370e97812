#pragma once

#include "platform/MessageBox.h"

#include <iosfwd>

// A message box for the command line: writes the text as one line to a
// stream and answers as closing the box would (OK, No, or Cancel).
class CStreamMessageBox : public IMessageBox {
public:
  explicit CStreamMessageBox(std::ostream& stream) : m_stream(stream) {}
  int Show(const MessageBoxRequest& request) override;

private:
  std::ostream& m_stream;
};
