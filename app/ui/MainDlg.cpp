#include "app/ui/MainDlg.h"

#include "app/ui/AboutDlg.h"
#include "app/ui/Icons.h"
#include "app/ui/PreviewDlg.h"
#include "platform/Services.h"
#include "platform/ui/ControlIds.h"
#include "search/ui/SearchDlg.h"
#include "settings/ui/SettingsDlg.h"

#include "ui_MainDlg.h"

#include <QAction>
#include <QKeySequence>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>

namespace {

constexpr int kPathLimit = 2048;
constexpr int kPubMedIdLimit = 255;

// Menu 128's command IDs, kept on the actions.
constexpr int kCommandSettings = 32772;
constexpr int kCommandExit = 57665;
constexpr int kCommandAbout = 57664;

}  // namespace

CMainDlg::CMainDlg(QWidget* parent, CServices& services)
    : QDialog(parent), m_ui(std::make_unique<Ui::MainDlg>()), m_services(services),
      m_logic(*this, services, this)
{
  m_ui->setupUi(this);
  // A caption with system menu and close box; no minimize, maximize or help box.
  setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                 Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
  setWindowIcon(AppIcon());
  m_ui->buttonPubMed->setIcon(GlobeIcon());
  BuildMenu();
  ApplyToolTips(*this);

  m_edits.push_back({std::make_unique<CLineEditText>(*m_ui->editExportFile, kPathLimit),
                     &CMainSettings::m_strExportFile});
  m_edits.push_back({std::make_unique<CLineEditText>(*m_ui->editImportFile, kPathLimit),
                     &CMainSettings::m_strImportFile});
  m_edits.push_back({std::make_unique<CLineEditText>(*m_ui->editPubMedId, kPubMedIdLimit),
                     &CMainSettings::m_strPubMedID});
  m_edits.push_back({std::make_unique<CLineEditText>(*m_ui->editTemplateFile, kPathLimit),
                     &CMainSettings::m_strTemplateFile});

  connect(m_ui->radioPmid, &QRadioButton::clicked, this, [this] { m_logic.OnSourcePmid(); });
  connect(m_ui->radioFile, &QRadioButton::clicked, this, [this] { m_logic.OnSourceFile(); });
  connect(m_ui->buttonBrowseTarget, &QPushButton::clicked, this,
          [this] { m_logic.OnBrowse(BrowseKind::Target); });
  connect(m_ui->buttonBrowseTemplate, &QPushButton::clicked, this,
          [this] { m_logic.OnBrowse(BrowseKind::Template); });
  connect(m_ui->buttonBrowseMedline, &QPushButton::clicked, this,
          [this] { m_logic.OnBrowse(BrowseKind::Medline); });
  connect(m_ui->buttonSearch, &QPushButton::clicked, this, [this] { m_logic.OnSearchArticle(); });
  connect(m_ui->buttonPubMed, &QPushButton::clicked, this, [this] { m_logic.OnOpenPubMedPage(); });
  connect(m_ui->buttonConvert, &QPushButton::clicked, this, [this] { m_logic.OnOK(); });
  connect(m_ui->buttonExit, &QPushButton::clicked, this, &QDialog::reject);

  m_logic.OnInitDialog();
  m_ui->radioPmid->setFocus();
}

CMainDlg::~CMainDlg() = default;

void CMainDlg::BuildMenu()
{
  m_menuBar = new QMenuBar(this);
  QMenu* program = m_menuBar->addMenu(QStringLiteral("&Programm"));
  QAction* settings = program->addAction(QStringLiteral("&Einstellungen..."));
  settings->setData(kCommandSettings);
  connect(settings, &QAction::triggered, this, [this] { m_logic.OnSettings(); });
  QAction* exit = program->addAction(QStringLiteral("&Beenden\tAlt+F4"));
  exit->setData(kCommandExit);
  exit->setShortcut(QKeySequence(Qt::ALT | Qt::Key_F4));
  connect(exit, &QAction::triggered, this, &QDialog::reject);
  // Most desktops give a window no system menu of its own: this is the way to the about box.
  QMenu* help = m_menuBar->addMenu(QStringLiteral("&?"));
  QAction* about = help->addAction(QStringLiteral("Inf&o über Lexoria..."));
  about->setData(kCommandAbout);
  connect(about, &QAction::triggered, this, &CMainDlg::OnAbout);
  layout()->setMenuBar(m_menuBar);
}

QWidget* CMainDlg::Control(int controlId) const
{
  return FindControl(*this, controlId);
}

void CMainDlg::OnAbout()
{
  CAboutDlg about(this);
  about.exec();
}

void CMainDlg::UpdateData(bool saveAndValidate)
{
  CMainSettings& inputs = m_logic.m_inputs;
  if (saveAndValidate) {
    for (const EditBinding& edit : m_edits)
      inputs.*edit.member = edit.text->Take();
    // With neither button checked (a stored choice other than 0 or 1) the choice stays.
    if (m_ui->radioPmid->isChecked())
      inputs.m_nImportFormat = 0;
    else if (m_ui->radioFile->isChecked())
      inputs.m_nImportFormat = 1;
    return;
  }
  for (const EditBinding& edit : m_edits)
    edit.text->Show(inputs.*edit.member);
  const int radio = EnablingFor(inputs.m_nImportFormat).checkedRadio;
  // Exclusive buttons cannot be cleared one by one.
  m_ui->radioPmid->setAutoExclusive(false);
  m_ui->radioFile->setAutoExclusive(false);
  m_ui->radioPmid->setChecked(radio == 0);
  m_ui->radioFile->setChecked(radio == 1);
  m_ui->radioPmid->setAutoExclusive(true);
  m_ui->radioFile->setAutoExclusive(true);
}

void CMainDlg::EnablePmidControls(bool enable)
{
  for (const int id : {1001, 1011, 1020})
    if (QWidget* control = Control(id))
      control->setEnabled(enable);
}

void CMainDlg::EnableFileControls(bool enable)
{
  for (const int id : {1005, 1006})
    if (QWidget* control = Control(id))
      control->setEnabled(enable);
}

int CMainDlg::RunSettingsDialog(const CImportSchema& schema, CImportSchema& edited)
{
  CSettingsDlg dialog(this, schema, m_services.messages);
  const int result = dialog.DoModal();
  if (result == IDYES)
    edited = dialog.Result();
  return result;
}

int CMainDlg::RunSearchDialog(const CImportSchema& schema, std::string& pubMedId)
{
  CSearchDlg dialog(this, schema, m_services);
  const int result = dialog.DoModal();
  pubMedId = dialog.m_strPubMedID;
  return result;
}

bool CMainDlg::Confirm(CArticleRecord& record)
{
  CDialogRecordPreview preview(this, m_services.messages);
  return preview.Confirm(record);
}
