#include "cli/RecordPrinter.h"

#include "core/ArticleRecord.h"

#include <ostream>

std::string EscapeFieldValue(const std::string& value)
{
  std::string escaped;
  escaped.reserve(value.size());
  for (const char c : value) {
    switch (c) {
    case '\\':
      escaped += "\\\\";
      break;
    case '\t':
      escaped += "\\t";
      break;
    case '\r':
      escaped += "\\r";
      break;
    case '\n':
      escaped += "\\n";
      break;
    default:
      escaped += c;
    }
  }
  return escaped;
}

void PrintRecord(std::ostream& out, const CArticleRecord& record)
{
  for (const RecordField& field : kRecordFields)
    out << field.label << '\t' << EscapeFieldValue(record.*field.member) << '\n';
}
