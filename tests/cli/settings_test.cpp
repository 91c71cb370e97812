#include "cli/SettingsCommand.h"

#include "platform/MemoryProfileStore.h"
#include "tests/support/CaseName.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdio>
#include <sstream>

namespace {

struct CliResult {
  int exitCode = -1;
  std::string out;
  std::string err;
};

CliResult Settings(const CliArgs& args, CMemoryProfileStore& store)
{
  std::istringstream in;
  std::ostringstream out;
  std::ostringstream err;
  CliStreams io{in, out, err};
  CliResult result;
  result.exitCode = RunSettingsOn(args, io, store);
  result.out = out.str();
  result.err = err.str();
  return result;
}

const std::string kDefaultSchemaLines =
    "Schema/EndAuthor\t</Item>\n"
    "Schema/EndIssue\t</Item>\n"
    "Schema/EndJournal\t</Item>\n"
    "Schema/EndLanguage\t</Item>\n"
    "Schema/EndNote\t</Item>\n"
    "Schema/EndPages\t</Item>\n"
    "Schema/EndTitle\t</Item>\n"
    "Schema/EndURL\t</Item>\n"
    "Schema/EndVolume\t</Item>\n"
    "Schema/EndYear\t</Item>\n"
    "Schema/StartAuthor\t<Item Name=\"Author\" Type=\"String\">\n"
    "Schema/StartIssue\t<Item Name=\"Issue\" Type=\"String\">\n"
    "Schema/StartJournal\t<Item Name=\"Source\" Type=\"String\">\n"
    "Schema/StartLanguage\t<Item Name=\"Lang\" Type=\"String\">\n"
    "Schema/StartNote\t<Item Name=\"pubmed\" Type=\"String\">\n"
    "Schema/StartPages\t<Item Name=\"Pages\" Type=\"String\">\n"
    "Schema/StartTitle\t<Item Name=\"Title\" Type=\"String\">\n"
    "Schema/StartURL\t<Item Name=\"doi\" Type=\"String\">\n"
    "Schema/StartVolume\t<Item Name=\"Volume\" Type=\"String\">\n"
    "Schema/StartYear\t<Item Name=\"PubDate\" Type=\"Date\">\n"
    "Schema/Command\thttps://eutils.ncbi.nlm.nih.gov/entrez/eutils/esummary.fcgi?db=pubmed&id=%s&"
    "retmode=xml\n"
    "Schema/CommandSearch\thttps://eutils.ncbi.nlm.nih.gov/entrez/eutils/esearch.fcgi?db=pubmed&"
    "term=%s\n"
    "Schema/CommandURL\thttps://www.ncbi.nlm.nih.gov/entrez/query.fcgi?cmd=Retrieve&db=pubmed&"
    "dopt=Abstract&list_uids=%s\n";

TEST(SettingsCommandTest, EmptyStorePrintsLocationAndThe28Defaults)
{
  CMemoryProfileStore store;
  const CliResult result = Settings({}, store);
  EXPECT_EQ(result.exitCode, 0);
  EXPECT_EQ(result.err, "");
  EXPECT_EQ(result.out, "Location\t(memory)\n" + kDefaultSchemaLines +
                            "Settings/ExportFile\t\n"
                            "Settings/ImportFile\t\n"
                            "Settings/TemplateFile\t\n"
                            "Settings/PubMedID\t\n"
                            "Settings/ImportFormat\t0\n");
  EXPECT_TRUE(store.m_writes.empty());
}

TEST(SettingsCommandTest, StoredValuesArePrintedEscaped)
{
  CMemoryProfileStore store;
  store.WriteProfileString("Schema", "StartTitle", "");
  store.WriteProfileString("Schema", "EndTitle", "a\tb\\c\r\nd");
  store.WriteProfileString("Settings", "ExportFile", "C:\\lit\\M\xE4rz.bib");
  store.WriteProfileInt("Settings", "ImportFormat", 1);
  const std::string out = Settings({}, store).out;
  EXPECT_NE(out.find("\nSchema/StartTitle\t\n"), std::string::npos) << out;
  EXPECT_NE(out.find("\nSchema/EndTitle\ta\\tb\\\\c\\r\\nd\n"), std::string::npos) << out;
  EXPECT_NE(out.find("\nSettings/ExportFile\tC:\\\\lit\\\\M\xE4rz.bib\n"), std::string::npos) << out;
  EXPECT_NE(out.find("\nSettings/ImportFormat\t1\n"), std::string::npos) << out;
}

struct SetCase {
  std::string name;
  std::string key;
  std::string value;
  std::string storedAs;  // "Section/Key"
  std::string stored;
};

class SettingsSetTest : public ::testing::TestWithParam<SetCase> {};

TEST_P(SettingsSetTest, StoresExactlyOneValue)
{
  CMemoryProfileStore store;
  const SetCase& row = GetParam();
  const CliResult result = Settings({"--set", row.key, row.value}, store);
  EXPECT_EQ(result.exitCode, 0);
  EXPECT_EQ(result.out, "");
  EXPECT_EQ(result.err, "");
  EXPECT_EQ(store.m_writes, std::vector<std::string>{row.storedAs});
  const std::size_t slash = row.storedAs.find('/');
  EXPECT_EQ((store.m_values[{row.storedAs.substr(0, slash), row.storedAs.substr(slash + 1)}]),
            row.stored);
}

INSTANTIATE_TEST_SUITE_P(
    Keys, SettingsSetTest,
    ::testing::ValuesIn(std::vector<SetCase>{
        {"SchemaUrl", "Command", "http://127.0.0.1:8080/esummary?id=%s", "Schema/Command",
         "http://127.0.0.1:8080/esummary?id=%s"},
        {"SchemaEmptyMarker", "StartNote", "", "Schema/StartNote", ""},
        {"SettingsPath", "TemplateFile", "/usr/share/lexoria/templates/bibtex.sty",
         "Settings/TemplateFile", "/usr/share/lexoria/templates/bibtex.sty"},
        {"SourceChoiceAsInteger", "ImportFormat", "1", "Settings/ImportFormat", "1"},
        {"SourceChoiceNegative", "ImportFormat", "-3", "Settings/ImportFormat", "-3"},
    }),
    CaseName<SetCase>);

struct UsageCase {
  std::string name;
  CliArgs args;
  std::string firstLine;
};

class SettingsUsageTest : public ::testing::TestWithParam<UsageCase> {};

TEST_P(SettingsUsageTest, ExitsWithUsageAndStoresNothing)
{
  CMemoryProfileStore store;
  const CliResult result = Settings(GetParam().args, store);
  EXPECT_EQ(result.exitCode, 2);
  EXPECT_EQ(result.out, "");
  EXPECT_EQ(result.err.substr(0, result.err.find('\n')), GetParam().firstLine);
  EXPECT_NE(result.err.find("\n\nUsage: lexoria-cli settings "), std::string::npos);
  EXPECT_TRUE(store.m_writes.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Errors, SettingsUsageTest,
    ::testing::ValuesIn(std::vector<UsageCase>{
        {"SetWithoutArguments", {"--set"}, "lexoria-cli settings: --set takes a key and a value"},
        {"SetWithoutValue", {"--set", "Command"}, "lexoria-cli settings: --set takes a key and a value"},
        {"SetTooMany", {"--set", "Command", "a", "b"},
         "lexoria-cli settings: --set takes a key and a value"},
        {"UnknownKey", {"--set", "command", "x"}, "lexoria-cli settings: unknown key 'command'"},
        {"SectionPrefixedKey", {"--set", "Schema/Command", "x"},
         "lexoria-cli settings: unknown key 'Schema/Command'"},
        {"SourceChoiceText", {"--set", "ImportFormat", "one"},
         "lexoria-cli settings: ImportFormat takes an integer, not 'one'"},
        {"SourceChoiceEmpty", {"--set", "ImportFormat", ""},
         "lexoria-cli settings: ImportFormat takes an integer, not ''"},
        {"SourceChoiceTooBig", {"--set", "ImportFormat", "4294967296"},
         "lexoria-cli settings: ImportFormat takes an integer, not '4294967296'"},
        {"SourceChoiceTrailingText", {"--set", "ImportFormat", "1 "},
         "lexoria-cli settings: ImportFormat takes an integer, not '1 '"},
        {"ResetWithArgument", {"--reset-schema", "now"},
         "lexoria-cli settings: --reset-schema takes no arguments"},
        {"UnknownOption", {"--list"}, "lexoria-cli settings: unknown option '--list'"},
    }),
    CaseName<UsageCase>);

TEST(SettingsCommandTest, ResetSchemaWritesThe23DefaultsOverStoredValues)
{
  CMemoryProfileStore store;
  store.WriteProfileString("Schema", "Command", "http://mirror.example/?id=%s");
  store.WriteProfileString("Schema", "EndAuthor", "");
  store.WriteProfileString("Settings", "PubMedID", "12345");
  store.m_writes.clear();

  const CliResult result = Settings({"--reset-schema"}, store);
  EXPECT_EQ(result.exitCode, 0);
  EXPECT_EQ(result.out + result.err, "");
  EXPECT_EQ(store.m_writes.size(), 23u);
  EXPECT_EQ(store.m_writes.front(), "Schema/EndAuthor");
  EXPECT_EQ(store.m_writes.back(), "Schema/CommandURL");

  const std::string out = Settings({}, store).out;
  EXPECT_NE(out.find("\n" + kDefaultSchemaLines + "Settings/ExportFile\t\nSettings/ImportFile\t\n"
                     "Settings/TemplateFile\t\nSettings/PubMedID\t12345\n"),
            std::string::npos)
      << out;
}

TEST(SettingsCommandTest, HelpGoesToStandardOutput)
{
  CMemoryProfileStore store;
  const CliResult result = Settings({"--help"}, store);
  EXPECT_EQ(result.exitCode, 0);
  EXPECT_EQ(result.out.rfind("Usage: lexoria-cli settings ", 0), 0u) << result.out;
  EXPECT_EQ(result.err, "");
}

// The program itself, on a store file of its own: a value set by one run,
// bytes that are not UTF-8 included, is printed by the next.
TEST(SettingsCommandTest, ProgramSharesOneStoreFileBetweenRuns)
{
  CTempDir home;
  const std::string env = "XDG_CONFIG_HOME='" + home.Path().string() + "' ";
  const std::string program = env + LEXORIA_BIN_DIR "/lexoria-cli settings ";
  ASSERT_EQ(std::system((program + "--set PubMedID \"$(printf '12\\344 45')\"").c_str()), 0);
  ASSERT_EQ(std::system((program + "--set ImportFormat 1").c_str()), 0);

  FILE* pipe = ::popen((program + "2>&1").c_str(), "r");
  ASSERT_NE(pipe, nullptr);
  std::string out;
  char buffer[4096];
  for (std::size_t n = 0; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;)
    out.append(buffer, n);
  const int status = ::pclose(pipe);
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
  EXPECT_EQ(out.rfind("Location\t" + home.File("Tovra/lexoria.conf") + "\n", 0), 0u) << out;
  EXPECT_NE(out.find("\nSettings/PubMedID\t12\xE4 45\n"), std::string::npos) << out;
  EXPECT_NE(out.find("\nSettings/ImportFormat\t1\n"), std::string::npos) << out;
  EXPECT_NE(out.find("\nSchema/EndAuthor\t</Item>\n"), std::string::npos) << out;
}

}  // namespace
