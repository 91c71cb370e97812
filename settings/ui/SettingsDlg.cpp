#include "settings/ui/SettingsDlg.h"

#include "platform/ui/ControlIds.h"

#include "ui_SettingsDlg.h"

#include <QLineEdit>
#include <QPushButton>

#include <utility>

CSettingsDlg::CSettingsDlg(QWidget* parent, CImportSchema schema, IMessageBox& messages)
    : QDialog(parent), m_ui(std::make_unique<Ui::SettingsDlg>()), m_messages(messages, this),
      m_logic(*this, std::move(schema))
{
  m_ui->setupUi(this);
  setWindowFlag(Qt::WindowContextHelpButtonHint, false);
  for (const SettingsField& field : kSettingsFields)
    if (auto* edit = qobject_cast<QLineEdit*>(Control(field.controlId)))
      m_edits.push_back({&field, std::make_unique<CLineEditText>(*edit, field.limit)});
  ApplyToolTips(*this);

  connect(m_ui->buttonOk, &QPushButton::clicked, this, &CSettingsDlg::OnOK);
  connect(m_ui->buttonDefaults, &QPushButton::clicked, this, &CSettingsDlg::OnDefaults);
  connect(m_ui->buttonCancel, &QPushButton::clicked, this, &CSettingsDlg::reject);
  UpdateData(false);
}

CSettingsDlg::~CSettingsDlg() = default;

int CSettingsDlg::DoModal()
{
  return exec();
}

QWidget* CSettingsDlg::Control(int controlId) const
{
  return FindControl(*this, controlId);
}

void CSettingsDlg::OnOK()
{
  m_logic.OnOK(m_messages);
}

void CSettingsDlg::OnDefaults()
{
  m_logic.OnDefaults();
}

void CSettingsDlg::UpdateData(bool saveAndValidate)
{
  for (const EditBinding& edit : m_edits) {
    std::string& text = m_logic.m_texts.*edit.field->member;
    if (saveAndValidate)
      text = edit.text->Take();
    else
      edit.text->Show(text);
  }
}
