#include "core/ArticleRecord.h"

#include <gtest/gtest.h>

namespace {

TEST(ArticleRecord, DefaultRecordIsEmpty)
{
  const CArticleRecord record;
  EXPECT_TRUE(record.IsEmpty());
  for (const RecordField& field : kRecordFields)
    EXPECT_EQ(record.*field.member, "") << field.label;
}

// Any single field with content, even a lone blank, makes the record non-empty;
// this also catches a field left out of the emptiness test.
TEST(ArticleRecord, AnySingleFieldMakesItNonEmpty)
{
  for (const RecordField& field : kRecordFields) {
    for (const char* value : {"x", " "}) {
      CArticleRecord record;
      record.*field.member = value;
      EXPECT_FALSE(record.IsEmpty()) << field.label << " = '" << value << "'";
    }
  }
}

TEST(ArticleRecord, FieldsAreInLabelOrder)
{
  const char* const expected[] = {"Authors", "Cite Key", "Issue",  "Journal", "Language", "Note",
                                  "Pages",   "Title",    "URL",    "Volume",  "Year"};
  ASSERT_EQ(std::size(kRecordFields), std::size(expected));
  for (std::size_t i = 0; i < std::size(expected); ++i)
    EXPECT_STREQ(kRecordFields[i].label, expected[i]);
}

TEST(ArticleRecord, CopyIsIndependentOfItsSource)
{
  CArticleRecord source;
  for (const RecordField& field : kRecordFields)
    source.*field.member = std::string("value of ") + field.label;

  CArticleRecord copy(source);
  for (const RecordField& field : kRecordFields) {
    EXPECT_EQ(copy.*field.member, source.*field.member) << field.label;
    copy.*field.member = "changed";
    EXPECT_EQ(source.*field.member, std::string("value of ") + field.label) << field.label;
  }
}

}  // namespace
