#include "cli/HitPrinter.h"

#include "cli/RecordPrinter.h"

#include <ostream>

namespace {

struct Column {
  const char* heading;
  std::size_t width;  // 0: the last column, never cut
};

// PMIDs have up to 8 digits; the other widths fit a 120-column terminal.
constexpr Column kColumns[] = {
    {"PMID", 8},    {"Autor(en)", 24}, {"Titel", 40},
    {"Jahr", 4},    {"Journal", 20},   {"Vol (Issue) Seiten", 0},
};
constexpr const char* kGap = "  ";

bool IsContinuationByte(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }

// Control characters would break the line or the alignment.
std::string OneLine(std::string text)
{
  for (char& c : text)
    if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F)
      c = ' ';
  return text;
}

}  // namespace

std::string FitColumn(const std::string& text, std::size_t width)
{
  const std::string clean = OneLine(text);
  std::size_t columns = 0;
  std::size_t cut = 0;  // where the last column that fits begins
  for (std::size_t i = 0; i < clean.size(); ++i) {
    if (IsContinuationByte(clean[i]))
      continue;
    if (columns + 1 == width)
      cut = i;
    if (columns == width)
      return clean.substr(0, cut) + "\xE2\x80\xA6";
    ++columns;
  }
  return clean + std::string(width - columns, ' ');
}

void CHitPrinter::InsertItem(int, const HitRowTexts& texts)
{
  if (m_tabSeparated) {
    for (std::size_t i = 0; i < texts.size(); ++i)
      m_out << (i == 0 ? "" : "\t") << EscapeFieldValue(texts[i]);
    m_out << '\n';
  } else {
    PrintAligned(texts);
  }
  m_out.flush();
  ++m_count;
}

void CHitPrinter::PrintAligned(const HitRowTexts& texts)
{
  const auto printLine = [this](auto textOf) {
    std::string line;
    for (std::size_t i = 0; i < std::size(kColumns); ++i) {
      const std::string text = textOf(i);
      line += kColumns[i].width == 0 ? OneLine(text) : FitColumn(text, kColumns[i].width) + kGap;
    }
    line.erase(line.find_last_not_of(' ') + 1);
    m_out << line << '\n';
  };
  if (m_count == 0)
    printLine([](std::size_t i) { return std::string(kColumns[i].heading); });
  printLine([&texts](std::size_t i) { return texts[i]; });
}
