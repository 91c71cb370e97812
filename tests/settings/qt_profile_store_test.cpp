#include "platform/QtProfileStore.h"

#include "settings/ImportSchema.h"
#include "settings/MainSettings.h"
#include "tests/support/CaseName.h"
#include "tests/support/TempDir.h"

#include <QSettings>
#include <QString>

#include <gtest/gtest.h>

#include <memory>

namespace {

// Every store of these tests lives in a folder of its own.
class QtProfileStoreTest : public ::testing::Test {
protected:
  void SetUp() override
  {
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope,
                       QString::fromStdString(m_dir.Path().string()));
  }

  // A new store object reads what an earlier one wrote from the file.
  static std::unique_ptr<CQtProfileStore> Reopen() { return std::make_unique<CQtProfileStore>(); }

  std::string FileText() const { return ReadBytes(m_dir.File("Tovra/lexoria.conf")); }

  CTempDir m_dir;
};

struct ValueCase {
  std::string name;
  std::string value;
};

class QtProfileStoreValueTest : public QtProfileStoreTest,
                                public ::testing::WithParamInterface<ValueCase> {};

TEST_P(QtProfileStoreValueTest, TextRoundTripsByteForByte)
{
  const std::string& value = GetParam().value;
  Reopen()->WriteProfileString("Schema", "StartTitle", value);
  Reopen()->WriteProfileString("Settings", "ExportFile", value);
  EXPECT_EQ(Reopen()->GetProfileString("Schema", "StartTitle", "fallback"), value);
  EXPECT_EQ(Reopen()->GetProfileString("Settings", "ExportFile", "fallback"), value);
}

INSTANTIATE_TEST_SUITE_P(
    AwkwardValues, QtProfileStoreValueTest,
    ::testing::ValuesIn(std::vector<ValueCase>{
        {"Empty", ""},
        {"MarkerWithQuotes", "<Item Name=\"Author\" Type=\"String\">"},
        {"UrlWithPercentAndEquals", "https://h.example/e.fcgi?db=pubmed&id=%s&x=%%20;y"},
        {"CommentAndSemicolon", "# not a comment ; nor this"},
        {"Backslashes", "C:\\Users\\me\\lit.bib \\\\server\\x\\"},
        {"SurroundingBlanks", "  padded  "},
        {"OnlyBlank", " "},
        {"TabsAndLineEnds", "a\tb\nc\r\nd"},
        {"CommaList", "Smith J, Jones K"},
        {"QuotedWhole", "\"quoted\""},
        {"LeadingAt", "@ByteArray(not really)"},
        {"Utf8", "M\xC3\xA4rz W, Ba\xC5\x9F M"},
        {"Windows1252", "M\xE4rz W \x80 \x9F"},
        {"LoneContinuationByte", "\x80"},
        {"OverlongSlash", "a\xC0\xAF" "b"},
        {"EncodedSurrogate", "\xED\xA0\x80"},
        {"NulByte", std::string("a\0b", 3)},
        {"AllBytes",
         [] {
           std::string all;
           for (int c = 1; c < 256; ++c)
             all += static_cast<char>(c);
           return all;
         }()},
    }),
    CaseName<ValueCase>);

TEST_F(QtProfileStoreTest, AbsentKeysGiveTheFallback)
{
  auto store = Reopen();
  EXPECT_EQ(store->GetProfileString("Schema", "Command", "the default"), "the default");
  EXPECT_EQ(store->GetProfileInt("Settings", "ImportFormat", 0), 0);
  EXPECT_EQ(store->GetProfileInt("Settings", "ImportFormat", 5), 5);
}

TEST_F(QtProfileStoreTest, IntegersRoundTripAndTextIsNoInteger)
{
  Reopen()->WriteProfileInt("Settings", "ImportFormat", 1);
  EXPECT_EQ(Reopen()->GetProfileInt("Settings", "ImportFormat", 0), 1);
  Reopen()->WriteProfileInt("Settings", "ImportFormat", -2147483647 - 1);
  EXPECT_EQ(Reopen()->GetProfileInt("Settings", "ImportFormat", 0), -2147483647 - 1);
  Reopen()->WriteProfileString("Settings", "ImportFormat", "one");
  EXPECT_EQ(Reopen()->GetProfileInt("Settings", "ImportFormat", 3), 3);
}

TEST_F(QtProfileStoreTest, FileUnderCompanyFolderKeepsOrdinaryTextReadable)
{
  CImportSchema schema;
  schema.SetDefaults();
  schema.Save(*Reopen());
  CMainSettings settings;
  settings.m_strExportFile = "/home/u/Literatur/lit.bib";
  settings.m_strPubMedID = "12345";
  settings.m_strImportFile = "M\xE4rz.txt";  // not UTF-8
  settings.m_nImportFormat = 1;
  settings.Save(*Reopen());

  EXPECT_EQ(Reopen()->Location(), m_dir.File("Tovra/lexoria.conf"));
  const std::string text = FileText();
  EXPECT_NE(text.find("[Schema]\n"), std::string::npos) << text;
  EXPECT_NE(text.find("[Settings]\n"), std::string::npos) << text;
  EXPECT_NE(text.find("\nEndAuthor=</Item>\n"), std::string::npos) << text;
  EXPECT_NE(text.find("\nExportFile=/home/u/Literatur/lit.bib\n"), std::string::npos) << text;
  EXPECT_NE(text.find("\nPubMedID=12345\n"), std::string::npos) << text;
  EXPECT_NE(text.find("\nImportFormat=1\n"), std::string::npos) << text;

  CMainSettings loaded;
  loaded.Load(*Reopen());
  EXPECT_EQ(loaded.m_strImportFile, "M\xE4rz.txt");
}

TEST_F(QtProfileStoreTest, EmptyStoredSchemaKeyStaysEmptyAfterRestart)
{
  Reopen()->WriteProfileString("Schema", "StartNote", "");
  CImportSchema schema;
  schema.SetDefaults();
  schema.Load(*Reopen());
  EXPECT_EQ(schema.m_strStartNote, "");
  EXPECT_EQ(schema.m_strEndNote, "</Item>");
}

TEST_F(QtProfileStoreTest, HandEditedListValueReadsAsItsText)
{
  std::filesystem::create_directories(m_dir.Path() / "Tovra");
  WriteBytes(m_dir.File("Tovra/lexoria.conf"), "[Settings]\nPubMedID=1, 2\n");
  EXPECT_EQ(Reopen()->GetProfileString("Settings", "PubMedID", ""), "1, 2");
}

}  // namespace
