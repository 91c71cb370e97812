#include "import/ImportTools.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace {

// Single-byte lower-casing: A-Z and the upper-case letters of Windows-1252.
// Every byte keeps its place, so positions in a lowered copy are positions in
// the original.
constexpr std::array<unsigned char, 256> MakeLowerTable()
{
  std::array<unsigned char, 256> table{};
  for (unsigned i = 0; i < 256; ++i)
    table[i] = static_cast<unsigned char>(i);
  for (unsigned c = 'A'; c <= 'Z'; ++c)
    table[c] = static_cast<unsigned char>(c + 0x20);
  for (unsigned c = 0xC0; c <= 0xDE; ++c)
    if (c != 0xD7)  // the multiplication sign
      table[c] = static_cast<unsigned char>(c + 0x20);
  table[0x8A] = 0x9A;  // S caron
  table[0x8C] = 0x9C;  // OE
  table[0x8E] = 0x9E;  // Z caron
  table[0x9F] = 0xFF;  // Y diaeresis
  return table;
}

constexpr std::array<unsigned char, 256> kLower = MakeLowerTable();

std::string Lowered(const std::string& text)
{
  std::string lowered(text.size(), '\0');
  std::transform(text.begin(), text.end(), lowered.begin(), [](char c) {
    return static_cast<char>(kLower[static_cast<unsigned char>(c)]);
  });
  return lowered;
}

}  // namespace

std::string CImportTools::CollectBetween(const std::string& text, const std::string& start,
                                         const std::string& end,
                                         const std::string& separator) const
{
  std::string result;
  if (text.empty() || start.empty() || end.empty())
    return result;

  bool first = true;
  std::size_t pos = 0;
  for (;;) {
    const std::size_t found = text.find(start, pos);
    if (found == std::string::npos)
      break;
    const std::size_t valueStart = found + start.size();
    const std::size_t valueEnd = text.find(end, valueStart);
    if (valueEnd == std::string::npos)
      break;
    if (!first)
      result += separator;
    first = false;
    result.append(text, valueStart, valueEnd - valueStart);
    // The end marker stays in play: a start marker may begin inside it.
    pos = valueEnd;
  }
  return result;
}

std::string CImportTools::ReplaceNoCase(const std::string& text, const std::string& search,
                                        const std::string& replacement) const
{
  const std::size_t found = Lowered(text).find(Lowered(search));
  if (found == std::string::npos)
    return text;
  std::string result;
  result.reserve(text.size() - search.size() + replacement.size());
  result.append(text, 0, found);
  result += replacement;
  result.append(text, found + search.size());
  return result;
}

std::string CImportTools::FormatAuthorList(const std::string& authors,
                                           const std::string& separator) const
{
  // An empty separator cannot split the list; it stays as it is.
  if (separator.empty())
    return authors;

  std::string result;
  result.reserve(authors.size() + authors.size() / 8 + 1);
  std::size_t itemStart = 0;
  for (;;) {
    const std::size_t found = authors.find(separator, itemStart);
    const bool last = found == std::string::npos;
    const std::size_t itemEnd = last ? authors.size() : found;
    const std::string_view item(authors.data() + itemStart, itemEnd - itemStart);
    const std::size_t blank = item.rfind(' ');
    if (blank == std::string_view::npos) {
      result += item;
    } else {
      result += item.substr(0, blank);
      result += ',';
      result += item.substr(blank);
    }
    if (last)
      break;
    result += separator;
    itemStart = found + separator.size();
  }
  return result;
}

std::string CImportTools::MakeCiteKey(const std::string& text, const std::string& tail,
                                      const std::string& separator) const
{
  std::size_t cut = text.find(separator);
  if (cut == std::string::npos)
    cut = text.find(' ');
  if (cut == std::string::npos)
    cut = 3;
  return text.substr(0, std::min(cut, text.size())) + tail;
}
