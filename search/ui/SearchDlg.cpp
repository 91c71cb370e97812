#include "search/ui/SearchDlg.h"

#include "platform/MessageBox.h"
#include "platform/Services.h"
#include "platform/ui/ControlIds.h"
#include "platform/ui/LineEditText.h"
#include "search/SearchDecisions.h"
#include "search/SearchRun.h"
#include "search/SearchTerm.h"
#include "search/ui/QtHitList.h"
#include "ui_SearchDlg.h"

#include <QHeaderView>
#include <QStyle>
#include <QLineEdit>
#include <QPushButton>

#include <algorithm>
#include <cmath>
#include <utility>

namespace {

// The criteria edits with their members and input limits.
struct CriterionControl {
  QLineEdit* Ui::SearchDlg::*edit;
  std::string CSearchDlg::*member;
  int maxChars;
};

constexpr CriterionControl kCriteria[] = {
    {&Ui::SearchDlg::editAuthors, &CSearchDlg::m_strAuthors, 255},
    {&Ui::SearchDlg::editFirstPage, &CSearchDlg::m_strFirstPage, 255},
    {&Ui::SearchDlg::editIssue, &CSearchDlg::m_strIssue, 255},
    {&Ui::SearchDlg::editJournal, &CSearchDlg::m_strJournal, 255},
    {&Ui::SearchDlg::editTitleWords, &CSearchDlg::m_strTitleWords, 1024},
    {&Ui::SearchDlg::editVolume, &CSearchDlg::m_strVolume, 255},
    {&Ui::SearchDlg::editYear, &CSearchDlg::m_strYear, 255},
};

struct HitColumn {
  const char* heading;
  int width;  // pixels for an 8-point dialog font
};

constexpr HitColumn kHitColumns[] = {
    {"PMID", 60},    {"Autor(en)", 80}, {"Titel", 140},
    {"Jahr", 40},    {"Journal", 80},   {"Vol (Issue) Seiten", 100},
};

// The widths above suit the small dialog font they were drawn for. With a
// larger font all columns widen by one factor, enough for every heading and
// for an eight-digit PMID to show whole.
double ColumnScale(const QTreeWidget& list)
{
  const QFontMetrics metrics = list.header()->fontMetrics();
  const int margin = 2 * list.style()->pixelMetric(QStyle::PM_HeaderMargin) + 4;
  double scale = 1.0;
  for (const HitColumn& column : kHitColumns) {
    const int needed = metrics.horizontalAdvance(QString::fromUtf8(column.heading)) + margin;
    scale = std::max(scale, static_cast<double>(needed) / column.width);
  }
  const int pmid = list.fontMetrics().horizontalAdvance(QStringLiteral("99999999")) + margin;
  return std::max(scale, static_cast<double>(pmid) / kHitColumns[0].width);
}

}  // namespace

CSearchDlg::CSearchDlg(QWidget* parent, CImportSchema schema, CServices& services)
    : QDialog(parent),
      m_schema(std::move(schema)),
      m_services(services),
      m_ui(std::make_unique<Ui::SearchDlg>())
{
  m_ui->setupUi(this);
  for (const CriterionControl& criterion : kCriteria)
    m_criteriaEdits.push_back(
        std::make_unique<CLineEditText>(*((*m_ui).*criterion.edit), criterion.maxChars));
  InitHitColumns();
  ApplyToolTips(*this);
  connect(m_ui->buttonSearch, &QPushButton::clicked, this, &CSearchDlg::OnSearch);
  connect(m_ui->buttonOk, &QPushButton::clicked, this, &CSearchDlg::OnOK);
  connect(m_ui->buttonCancel, &QPushButton::clicked, this, &CSearchDlg::reject);
  UpdateData(false);
}

CSearchDlg::~CSearchDlg() = default;

int CSearchDlg::DoModal()
{
  UpdateData(false);
  m_ui->editAuthors->setFocus();
  const int result = exec();
  return result == IDYES || result == IDNO ? result : IDCANCEL;
}

std::string CSearchDlg::BuildSearchTerm() const { return ::BuildSearchTerm(Criteria()); }

void CSearchDlg::OnSearch()
{
  if (m_bSearching)
    return;
  m_bSearching = true;
  UpdateData(true);
  COwnedMessageBox dialogMessages(m_services.messages, this);
  const CSearchRun run(m_schema, m_services.http, m_services.busy, dialogMessages,
                       m_services.messages);
  CQtHitList hits(*m_ui->listHits);
  run.Run(BuildSearchTerm(), hits);
  UpdateData(false);
  m_bSearching = false;
}

void CSearchDlg::OnOK()
{
  UpdateData(true);
  COwnedMessageBox dialogMessages(m_services.messages, this);
  const CSearchOkDecision decision =
      DecideSearchOk(dialogMessages, CQtHitList(*m_ui->listHits).SelectedPubMedID());
  m_strPubMedID = decision.pubMedID;
  if (decision.endDialog)
    done(decision.result);
}

QTreeWidget* CSearchDlg::HitList() const { return m_ui->listHits; }

void CSearchDlg::accept() { OnOK(); }

void CSearchDlg::reject()
{
  // A close request that arrives while the hits are being fetched waits.
  if (!m_bSearching)
    done(IDCANCEL);
}

void CSearchDlg::UpdateData(bool saveAndValidate)
{
  for (std::size_t i = 0; i < std::size(kCriteria); ++i) {
    std::string& member = this->*kCriteria[i].member;
    if (saveAndValidate)
      member = m_criteriaEdits[i]->Take();
    else
      m_criteriaEdits[i]->Show(member);
  }
}

CSearchCriteria CSearchDlg::Criteria() const
{
  return {m_strAuthors,    m_strFirstPage, m_strIssue, m_strJournal,
          m_strTitleWords, m_strVolume,    m_strYear};
}

void CSearchDlg::InitHitColumns()
{
  QTreeWidget& list = *m_ui->listHits;
  QStringList headings;
  for (const HitColumn& column : kHitColumns)
    headings << QString::fromUtf8(column.heading);
  list.setColumnCount(static_cast<int>(std::size(kHitColumns)));
  list.setHeaderLabels(headings);
  list.header()->setStretchLastSection(false);
  list.header()->setSortIndicatorShown(false);
  const double scale = ColumnScale(list);
  for (std::size_t i = 0; i < std::size(kHitColumns); ++i)
    list.header()->resizeSection(static_cast<int>(i),
                                 static_cast<int>(std::lround(kHitColumns[i].width * scale)));
}
