#include "cli/StreamMessageBox.h"

#include <ostream>

int CStreamMessageBox::Show(const MessageBoxRequest& request)
{
  m_stream << request.text << '\n';
  switch (request.buttons) {
  case MsgButtons::YesNo:
    return IDNO;
  case MsgButtons::YesNoCancel:
    return IDCANCEL;
  case MsgButtons::Ok:
    break;
  }
  return IDOK;
}
