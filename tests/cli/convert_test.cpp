#include "cli/Commands.h"
#include "platform/QtProfileStore.h"
#include "tests/support/CaseName.h"
#include "tests/support/FakeEutilsServer.h"
#include "tests/support/TempDir.h"

#include <QSettings>

#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdlib>
#include <map>
#include <sstream>
#include <string>
#include <vector>

namespace {

constexpr const char* kPmid = "11850928";
const std::string kMedlineFile = LEXORIA_TEST_DATA_DIR "/medline/zotero_MEDLINEnbib_case4_pmid25744111.txt";
const std::string kTemplates = LEXORIA_SOURCE_DIR "/templates/";

struct CliResult {
  int exitCode = -1;
  std::string out;
  std::string err;
};

std::string Between(const std::string& text, const std::string& start, const std::string& end)
{
  const std::size_t from = text.find(start);
  if (from == std::string::npos)
    return "";
  const std::size_t begin = from + start.size();
  return text.substr(begin, text.find(end, begin) - begin);
}

std::string Unescape(const std::string& value)
{
  std::string text;
  for (std::size_t i = 0; i < value.size(); ++i) {
    if (value[i] != '\\' || i + 1 == value.size()) {
      text += value[i];
      continue;
    }
    const char next = value[++i];
    text += next == 'n' ? '\n' : next == 't' ? '\t' : next == 'r' ? '\r' : next;
  }
  return text;
}

// The record as printed to stderr: label to value.
std::map<std::string, std::string> PrintedRecord(const std::string& err)
{
  std::map<std::string, std::string> fields;
  std::istringstream lines(err);
  for (std::string line; std::getline(lines, line);) {
    const std::size_t tab = line.find('\t');
    if (tab != std::string::npos)
      fields[line.substr(0, tab)] = Unescape(line.substr(tab + 1));
  }
  return fields;
}

// The template file's block with every placeholder replaced by the field
// printed under its label.
std::string ExpectedEntry(const std::string& templateText, const std::map<std::string, std::string>& fields)
{
  static const std::pair<const char*, const char*> kPlaceholders[] = {
      {"###AU###", "Authors"}, {"###KEY###", "Cite Key"}, {"###IP###", "Issue"},
      {"###TA###", "Journal"}, {"###LA###", "Language"},  {"###NOTE###", "Note"},
      {"###PG###", "Pages"},   {"###TI###", "Title"},     {"###URL###", "URL"},
      {"###VI###", "Volume"},  {"###DP###", "Year"},
  };
  std::string entry = Between(templateText, "<BeginTemplate>", "<EndTemplate>");
  for (const auto& [placeholder, label] : kPlaceholders) {
    const std::size_t at = entry.find(placeholder);
    if (at != std::string::npos)
      entry.replace(at, std::string(placeholder).size(), fields.at(label));
  }
  return entry;
}

CliResult Convert(const CliArgs& args, const std::string& input = "", bool terminal = false)
{
  std::istringstream in(input);
  std::ostringstream out;
  std::ostringstream err;
  CliStreams io{in, out, err, terminal};
  CliResult result;
  result.exitCode = RunConvert(args, io);
  result.out = out.str();
  result.err = err.str();
  return result;
}

class ConvertTest : public testing::Test {
protected:
  void SetUp() override
  {
    // The stored schema lives in this test's folder and points at the fake service.
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, QString::fromStdString(File("config")));
    CQtProfileStore store;
    store.WriteProfileString("Schema", "Command", m_server.SummaryTemplate());
    const std::string document = ReadBytes(LEXORIA_TEST_DATA_DIR "/esummary/biopython_esummary1_2004dtd.xml");
    m_server.AddSummary(kPmid, document.substr(0, document.find("</DocSum>") + 9) + "\n</eSummaryResult>\n");
    m_server.SetFault("404", CFakeEutilsServer::Fault::Refuse);
  }

  std::string File(const std::string& name) const { return m_dir.File(name); }

  CTempDir m_dir;
  CFakeEutilsServer m_server;
};

