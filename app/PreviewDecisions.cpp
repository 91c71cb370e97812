#include "app/PreviewDecisions.h"

#include "platform/MessageBox.h"
#include "platform/StringTable.h"

namespace {

// The message with the limit in place of its "%d".
std::string MaxCharsMessage(int maxChars)
{
  std::string text = LoadResString(IDS_MAX_CHARS);
  const std::size_t at = text.find("%d");
  if (at != std::string::npos)
    text.replace(at, 2, std::to_string(maxChars));
  return text;
}

}  // namespace

bool ValidatePreviewFields(IPreviewForm& form, IMessageBox& messages)
{
  for (const PreviewField& field : kPreviewFields) {
    if (form.FieldLength(field.controlId) <= field.maxChars)
      continue;
    ShowError(messages, MaxCharsMessage(field.maxChars));
    form.FocusField(field.controlId);
    return false;
  }
  return true;
}

PreviewCommand DecidePreviewOk(IPreviewForm& form, IMessageBox& messages)
{
  // A failed check has shown its message; the question follows all the same.
  (void)ValidatePreviewFields(form, messages);
  switch (AskQuestion(messages, LoadResString(IDS_SAVE_RECORD_QUESTION), MsgButtons::YesNoCancel)) {
  case IDYES:
    return ValidatePreviewFields(form, messages) ? PreviewCommand::Accept : PreviewCommand::Stay;
  case IDNO:
    return PreviewCommand::Reject;
  default:
    return PreviewCommand::Stay;
  }
}
