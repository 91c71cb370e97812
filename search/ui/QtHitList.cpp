#include "search/ui/QtHitList.h"

#include "platform/QtText.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QTreeWidget>

namespace {

// The PMID's own bytes, kept beside its displayed text.
constexpr int kPubMedIDRole = Qt::UserRole;

void Repaint()
{
  QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

}  // namespace

void CQtHitList::DeleteAllItems()
{
  m_tree.clear();
  Repaint();
}

int CQtHitList::GetItemCount() const { return m_tree.topLevelItemCount(); }

void CQtHitList::InsertItem(int index, const HitRowTexts& texts)
{
  auto* item = new QTreeWidgetItem;  // owned by the tree once inserted
  for (std::size_t column = 0; column < texts.size(); ++column)
    item->setText(static_cast<int>(column), ToQString(texts[column]));
  item->setData(0, kPubMedIDRole, QByteArray::fromStdString(texts[0]));
  m_tree.insertTopLevelItem(index, item);
  Repaint();
}

std::optional<std::string> CQtHitList::SelectedPubMedID() const
{
  for (int row = 0; row < m_tree.topLevelItemCount(); ++row) {
    const QTreeWidgetItem* item = m_tree.topLevelItem(row);
    if (item->isSelected())
      return item->data(0, kPubMedIDRole).toByteArray().toStdString();
  }
  return std::nullopt;
}
