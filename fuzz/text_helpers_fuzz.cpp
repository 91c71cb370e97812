// The four text helpers on arbitrary bytes. The input is split at 0xFF bytes
// into text, first pattern, second pattern and separator.
#include "import/ImportTools.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace {

std::vector<std::string> SplitParts(const std::uint8_t* data, std::size_t size)
{
  std::vector<std::string> parts(1);
  for (std::size_t i = 0; i < size; ++i) {
    if (data[i] == 0xFF && parts.size() < 4)
      parts.emplace_back();
    else
      parts.back() += static_cast<char>(data[i]);
  }
  parts.resize(4);
  return parts;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
  const std::vector<std::string> parts = SplitParts(data, size);
  const std::string& text = parts[0];
  const std::string& first = parts[1];
  const std::string& second = parts[2];
  const std::string& separator = parts[3];
  const CImportTools tools;

  const std::string collected = tools.CollectBetween(text, first, second, separator);
  if (separator.empty() && collected.size() > text.size())
    __builtin_trap();  // values without separators are pieces of the text

  const std::string replaced = tools.ReplaceNoCase(text, first, second);
  if (replaced != text && replaced.size() != text.size() - first.size() + second.size())
    __builtin_trap();

  const std::string formatted = tools.FormatAuthorList(text, separator);
  if (formatted.size() < text.size())
    __builtin_trap();

  const std::string key = tools.MakeCiteKey(text, second, separator);
  if (key.size() < second.size() || key.compare(key.size() - second.size(), second.size(), second) != 0)
    __builtin_trap();
  return 0;
}
