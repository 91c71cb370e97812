#include "tests/support/RecordBuilder.h"

CArticleRecord MakeRecord(const FieldValues& values)
{
  CArticleRecord record;
  for (const auto& [member, value] : values)
    record.*member = value;
  return record;
}

std::string DescribeRecord(const CArticleRecord& record)
{
  std::string description;
  for (const RecordField& field : kRecordFields)
    description += std::string(field.label) + "=" + record.*field.member + "\n";
  return description;
}
