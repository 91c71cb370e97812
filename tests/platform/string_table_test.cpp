#include "platform/StringTable.h"

#include <gtest/gtest.h>

namespace {

class StringTableTest : public ::testing::Test {
protected:
  void TearDown() override { StringTable::LoadText(""); }
};

TEST_F(StringTableTest, ShippedFileHoldsEveryCompiledInEntry)
{
  ASSERT_TRUE(StringTable::LoadFile(LEXORIA_SOURCE_DIR "/resources/strings.txt"));
  std::string text;
  ASSERT_TRUE(StringTable::TryLoad(IDS_ERROR, text));
  EXPECT_EQ(text, "Fehler");
  ASSERT_TRUE(StringTable::TryLoad(IDS_SAVE_RECORD_QUESTION, text));
  EXPECT_EQ(text, "Soll der Datensatz gespeichert werden?\n(Die Zieldatei wird dabei verändert!)");
  ASSERT_TRUE(StringTable::TryLoad(IDS_SEARCH_AUTHORS_TIP, text));
  EXPECT_EQ(text, "mehrere Autoren mit \"&&\" trennen");
}

TEST_F(StringTableTest, EntryMissingOrEmptyAtRunTimeFallsBackToCompiledInCopy)
{
  StringTable::LoadText("57691\tError (edited)\n57695\t\n");
  EXPECT_EQ(LoadResString(IDS_ERROR), "Error (edited)");
  EXPECT_EQ(LoadResString(IDS_NO_RECORDS_FOUND),
            "Keine Datensätze gefunden, die den Suchkriterien entsprechen.");
  EXPECT_EQ(LoadResString(IDS_OPEN_FAILED), "Fehler beim Öffnen von \"%s\".");
  std::string text = "unchanged";
  EXPECT_FALSE(StringTable::TryLoad(IDS_NO_RECORDS_FOUND, text));
  EXPECT_EQ(text, "unchanged");
}

TEST_F(StringTableTest, UnreadableFileLeavesOnlyCompiledInCopy)
{
  EXPECT_FALSE(StringTable::LoadFile("/nonexistent/strings.txt"));
  EXPECT_EQ(LoadResString(IDS_NOTE), "Hinweis");
  EXPECT_EQ(LoadResString(IDS_DEFAULT_START_AUTHOR + 9), "<Item Name=\"PubDate\" Type=\"Date\">");
  EXPECT_EQ(LoadResString(4242), "");
}

TEST_F(StringTableTest, MalformedLinesAndCrLfAreTolerated)
{
  StringTable::LoadText("# comment\r\nno tab here\r\nx\tnot a number\r\n57698\tNote\\twith\\\\escapes\r\n");
  EXPECT_EQ(LoadResString(IDS_NOTE), "Note\twith\\escapes");
}

}  // namespace
