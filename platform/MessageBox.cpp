#include "platform/MessageBox.h"

#include "platform/StringTable.h"

int ShowError(IMessageBox& box, const std::string& text)
{
  return box.Show({text, LoadResString(IDS_ERROR), MsgIcon::Error, MsgButtons::Ok});
}

int ShowInformation(IMessageBox& box, const std::string& text)
{
  return box.Show({text, LoadResString(IDS_NOTE), MsgIcon::Information, MsgButtons::Ok});
}

int AskQuestion(IMessageBox& box, const std::string& text, MsgButtons buttons)
{
  return box.Show({text, LoadResString(IDS_ARE_YOU_SURE), MsgIcon::Question, buttons});
}
