#pragma once

#include "platform/MessageBox.h"

#include <deque>
#include <vector>

// Records every message box and answers from a script; a box without a
// scripted answer gets IDOK, IDNO or IDCANCEL by its buttons, as closing it would.
class CFakeMessageBox : public IMessageBox {
public:
  int Show(const MessageBoxRequest& request) override;

  void ScriptAnswer(int answer) { m_answers.push_back(answer); }

  std::vector<MessageBoxRequest> m_shown;

private:
  std::deque<int> m_answers;
};