// ---- usage -----------------------------------------------------------------

const std::string kSynopsis =
    "Usage: lexoria-cli convert (--pmid PMID | --medline FILE) --template FILE.sty\n"
    "                           (--target FILE | --stdout) [--yes]\n";

struct UsageCase {
  std::string name;
  CliArgs args;
  std::string reason;
};

const UsageCase kUsageCases[] = {
    {"Nothing", {}, "give one of --pmid, --medline"},
    {"TwoSources", {"--pmid", "1", "--medline", "m.txt", "--template", "t.sty", "--stdout"},
     "give only one of --pmid, --medline"},
    {"NoTemplate", {"--pmid", "1", "--stdout"}, "give --template"},
    {"NoTarget", {"--pmid", "1", "--template", "t.sty"}, "give one of --target, --stdout"},
    {"TwoTargets", {"--pmid", "1", "--template", "t.sty", "--target", "a", "--stdout"},
     "give only one of --target, --stdout"},
    {"ValueMissing", {"--pmid", "1", "--template"}, "--template needs a value"},
    {"UnknownArgument", {"--pmid", "1", "--force"}, "unknown argument '--force'"},
};

class ConvertUsage : public testing::TestWithParam<UsageCase> {};

TEST_P(ConvertUsage, NamesTheProblemAndExitsWith2)
{
  const CliResult result = Convert(GetParam().args);

  EXPECT_EQ(result.exitCode, 2);
  EXPECT_EQ(result.out, "");
  EXPECT_EQ(result.err, "lexoria-cli convert: " + GetParam().reason + "\n" + kSynopsis +
                            "Try 'lexoria-cli convert --help'.\n");
}

INSTANTIATE_TEST_SUITE_P(Arguments, ConvertUsage, testing::ValuesIn(kUsageCases), CaseName<UsageCase>);

TEST(ConvertHelpTest, PrintsTheSynopsisToStdout)
{
  const CliResult result = Convert({"--help"});

  EXPECT_EQ(result.exitCode, 0);
  EXPECT_EQ(result.out.substr(0, kSynopsis.size()), kSynopsis);
  EXPECT_EQ(result.err, "");
}

// ---- each shipped template on real documents -------------------------------

struct ShippedCase {
  std::string name;
  std::string templateFile;
  bool online;
};

std::vector<ShippedCase> ShippedCases()
{
  std::vector<ShippedCase> cases;
  for (const char* name : {"bibtex", "csv", "html", "rtf", "text"}) {
    cases.push_back({std::string(name) + "Pmid", name + std::string(".sty"), true});
    cases.push_back({std::string(name) + "Medline", name + std::string(".sty"), false});
  }
  return cases;
}

class ConvertShipped : public ConvertTest, public testing::WithParamInterface<ShippedCase> {};

