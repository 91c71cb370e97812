#pragma once

#include "platform/MessageBox.h"
#include "platform/ui/LineEditText.h"
#include "settings/SettingsDlgLogic.h"

#include <QDialog>

#include <memory>
#include <vector>

namespace Ui {
class SettingsDlg;
}

// "Einstellungen" (dialog 133): the 23 markers and URL templates of a schema.
// DoModal returns IDYES or IDNO after the question, IDCANCEL after
// "Abbrechen", Esc or the close box; after IDYES Result() holds the edits.
class CSettingsDlg : public QDialog, private ISettingsView {
  Q_OBJECT

public:
  // `messages` is unowned; the dialog owns the question it shows through it.
  CSettingsDlg(QWidget* parent, CImportSchema schema, IMessageBox& messages);
  ~CSettingsDlg() override;

  int DoModal();
  const CImportSchema& Result() const { return m_logic.m_schema; }
  QWidget* Control(int controlId) const;

  void OnOK();
  void OnDefaults();

protected:
  void accept() override { OnOK(); }
  void reject() override { done(IDCANCEL); }

private:
  void UpdateData(bool saveAndValidate) override;
  void EndDialog(int result) override { done(result); }

  struct EditBinding {
    const SettingsField* field;
    std::unique_ptr<CLineEditText> text;
  };

  std::unique_ptr<Ui::SettingsDlg> m_ui;
  COwnedMessageBox m_messages;
  CSettingsDlgLogic m_logic;
  std::vector<EditBinding> m_edits;  // in the order the values move
};
