#include "app/ui/PreviewDlg.h"

#include "ui_PreviewDlg.h"

#include "platform/ui/ControlIds.h"
#include "platform/ui/QtBusyCursor.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextCursor>
#include <QTextDocument>
#include <QValidator>

#include <algorithm>

namespace {

// Accepts typing up to the field's limit, but never cuts a longer value that
// came with the record: the limit follows such a text down as it shrinks.
// (Changing QLineEdit's maxLength instead would reset its cursor and its
// modified state on every keystroke.)
class CLengthValidator : public QValidator {
public:
  CLengthValidator(QObject* parent, int maxChars) : QValidator(parent), m_maxChars(maxChars), m_allowed(maxChars) {}

  State validate(QString& input, int&) const override
  {
    return input.size() <= m_allowed ? Acceptable : Invalid;
  }
  void Follow(const QString& text) { m_allowed = std::max(m_maxChars, static_cast<int>(text.size())); }

private:
  int m_maxChars;
  int m_allowed;
};

// The members that mirror the record's fields.
struct MemberOfField {
  std::string CArticleRecord::*field;
  std::string CPreviewDlg::*member;
};
const MemberOfField kMembers[] = {
    {&CArticleRecord::m_strAuthors, &CPreviewDlg::m_strAuthors},
    {&CArticleRecord::m_strCiteKey, &CPreviewDlg::m_strCiteKey},
    {&CArticleRecord::m_strIssue, &CPreviewDlg::m_strIssue},
    {&CArticleRecord::m_strJournal, &CPreviewDlg::m_strJournal},
    {&CArticleRecord::m_strLanguage, &CPreviewDlg::m_strLanguage},
    {&CArticleRecord::m_strNote, &CPreviewDlg::m_strNote},
    {&CArticleRecord::m_strPages, &CPreviewDlg::m_strPages},
    {&CArticleRecord::m_strTitle, &CPreviewDlg::m_strTitle},
    {&CArticleRecord::m_strURL, &CPreviewDlg::m_strURL},
    {&CArticleRecord::m_strVolume, &CPreviewDlg::m_strVolume},
    {&CArticleRecord::m_strYear, &CPreviewDlg::m_strYear},
};

}  // namespace

CPreviewDlg::CPreviewDlg(QWidget* parent, CArticleRecord record, IMessageBox& messages)
    : QDialog(parent), m_ui(std::make_unique<Ui::PreviewDlg>()), m_messages(messages, this)
{
  m_ui->setupUi(this);
  setWindowFlag(Qt::WindowContextHelpButtonHint, false);
  for (const PreviewField& field : kPreviewFields)
    Member(field.member) = record.*field.member;

  for (const PreviewField& field : kPreviewFields) {
    if (auto* edit = qobject_cast<QLineEdit*>(Control(field.controlId))) {
      auto* validator = new CLengthValidator(edit, field.maxChars);
      edit->setValidator(validator);
      connect(edit, &QLineEdit::textChanged, validator, &CLengthValidator::Follow);
      const unsigned controlId = field.controlId;
      connect(edit, &QLineEdit::textEdited, this, [this, controlId] { m_edited.insert(controlId); });
      connect(edit, &QLineEdit::returnPressed, this, &CPreviewDlg::OnOK);
    }
  }
  connect(m_ui->editNote->document(), &QTextDocument::contentsChange, this, &CPreviewDlg::LimitNote);
  connect(m_ui->buttonOk, &QPushButton::clicked, this, &CPreviewDlg::OnOK);
  connect(m_ui->buttonCancel, &QPushButton::clicked, this, &QDialog::reject);

  UpdateData(false);
  m_ui->editCiteKey->setFocus();
}

CPreviewDlg::~CPreviewDlg() = default;

int CPreviewDlg::DoModal()
{
  return exec() == QDialog::Accepted ? IDOK : IDCANCEL;
}

