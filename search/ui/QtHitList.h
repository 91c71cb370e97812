#pragma once

#include "search/HitList.h"

#include <optional>
#include <string>

class QTreeWidget;

// The hit list on a QTreeWidget. A row is painted as soon as it is inserted:
// pending events other than user input are processed then, so the window
// stays alive during a search while clicks and keys wait for its end.
class CQtHitList : public IHitList {
public:
  explicit CQtHitList(QTreeWidget& tree) : m_tree(tree) {}

  void DeleteAllItems() override;
  int GetItemCount() const override;
  void InsertItem(int index, const HitRowTexts& texts) override;

  // The PMID of the first selected row, byte for byte as it was inserted.
  std::optional<std::string> SelectedPubMedID() const;

private:
  QTreeWidget& m_tree;
};
