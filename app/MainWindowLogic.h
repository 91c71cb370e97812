#pragma once

#include "core/ConversionRun.h"
#include "platform/FileChooser.h"
#include "platform/MessageBox.h"
#include "settings/ImportSchema.h"
#include "settings/MainSettings.h"

#include <string>

struct CServices;

// Which controls the source choice enables, and which radio button shows it.
struct SourceEnabling {
  bool pmidControls;  // PMID edit, search button, PubMed-page button
  bool fileControls;  // Medline path edit and its "..." button
  int checkedRadio;   // 0 "PMID:", 1 "Datei:", -1 none
};
SourceEnabling EnablingFor(int importFormat);

enum class BrowseKind { Target, Template, Medline };

// The file chooser's filter, default extension, initial name and create prompt
// for one of the three "..." buttons.
FileChooserRequest BrowseRequest(BrowseKind kind);

// What the main window needs from its widgets: moving values between the
// controls and the members, enabling controls and running the other dialogs
// (the preview through IRecordPreview::Confirm).
class IMainView : public IRecordPreview {
public:
  virtual ~IMainView() = default;
  // true: controls into members; false: members into controls.
  virtual void UpdateData(bool saveAndValidate) = 0;
  virtual void EnablePmidControls(bool enable) = 0;
  virtual void EnableFileControls(bool enable) = 0;
  // Runs the settings dialog on a copy of `schema`; on IDYES `edited` holds its result.
  virtual int RunSettingsDialog(const CImportSchema& schema, CImportSchema& edited) = 0;
  // Runs the search dialog on a copy of `schema`; on IDYES `pubMedId` holds the chosen PMID.
  virtual int RunSearchDialog(const CImportSchema& schema, std::string& pubMedId) = 0;
};

// The main window's values and commands, free of widgets. Its message boxes
// are owned by `owner`, the main window.
class CMainWindowLogic {
public:
  CMainWindowLogic(IMainView& view, CServices& services, const void* owner);

  // Defaults, then the stored settings, into the members and the controls.
  void OnInitDialog();

  void OnSourcePmid();
  void OnSourceFile();
  void OnBrowse(BrowseKind kind);
  void OnOpenPubMedPage();
  void OnSettings();
  void OnSearchArticle();
  // The convert command; the window stays open.
  void OnOK();

  CMainSettings m_inputs;  // the five inputs: paths, PMID, source choice
  CImportSchema m_schema;  // the schema in force
  CConversionRun m_run;    // the record and working texts of the last conversion

private:
  void ApplyEnabling();

  IMainView& m_view;
  CServices& m_services;
  COwnedMessageBox m_messages;
  CFileEntrySink m_sink;
};
