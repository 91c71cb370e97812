#pragma once

#include "settings/ImportSchema.h"

#include <QDialog>

#include <memory>
#include <string>
#include <vector>

class CLineEditText;
struct CSearchCriteria;
struct CServices;
class QTreeWidget;

namespace Ui {
class SearchDlg;
}

// "PubMed-ID suchen": the user fills in search criteria, runs a PubMed
// search, picks one hit and takes its PMID over. DoModal returns IDYES when
// m_strPubMedID is to be taken over (it may be empty), else IDNO or IDCANCEL.
class CSearchDlg : public QDialog {
  Q_OBJECT

public:
  CSearchDlg(QWidget* parent, CImportSchema schema, CServices& services);
  ~CSearchDlg() override;

  int DoModal();

  // The ESearch term for the seven criteria members.
  std::string BuildSearchTerm() const;

  // Commands of the buttons "Suchen" and "Übernehmen".
  void OnSearch();
  void OnOK();

  QTreeWidget* HitList() const;

  std::string m_strAuthors;
  std::string m_strFirstPage;
  std::string m_strIssue;
  std::string m_strJournal;
  std::string m_strTitleWords;
  std::string m_strVolume;
  std::string m_strYear;
  std::string m_strPubMedID;
  CImportSchema m_schema;

  // Accepting asks first, as "Übernehmen" does; closing waits while a
  // search runs.
  void accept() override;
  void reject() override;

private:
  // Moves the criteria between the edits and the members.
  void UpdateData(bool saveAndValidate);
  CSearchCriteria Criteria() const;
  void InitHitColumns();

  CServices& m_services;
  std::unique_ptr<Ui::SearchDlg> m_ui;
  // One per criterion, in the order of the members; not movable, as each
  // is connected to its edit.
  std::vector<std::unique_ptr<CLineEditText>> m_criteriaEdits;
  bool m_bSearching = false;
};
