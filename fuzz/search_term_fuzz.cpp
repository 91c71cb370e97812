// The search term on arbitrary criteria. The input is split at 0xFF bytes
// into the seven criteria. The term must be safe to put into a URL's query,
// and decoding it must give back what was typed.
#include "search/SearchTerm.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

namespace {

int HexValue(char c)
{
  if (c >= '0' && c <= '9')
    return c - '0';
  if (c >= 'A' && c <= 'F')
    return c - 'A' + 10;
  return -1;
}

// Undoes the term's escapes: "+" is a blank, "%XX" one byte. Aborts on a
// byte that may not stand raw in the query or on a broken escape.
std::string Decode(const std::string& term)
{
  std::string decoded;
  for (std::size_t i = 0; i < term.size(); ++i) {
    const auto byte = static_cast<unsigned char>(term[i]);
    if (byte <= 0x20 || byte >= 0x7F || term[i] == '&' || term[i] == '#')
      std::abort();
    if (term[i] == '+') {
      decoded += ' ';
    } else if (term[i] == '%') {
      if (i + 2 >= term.size())
        std::abort();
      const int high = HexValue(term[i + 1]);
      const int low = HexValue(term[i + 2]);
      if (high < 0 || low < 0)
        std::abort();
      decoded += static_cast<char>(high * 16 + low);
      i += 2;
    } else {
      decoded += term[i];
    }
  }
  return decoded;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
  std::string parts[7];
  std::size_t part = 0;
  for (std::size_t i = 0; i < size; ++i) {
    if (data[i] == 0xFF && part < 6)
      ++part;
    else
      parts[part] += static_cast<char>(data[i]);
  }
  CSearchCriteria criteria{parts[0], parts[1], parts[2], parts[3], parts[4], parts[5], parts[6]};
  Decode(BuildSearchTerm(criteria));

  // Title words alone stand untagged: decoding gives them back, with a typed
  // "+" read as the blank it means in a query.
  CSearchCriteria titleOnly;
  titleOnly.m_strTitleWords = parts[4];
  std::string typed = parts[4];
  for (char& c : typed)
    if (c == '+')
      c = ' ';
  if (Decode(BuildSearchTerm(titleOnly)) != typed)
    std::abort();
  return 0;
}
