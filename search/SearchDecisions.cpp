#include "search/SearchDecisions.h"

#include "platform/MessageBox.h"
#include "platform/StringTable.h"

CSearchOkDecision DecideSearchOk(IMessageBox& dialogMessages,
                                 const std::optional<std::string>& selectedPubMedID)
{
  CSearchOkDecision decision;
  if (!selectedPubMedID) {
    if (AskQuestion(dialogMessages, LoadResString(IDS_NO_PMID_SELECTED), MsgButtons::YesNo) ==
        IDYES) {
      decision.endDialog = true;
      decision.result = IDYES;
    }
    return decision;
  }

  decision.pubMedID = *selectedPubMedID;
  const int answer =
      AskQuestion(dialogMessages, LoadResString(IDS_TAKE_OVER_PMID), MsgButtons::YesNoCancel);
  if (answer == IDYES || answer == IDNO) {
    decision.endDialog = true;
    decision.result = answer;
  }
  return decision;
}
