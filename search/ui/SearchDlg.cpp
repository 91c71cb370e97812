#include "search/ui/SearchDlg.h"

#include "platform/MessageBox.h"
#include "platform/Services.h"

#include <utility>

namespace Ui {
class SearchDlg {};
}

CSearchDlg::CSearchDlg(QWidget* parent, CImportSchema schema, CServices& services)
    : QDialog(parent), m_schema(std::move(schema)), m_services(services)
{
}

CSearchDlg::~CSearchDlg() = default;

int CSearchDlg::DoModal()
{
  const int result = exec();
  return result == IDYES || result == IDNO ? result : IDCANCEL;
}

std::string CSearchDlg::BuildSearchTerm() const { return {}; }

void CSearchDlg::OnSearch() {}

void CSearchDlg::OnOK() {}

QTreeWidget* CSearchDlg::HitList() const { return nullptr; }

void CSearchDlg::accept() { OnOK(); }

void CSearchDlg::reject() { done(IDCANCEL); }

void CSearchDlg::UpdateData(bool) {}
