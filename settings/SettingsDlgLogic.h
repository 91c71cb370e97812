#pragma once

#include "settings/ImportSchema.h"

#include <string>

class IMessageBox;

// One edit of the settings dialog: its control, the schema text it edits and
// the most characters it takes.
struct SettingsField {
  int controlId;
  std::string CImportSchema::*member;
  int limit;
};

// The 23 edits in the order their values move: the ten end markers, the ten
// start markers (each by field: Author, Issue, Journal, Language, Note, Pages,
// Title, URL, Volume, Year), then the three URL templates.
extern const SettingsField kSettingsFields[23];

// What the settings dialog needs from its widgets.
class ISettingsView {
public:
  virtual ~ISettingsView() = default;
  // true: edits into texts; false: texts into edits.
  virtual void UpdateData(bool saveAndValidate) = 0;
  // Ends the dialog with IDYES, IDNO or IDCANCEL.
  virtual void EndDialog(int result) = 0;
};

// The settings dialog's values and commands, free of widgets.
class CSettingsDlgLogic {
public:
  CSettingsDlgLogic(ISettingsView& view, CImportSchema schema);

  // The 23 defaults into the edits; nothing is stored.
  void OnDefaults();
  // Copies the texts into the result and asks whether to store them:
  // Yes ends with IDYES, No with IDNO, Cancel keeps the dialog open.
  void OnOK(IMessageBox& messages);

  CImportSchema m_texts;   // the 23 texts being edited
  CImportSchema m_schema;  // the dialog's result, filled by OnOK

private:
  ISettingsView& m_view;
};
