#pragma once

#include <array>
#include <string>

// The texts of one hit row: the PMID, then authors, title, year, journal and
// "volume (issue) pages".
using HitRowTexts = std::array<std::string, 6>;

// The list of search hits as the search run sees it.
class IHitList {
public:
  virtual ~IHitList() = default;
  virtual void DeleteAllItems() = 0;
  virtual int GetItemCount() const = 0;
  // Inserts a row at `index`. The row is to be visible when the call returns.
  virtual void InsertItem(int index, const HitRowTexts& texts) = 0;
};
