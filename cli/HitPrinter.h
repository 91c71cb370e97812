#pragma once

#include "search/HitList.h"

#include <iosfwd>
#include <string>

// The hit list of a command-line search: prints each row the moment it is
// inserted, either tab-separated (fields escaped as in `show`) or in
// aligned columns under a heading, with over-long texts cut.
class CHitPrinter : public IHitList {
public:
  CHitPrinter(std::ostream& out, bool tabSeparated) : m_out(out), m_tabSeparated(tabSeparated) {}

  void DeleteAllItems() override { m_count = 0; }
  int GetItemCount() const override { return m_count; }
  void InsertItem(int index, const HitRowTexts& texts) override;

private:
  void PrintAligned(const HitRowTexts& texts);

  std::ostream& m_out;
  bool m_tabSeparated;
  int m_count = 0;
};

// `text` fitted into `width` (at least 1) columns on a terminal: control characters become
// blanks, a longer text is cut and ends in "…", a shorter one is padded. UTF-8
// sequences count as one column each and are never split.
std::string FitColumn(const std::string& text, std::size_t width);
