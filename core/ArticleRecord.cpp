#include "core/ArticleRecord.h"

bool CArticleRecord::IsEmpty() const
{
  for (const RecordField& field : kRecordFields)
    if (!(this->*field.member).empty())
      return false;
  return true;
}
