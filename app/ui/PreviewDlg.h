#pragma once

#include "app/PreviewDecisions.h"
#include "core/ArticleRecord.h"
#include "core/ConversionRun.h"
#include "platform/MessageBox.h"
#include "platform/QtText.h"

#include <QDialog>

#include <map>
#include <memory>
#include <set>
#include <string>

namespace Ui {
class PreviewDlg;
}

// Shows a record for editing and asks before it is written (dialog 131).
// The eleven members hold the record's values; after DoModal returned IDOK
// they hold the confirmed ones. A field the user did not edit keeps its bytes.
class CPreviewDlg : public QDialog, private IPreviewForm {
  Q_OBJECT

public:
  // `messages` is unowned; the dialog owns the boxes it shows through it.
  CPreviewDlg(QWidget* parent, CArticleRecord record, IMessageBox& messages);
  ~CPreviewDlg() override;

  // Runs the dialog modally: IDOK when confirmed, else IDCANCEL.
  int DoModal();
  // The eleven members as a record.
  CArticleRecord GetRecord() const;
  // The control with the given ID, or null.
  QWidget* Control(unsigned controlId) const;

  std::string m_strAuthors;
  std::string m_strCiteKey;
  std::string m_strIssue;
  std::string m_strJournal;
  std::string m_strLanguage;
  std::string m_strNote;
  std::string m_strPages;
  std::string m_strTitle;
  std::string m_strURL;
  std::string m_strVolume;
  std::string m_strYear;

public slots:
  // "Übernehmen", or Enter in a one-line field.
  void OnOK();

private:
  std::string& Member(std::string CArticleRecord::*field);
  // true: controls into members; false: members into controls.
  void UpdateData(bool saveAndValidate);
  void LimitNote(int position, int removed, int added);

  int FieldLength(unsigned controlId) const override;
  void FocusField(unsigned controlId) override;

  std::unique_ptr<Ui::PreviewDlg> m_ui;
  COwnedMessageBox m_messages;
  std::map<unsigned, CQtText> m_shown;  // what each control was filled with
  std::set<unsigned> m_edited;          // one-line fields the user has changed
  bool m_limitingNote = false;
};

// The preview of a conversion run as this dialog.
class CDialogRecordPreview : public IRecordPreview {
public:
  CDialogRecordPreview(QWidget* parent, IMessageBox& messages) : m_parent(parent), m_messages(messages) {}
  bool Confirm(CArticleRecord& record) override;

private:
  QWidget* m_parent;
  IMessageBox& m_messages;
};
