#include "tests/support/FakeMessageBox.h"

int CFakeMessageBox::Show(const MessageBoxRequest& request)
{
  m_shown.push_back(request);
  if (!m_answers.empty()) {
    const int answer = m_answers.front();
    m_answers.pop_front();
    return answer;
  }
  switch (request.buttons) {
  case MsgButtons::Ok: return IDOK;
  case MsgButtons::YesNo: return IDNO;
  case MsgButtons::YesNoCancel: return IDCANCEL;
  }
  return IDCANCEL;
}
