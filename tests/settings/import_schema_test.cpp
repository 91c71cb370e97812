#include "settings/ImportSchema.h"

#include "platform/MemoryProfileStore.h"
#include "platform/StringTable.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

namespace {

const std::vector<std::pair<std::string, std::string>> kDefaults = {
    {"EndAuthor", "</Item>"},
    {"EndIssue", "</Item>"},
    {"EndJournal", "</Item>"},
    {"EndLanguage", "</Item>"},
    {"EndNote", "</Item>"},
    {"EndPages", "</Item>"},
    {"EndTitle", "</Item>"},
    {"EndURL", "</Item>"},
    {"EndVolume", "</Item>"},
    {"EndYear", "</Item>"},
    {"StartAuthor", "<Item Name=\"Author\" Type=\"String\">"},
    {"StartIssue", "<Item Name=\"Issue\" Type=\"String\">"},
    {"StartJournal", "<Item Name=\"Source\" Type=\"String\">"},
    {"StartLanguage", "<Item Name=\"Lang\" Type=\"String\">"},
    {"StartNote", "<Item Name=\"pubmed\" Type=\"String\">"},
    {"StartPages", "<Item Name=\"Pages\" Type=\"String\">"},
    {"StartTitle", "<Item Name=\"Title\" Type=\"String\">"},
    {"StartURL", "<Item Name=\"doi\" Type=\"String\">"},
    {"StartVolume", "<Item Name=\"Volume\" Type=\"String\">"},
    {"StartYear", "<Item Name=\"PubDate\" Type=\"Date\">"},
    {"Command",
     "https://eutils.ncbi.nlm.nih.gov/entrez/eutils/esummary.fcgi?db=pubmed&id=%s&retmode=xml"},
    {"CommandSearch", "https://eutils.ncbi.nlm.nih.gov/entrez/eutils/esearch.fcgi?db=pubmed&term=%s"},
    {"CommandURL",
     "https://www.ncbi.nlm.nih.gov/entrez/query.fcgi?cmd=Retrieve&db=pubmed&dopt=Abstract&list_uids=%s"},
};

std::vector<std::string> SchemaWrites()
{
  std::vector<std::string> writes;
  for (const auto& [key, value] : kDefaults)
    writes.push_back("Schema/" + key);
  return writes;
}

// Records the keys in the order they are read.
class CReadRecordingStore : public CMemoryProfileStore {
public:
  std::string GetProfileString(const std::string& section, const std::string& key,
                               const std::string& fallback) override
  {
    m_reads.push_back(section + "/" + key);
    return CMemoryProfileStore::GetProfileString(section, key, fallback);
  }
  std::vector<std::string> m_reads;
};

class ImportSchemaTest : public ::testing::Test {
protected:
  void TearDown() override { StringTable::LoadText(""); }

  static void ExpectDefaults(CImportSchema& schema)
  {
    for (const auto& [key, value] : kDefaults) {
      ASSERT_NE(schema.Member(key), nullptr) << key;
      EXPECT_EQ(*schema.Member(key), value) << key;
    }
  }
};

TEST_F(ImportSchemaTest, DefaultsComeFromTheShippedTableOrTheCompiledInCopy)
{
  ASSERT_TRUE(StringTable::LoadFile(LEXORIA_SOURCE_DIR "/resources/strings.txt"));
  CImportSchema fromFile;
  fromFile.SetDefaults();
  ExpectDefaults(fromFile);

  StringTable::LoadText("");
  CImportSchema compiledIn;
  compiledIn.SetDefaults();
  ExpectDefaults(compiledIn);
}

TEST_F(ImportSchemaTest, DefaultsFollowAnEditedStringTable)
{
  StringTable::LoadText("57693\thttp://mirror.example/esummary?id=%s\n57676\t<Author>\n");
  CImportSchema schema;
  schema.SetDefaults();
  EXPECT_EQ(schema.m_strCommand, "http://mirror.example/esummary?id=%s");
  EXPECT_EQ(schema.m_strStartAuthor, "<Author>");
  EXPECT_EQ(schema.m_strEndAuthor, "</Item>");
}

TEST_F(ImportSchemaTest, EmptyStoreKeepsDefaultsAndReadsKeysInOrder)
{
  CReadRecordingStore store;
  CImportSchema schema;
  schema.SetDefaults();
  schema.Load(store);
  ExpectDefaults(schema);
  EXPECT_EQ(store.m_reads, SchemaWrites());
}

TEST_F(ImportSchemaTest, PresentKeyReplacesDefaultEvenWhenEmpty)
{
  CMemoryProfileStore store;
  store.m_values[{"Schema", "StartTitle"}] = "";
  store.m_values[{"Schema", "Command"}] = "http://127.0.0.1:8080/s?id=%s";
  store.m_values[{"Schema", "EndYear"}] = "not < validated \"at all\"";
  store.m_values[{"Settings", "StartAuthor"}] = "another section's key";
  CImportSchema schema;
  schema.SetDefaults();
  schema.Load(store);
  EXPECT_EQ(schema.m_strStartTitle, "");
  EXPECT_EQ(schema.m_strCommand, "http://127.0.0.1:8080/s?id=%s");
  EXPECT_EQ(schema.m_strEndYear, "not < validated \"at all\"");
  EXPECT_EQ(schema.m_strStartAuthor, "<Item Name=\"Author\" Type=\"String\">");
}

TEST_F(ImportSchemaTest, SaveWritesAll23KeysInOrderAndLoadsBackUnchanged)
{
  CImportSchema saved;
  int n = 0;
  for (const std::string& key : CImportSchema::KeyNames())
    *saved.Member(key) = key + " value " + std::to_string(n++);
  saved.m_strEndNote = "";

  CMemoryProfileStore store;
  saved.Save(store);
  EXPECT_EQ(store.m_writes, SchemaWrites());

  CImportSchema loaded;
  loaded.SetDefaults();
  loaded.Load(store);
  for (const std::string& key : CImportSchema::KeyNames())
    EXPECT_EQ(*loaded.Member(key), *saved.Member(key)) << key;
}

TEST_F(ImportSchemaTest, EveryKeyNamesItsOwnMember)
{
  CImportSchema schema;
  std::vector<std::string*> members;
  for (const std::string& key : CImportSchema::KeyNames()) {
    std::string* member = schema.Member(key);
    ASSERT_NE(member, nullptr) << key;
    EXPECT_EQ(std::count(members.begin(), members.end(), member), 0) << key;
    members.push_back(member);
  }
  EXPECT_EQ(schema.Member("Title"), nullptr);
  EXPECT_EQ(schema.Member("command"), nullptr);
  EXPECT_EQ(&schema.m_strStartURL, schema.Member("StartURL"));
  EXPECT_EQ(&schema.m_strEndVolume, schema.Member("EndVolume"));
}

}  // namespace
