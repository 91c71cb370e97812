// ParseMedline on arbitrary bytes: the first byte picks how much of the rest
// is the separator, the remainder is the text.
#include "core/ArticleRecord.h"
#include "import/ImportTools.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
  if (size == 0)
    return 0;
  const std::size_t separatorSize = std::min<std::size_t>(data[0] % 8, size - 1);
  const char* bytes = reinterpret_cast<const char*>(data + 1);
  const std::string separator(bytes, separatorSize);
  const std::string text(bytes + separatorSize, size - 1 - separatorSize);

  const CImportTools tools;
  CArticleRecord record;
  tools.ParseMedline(text, record, separator);
  // What the conversion run does next with the author list.
  const std::string authors = tools.FormatAuthorList(record.m_strAuthors, separator);
  if (record.m_strYear.size() > 4 || authors.size() < record.m_strAuthors.size())
    __builtin_trap();
  return 0;
}
