#pragma once

#include <optional>
#include <string>

class IMessageBox;

// What the command "Übernehmen" of the search dialog leads to.
struct CSearchOkDecision {
  bool endDialog = false;  // false: the dialog stays open
  int result = 0;          // the dialog's result when it ends (IDYES or IDNO)
  std::string pubMedID;    // the new value of the dialog's PMID
};

// Asks whether to take the selected hit's PMID over (or, with no row
// selected, whether to leave without one) through `dialogMessages`.
CSearchOkDecision DecideSearchOk(IMessageBox& dialogMessages,
                                 const std::optional<std::string>& selectedPubMedID);
