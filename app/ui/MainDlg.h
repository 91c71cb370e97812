#pragma once

#include "app/MainWindowLogic.h"
#include "platform/ui/LineEditText.h"

#include <QDialog>

#include <memory>
#include <string>
#include <vector>

struct CServices;
class QMenuBar;

namespace Ui {
class MainDlg;
}

// The main window "Lexoria" (dialog 102 with menu 128): source, template and
// target, and the commands. Closing it by any path ends the program without
// saving; "Konvertieren..." leaves it open.
class CMainDlg : public QDialog, private IMainView {
  Q_OBJECT

public:
  // Loads the defaults and the stored settings into the controls.
  CMainDlg(QWidget* parent, CServices& services);
  ~CMainDlg() override;

  QWidget* Control(int controlId) const;
  QMenuBar* MenuBar() const { return m_menuBar; }
  CMainWindowLogic& Logic() { return m_logic; }

  void OnAbout();

protected:
  // Enter presses the default button "Konvertieren..."; nothing else accepts.
  void accept() override {}

private:
  void BuildMenu();

  void UpdateData(bool saveAndValidate) override;
  void EnablePmidControls(bool enable) override;
  void EnableFileControls(bool enable) override;
  int RunSettingsDialog(const CImportSchema& schema, CImportSchema& edited) override;
  int RunSearchDialog(const CImportSchema& schema, std::string& pubMedId) override;
  bool Confirm(CArticleRecord& record) override;

  struct EditBinding {
    std::unique_ptr<CLineEditText> text;
    std::string CMainSettings::*member;
  };

  std::unique_ptr<Ui::MainDlg> m_ui;
  CServices& m_services;
  CMainWindowLogic m_logic;
  std::vector<EditBinding> m_edits;
  QMenuBar* m_menuBar = nullptr;
};