CArticleRecord CPreviewDlg::GetRecord() const
{
  CArticleRecord record;
  for (const MemberOfField& pair : kMembers)
    record.*pair.field = this->*pair.member;
  return record;
}

QWidget* CPreviewDlg::Control(unsigned controlId) const
{
  return FindControl(*this, static_cast<int>(controlId));
}

std::string& CPreviewDlg::Member(std::string CArticleRecord::*field)
{
  for (const MemberOfField& pair : kMembers)
    if (pair.field == field)
      return this->*pair.member;
  return m_strYear;
}

void CPreviewDlg::UpdateData(bool saveAndValidate)
{
  for (const PreviewField& field : kPreviewFields) {
    std::string& member = Member(field.member);
    QWidget* control = Control(field.controlId);
    auto* line = qobject_cast<QLineEdit*>(control);
    auto* note = qobject_cast<QPlainTextEdit*>(control);
    if (!saveAndValidate) {
      const CQtText& shown = m_shown.insert_or_assign(field.controlId, CQtText(member)).first->second;
      if (line != nullptr) {
        line->setMaxLength(std::max(field.maxChars, static_cast<int>(shown.Display().size())));
        m_edited.erase(field.controlId);
        line->setText(shown.Display());
        line->setCursorPosition(0);
      } else if (note != nullptr) {
        note->setPlainText(shown.Display());
        note->document()->setModified(false);
      }
      continue;
    }
    const CQtText& shown = m_shown.at(field.controlId);
    if (line != nullptr && m_edited.count(field.controlId) != 0)
      member = shown.FromDisplay(line->text());
    else if (note != nullptr && note->document()->isModified())
      member = shown.FromDisplay(note->toPlainText());
  }
}

void CPreviewDlg::OnOK()
{
  switch (DecidePreviewOk(*this, m_messages)) {
  case PreviewCommand::Accept:
    UpdateData(true);
    accept();
    break;
  case PreviewCommand::Reject:
    reject();
    break;
  case PreviewCommand::Stay:
    break;
  }
}

void CPreviewDlg::LimitNote(int position, int removed, int added)
{
  if (m_limitingNote || added <= 0)
    return;
  // As in a one-line field: what would pass the limit is not taken, unless
  // the text was already longer before this change.
  const int length = static_cast<int>(m_ui->editNote->toPlainText().size());
  const int before = length - added + removed;
  const int allowed = std::max(kPreviewNoteMaxChars, before);
  if (length <= allowed)
    return;
  const int excess = std::min(length - allowed, added);
  m_limitingNote = true;
  QTextCursor cursor(m_ui->editNote->document());
  cursor.setPosition(position + added - excess);
  cursor.setPosition(position + added, QTextCursor::KeepAnchor);
  cursor.removeSelectedText();
  m_limitingNote = false;
}

int CPreviewDlg::FieldLength(unsigned controlId) const
{
  QWidget* control = Control(controlId);
  if (auto* line = qobject_cast<QLineEdit*>(control))
    return static_cast<int>(line->text().size());
  if (auto* note = qobject_cast<QPlainTextEdit*>(control))
    return static_cast<int>(note->toPlainText().size());
  return 0;
}

void CPreviewDlg::FocusField(unsigned controlId)
{
  QWidget* control = Control(controlId);
  if (control == nullptr)
    return;
  control->setFocus();
  if (auto* line = qobject_cast<QLineEdit*>(control))
    line->selectAll();
  else if (auto* note = qobject_cast<QPlainTextEdit*>(control))
    note->selectAll();
}

bool CDialogRecordPreview::Confirm(CArticleRecord& record)
{
  CPreviewDlg dialog(m_parent, record, m_messages);
  // The run stays busy across the preview, but the user edits here.
  const CQtInteractiveCursor arrow;
  if (dialog.DoModal() != IDOK)
    return false;
  record = dialog.GetRecord();
  return true;
}