TEST_P(ConvertShipped, AppendsTheRenderedRecordAndPrintsTheSameBytes)
{
  const std::string templateFile = kTemplates + GetParam().templateFile;
  const std::string templateText = ReadBytes(templateFile);
  const std::string separator = Between(templateText, "<BeginSeparator>", "<EndSeparator>");
  CliArgs source = GetParam().online ? CliArgs{"--pmid", kPmid} : CliArgs{"--medline", kMedlineFile};
  source.insert(source.end(), {"--template", templateFile, "--yes"});
  CliArgs toFile = source;
  toFile.insert(toFile.end(), {"--target", File("out")});
  CliArgs toStdout = source;
  toStdout.push_back("--stdout");

  const CliResult appended = Convert(toFile);
  const CliResult printed = Convert(toStdout);

  ASSERT_EQ(appended.exitCode, 0) << appended.err;
  ASSERT_EQ(printed.exitCode, 0) << printed.err;
  const std::map<std::string, std::string> fields = PrintedRecord(printed.err);
  const std::map<std::string, std::string> known =
      GetParam().online
          ? std::map<std::string, std::string>{{"Authors", "LoPresti, PJ" + separator + "Hambrick GW, Jr"},
                                               {"Cite Key", "LoPresti1965"}, {"Year", "1965"},
                                               {"Journal", "Arch Dermatol"}, {"Volume", "92"},
                                               {"Issue", "2"}, {"Pages", "188-91"}, {"Note", kPmid},
                                               {"Title", "Zirconium granuloma following treatment of rhus dermatitis"}}
          : std::map<std::string, std::string>{{"Authors", "Fujiwara, T"}, {"Cite Key", "Fujiwara2015"},
                                               {"Year", "2015"}, {"Journal", "Public Health"},
                                               {"Volume", "129"}, {"Issue", "5"}, {"Pages", "475-82"}};
  for (const auto& [label, value] : known)
    EXPECT_EQ(fields.at(label), value) << label;
  EXPECT_EQ(printed.out, ExpectedEntry(templateText, fields));
  EXPECT_EQ(ReadBytes(File("out")), printed.out);
  EXPECT_EQ(appended.out, "");
  EXPECT_NE(appended.err.find("Der Datensatz wurde erfolgreich nach \"out\" importiert!\n"), std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(Templates, ConvertShipped, testing::ValuesIn(ShippedCases()), CaseName<ShippedCase>);

// ---- the question in place of the preview ----------------------------------

struct AnswerCase {
  std::string name;
  std::string input;
  bool terminal;
  bool yesOption;
  int exitCode;
  std::string errTail;  // what stderr ends with
};

const AnswerCase kAnswerCases[] = {
    {"Yes", "y\n", true, false, 0, "[y/n] Der Datensatz wurde erfolgreich nach \"out\" importiert!\n"},
    {"Ja", "Ja\n", true, false, 0, "[y/n] Der Datensatz wurde erfolgreich nach \"out\" importiert!\n"},
    {"No", "n\n", true, false, 1, "Soll der Datensatz gespeichert werden? [y/n] "},
    {"Other", "vielleicht\n", true, false, 1, "Soll der Datensatz gespeichert werden? [y/n] "},
    {"EndOfInput", "", true, false, 1, "Soll der Datensatz gespeichert werden? [y/n] "},
    {"NoTerminal", "y\n", false, false, 1,
     "lexoria-cli convert: nothing written: there is no terminal to ask whether to save the record; "
     "give --yes to save it without asking\n"},
    {"YesGivenWithoutTerminal", "", false, true, 0, "Year\t2015\nDer Datensatz wurde erfolgreich nach \"out\" importiert!\n"},
};

class ConvertAnswer : public ConvertTest, public testing::WithParamInterface<AnswerCase> {};

TEST_P(ConvertAnswer, WritesOnlyOnYes)
{
  CliArgs args{"--medline", kMedlineFile, "--template", kTemplates + "text.sty", "--target", File("out")};
  if (GetParam().yesOption)
    args.push_back("--yes");

  const CliResult result = Convert(args, GetParam().input, GetParam().terminal);

  EXPECT_EQ(result.exitCode, GetParam().exitCode);
  const std::string& tail = GetParam().errTail;
  ASSERT_GE(result.err.size(), tail.size());
  EXPECT_EQ(result.err.substr(result.err.size() - tail.size()), tail);
  EXPECT_EQ(result.err.substr(0, 20), "Authors\tFujiwara, T\n");
  EXPECT_EQ(std::filesystem::exists(File("out")), GetParam().exitCode == 0);
}

INSTANTIATE_TEST_SUITE_P(Answers, ConvertAnswer, testing::ValuesIn(kAnswerCases), CaseName<AnswerCase>);

// ---- messages that end the run ----------------------------------------------

struct FailureCase {
  std::string name;
  CliArgs args;  // "{dir}" is the test's folder
  std::string err;
};

const FailureCase kFailureCases[] = {
    {"EmptyPmid", {"--pmid", "", "--template", kTemplates + "text.sty", "--stdout", "--yes"},
     "Sie haben nicht alle erforderlichen Felder ausgefüllt.\n"},
    {"TemplateMissing", {"--medline", kMedlineFile, "--template", "{dir}/none.sty", "--stdout", "--yes"},
     "Fehler beim Öffnen von \"{dir}/none.sty\".\n"},
    {"FetchFails", {"--pmid", "404", "--template", kTemplates + "text.sty", "--stdout", "--yes"},
     "Verbindung zum PubMed-Server fehlgeschlagen.\n"},
    {"TargetCannotBeOpened",
     {"--medline", kMedlineFile, "--template", kTemplates + "text.sty", "--target", "{dir}/no/out", "--yes"},
     "Fehler beim Öffnen von \"{dir}/no/out\".\n"},
};

class ConvertFailure : public ConvertTest, public testing::WithParamInterface<FailureCase> {};

TEST_P(ConvertFailure, ShowsTheMessageOnStderrAndExitsWith1)
{
  const std::string dir = m_dir.Path().string();
  auto expand = [&dir](std::string text) {
    const std::size_t at = text.find("{dir}");
    return at == std::string::npos ? text : text.replace(at, 5, dir);
  };
  CliArgs args;
  for (const std::string& arg : GetParam().args)
    args.push_back(expand(arg));

  const CliResult result = Convert(args);

  EXPECT_EQ(result.exitCode, 1);
  EXPECT_EQ(result.out, "");
  const std::string expected = expand(GetParam().err);
  ASSERT_GE(result.err.size(), expected.size());
  EXPECT_EQ(result.err.substr(result.err.size() - expected.size()), expected);
}

INSTANTIATE_TEST_SUITE_P(Messages, ConvertFailure, testing::ValuesIn(kFailureCases), CaseName<FailureCase>);

TEST_F(ConvertTest, LeavesTheMainWindowsStoredInputsAlone)
{
  const CliResult result = Convert({"--medline", kMedlineFile, "--template", kTemplates + "text.sty", "--target",
                                    File("out"), "--yes"});

  ASSERT_EQ(result.exitCode, 0);
  CQtProfileStore store;
  for (const char* key : {"ExportFile", "ImportFile", "TemplateFile", "PubMedID"})
    EXPECT_EQ(store.GetProfileString("Settings", key, "(absent)"), "(absent)") << key;
  EXPECT_EQ(store.GetProfileInt("Settings", "ImportFormat", -1), -1);
}

// The program itself, its stdout appended to a file by the shell.
TEST_F(ConvertTest, StdoutAppendedByTheShellEqualsAppendingToTheTarget)
{
  const std::string program = LEXORIA_BIN_DIR "/lexoria-cli";
  const std::string common = " convert --medline '" + kMedlineFile + "' --template '" + kTemplates + "bibtex.sty'";
  const std::string env = "XDG_CONFIG_HOME='" + File("config") + "' ";
  WriteBytes(File("by-shell"), "% earlier\n");
  WriteBytes(File("by-program"), "% earlier\n");

  const int shell = std::system((env + "'" + program + "'" + common + " --stdout --yes >> '" + File("by-shell") +
                                 "' 2>/dev/null </dev/null").c_str());
  const int direct = std::system((env + "'" + program + "'" + common + " --target '" + File("by-program") +
                                  "' --yes >/dev/null 2>&1 </dev/null").c_str());
  const int refused = std::system((env + "'" + program + "'" + common + " --stdout > '" + File("refused") +
                                   "' 2>/dev/null </dev/null").c_str());

  EXPECT_EQ(WEXITSTATUS(shell), 0);
  EXPECT_EQ(WEXITSTATUS(direct), 0);
  EXPECT_EQ(ReadBytes(File("by-shell")), ReadBytes(File("by-program")));
  EXPECT_GT(ReadBytes(File("by-shell")).size(), 200u);
  // Without a terminal and without --yes nothing reaches stdout.
  EXPECT_EQ(WEXITSTATUS(refused), 1);
  EXPECT_EQ(ReadBytes(File("refused")), "");
}

}  // namespace
