#include "core/ConversionRun.h"

#include "platform/BusyCursor.h"
#include "platform/CurlHttpClient.h"
#include "platform/MemoryProfileStore.h"
#include "settings/ImportSchema.h"
#include "settings/MainSettings.h"
#include "tests/support/CaseName.h"
#include "tests/support/FakeEutilsServer.h"
#include "tests/support/FakeMessageBox.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

const int kMainWindowObject = 0;
const void* const kMainWindow = &kMainWindowObject;

constexpr const char* kTemplate =
    "A template for tests.\n"
    "<BeginSeparator> and <EndSeparator>\n"
    "<BeginTemplate>###AU###|###DP###|###TA###|###VI###|###IP###|###PG###\n<EndTemplate>\n";

// The medline fixture and the summary fixture through kTemplate.
constexpr const char* kMedlineEntry = "Fujiwara, T|2015|Public Health|129|5|475-82\n";
constexpr const char* kSummaryEntry = "LoPresti, PJ and Hambrick GW, Jr|1965|Arch Dermatol|92|2|188-91\n";
constexpr const char* kKnownPmid = "11850928";
constexpr const char* kRefusedPmid = "222";

std::string Expand(std::string text, const std::string& dir)
{
  for (std::size_t at = text.find("{dir}"); at != std::string::npos; at = text.find("{dir}", at + dir.size()))
    text.replace(at, 5, dir);
  return text;
}

// The service's answer for the first article of a two-article document.
std::string FirstDocSum(const std::string& document)
{
  const std::string end = "</DocSum>";
  return document.substr(0, document.find(end) + end.size()) + "\n</eSummaryResult>\n";
}

// Everything the run does that a user can see, in one ordered log.
struct CRunLog {
  std::vector<std::string> events;
};

std::string Describe(const MessageBoxRequest& request)
{
  static const char* const kIcons[] = {"error", "information", "question"};
  static const char* const kButtons[] = {"OK", "Yes/No", "Yes/No/Cancel"};
  const std::string owner = request.owner == kMainWindow ? "main" : request.owner == nullptr ? "none" : "other";
  return "[" + owner + "] " + request.title + " (" + kIcons[static_cast<int>(request.icon)] + ", " +
         kButtons[static_cast<int>(request.buttons)] + "): " + request.text;
}

class CLoggingMessageBox : public IMessageBox {
public:
  explicit CLoggingMessageBox(CRunLog& log) : m_log(log) {}
  int Show(const MessageBoxRequest& request) override
  {
    m_log.events.push_back(Describe(request));
    return m_fake.Show(request);
  }

private:
  CRunLog& m_log;
  CFakeMessageBox m_fake;
};

class CLoggingBusyCursor : public IBusyCursor {
public:
  explicit CLoggingBusyCursor(CRunLog& log) : m_log(log) {}
  void Begin() override { m_log.events.push_back("busy on"); }
  void End() override { m_log.events.push_back("busy off"); }

private:
  CRunLog& m_log;
};

// Logs "save" once for the writes of one SaveSettings.
class CLoggingStore : public CMemoryProfileStore {
public:
  explicit CLoggingStore(CRunLog& log) : m_log(log) {}
  void WriteProfileString(const std::string& section, const std::string& key, const std::string& value) override
  {
    Log();
    CMemoryProfileStore::WriteProfileString(section, key, value);
  }
  void WriteProfileInt(const std::string& section, const std::string& key, int value) override
  {
    Log();
    CMemoryProfileStore::WriteProfileInt(section, key, value);
  }

private:
  void Log()
  {
    if (m_log.events.empty() || m_log.events.back() != "save")
      m_log.events.push_back("save");
  }
  CRunLog& m_log;
};

// Answers from its settings; may edit its copy before answering.
class CScriptedPreview : public IRecordPreview {
public:
  explicit CScriptedPreview(CRunLog& log) : m_log(log) {}
  bool Confirm(CArticleRecord& record) override
  {
    m_log.events.push_back("preview");
    m_shown.push_back(record);
    if (!m_editedTitle.empty())
      record.m_strTitle = m_editedTitle;
    return m_confirm;
  }

  bool m_confirm = true;
  std::string m_editedTitle;
  std::vector<CArticleRecord> m_shown;

private:
  CRunLog& m_log;
};

CCurlHttpClient::Options QuickClient()
{
  CCurlHttpClient::Options options;
  options.connectTimeoutSeconds = 5;
  options.stallTimeoutSeconds = 5;
  options.minIntervalMilliseconds = 0;
  return options;
}

class ConversionRunTest : public testing::Test {
protected:
  ConversionRunTest()
  {
    m_schema.SetDefaults();
    m_schema.m_strCommand = m_server.SummaryTemplate();
    m_server.AddSummary(kKnownPmid, FirstDocSum(ReadBytes(LEXORIA_TEST_DATA_DIR "/esummary/biopython_esummary1_2004dtd.xml")));
    m_server.SetFault(kRefusedPmid, CFakeEutilsServer::Fault::Refuse);
    WriteBytes(File("good.sty"), kTemplate);
    WriteBytes(File("medline.txt"),
               ReadBytes(LEXORIA_TEST_DATA_DIR "/medline/zotero_MEDLINEnbib_case4_pmid25744111.txt"));
  }

  std::string File(const std::string& name) const { return m_dir.File(name); }

  CMainSettings OnlineInputs() const { return {File("out.bib"), "", File("good.sty"), kKnownPmid, 0}; }
  CMainSettings MedlineInputs() const { return {File("out.bib"), File("medline.txt"), File("good.sty"), "", 1}; }

  RunOutcome Run(const CMainSettings& inputs)
  {
    CConversionServices services{m_ownedMessages, m_messages, m_http, m_busy, m_store, m_preview, m_sink};
    return m_run.Run(inputs, m_schema, services);
  }

  std::string Stored(const std::string& key) const
  {
    const auto found = m_store.m_values.find({"Settings", key});
    return found == m_store.m_values.end() ? "(absent)" : found->second;
  }

  CTempDir m_dir;
  CFakeEutilsServer m_server;
  CCurlHttpClient m_http{QuickClient()};
  CImportSchema m_schema;
  CRunLog m_log;
  CLoggingMessageBox m_messages{m_log};
  COwnedMessageBox m_ownedMessages{m_messages, kMainWindow};
  CLoggingBusyCursor m_busy{m_log};
  CLoggingStore m_store{m_log};
  CScriptedPreview m_preview{m_log};
  CFileEntrySink m_sink;
  CConversionRun m_run;
};

// ---- How a run ends: messages, their order, the wait cursor, the settings ----

struct EndCase {
  std::string name;
  bool online;
  void (*adjust)(CMainSettings& inputs);  // changes the complete inputs of the source
  std::vector<std::string> events;        // "{dir}" is the test's folder
  RunOutcome outcome;
  bool confirm = true;
};

constexpr const char* kRequired =
    "[main] Fehler (error, OK): Sie haben nicht alle erforderlichen Felder ausgefüllt.";
constexpr const char* kFaulty = "[main] Fehler (error, OK): Die Template-Datei ist fehlerhaft.";
constexpr const char* kWritten =
    "[main] Hinweis (information, OK): Der Datensatz wurde erfolgreich nach \"out.bib\" importiert!";

const EndCase kEndCases[] = {
    {"MedlineFileMissing", false, [](CMainSettings& in) { in.m_strImportFile.clear(); },
     {kRequired, "save"}, RunOutcome::MissingInput},
    {"PmidMissing", true, [](CMainSettings& in) { in.m_strPubMedID.clear(); },
     {kRequired, "save"}, RunOutcome::MissingInput},
    {"TargetMissing", true, [](CMainSettings& in) { in.m_strExportFile.clear(); },
     {kRequired, "save"}, RunOutcome::MissingInput},
    {"TemplateMissing", false, [](CMainSettings& in) { in.m_strTemplateFile.clear(); },
     {kRequired, "save"}, RunOutcome::MissingInput},
    {"AllFourEmpty", true, [](CMainSettings& in) { in = {}; }, {kRequired, "save"}, RunOutcome::MissingInput},
    {"TemplateCannotBeOpened", true, [](CMainSettings& in) { in.m_strTemplateFile += ".missing"; },
     {"[main] Fehler (error, OK): Fehler beim Öffnen von \"{dir}/good.sty.missing\".", "save"},
     RunOutcome::TemplateUnread},
    {"TemplateOfZeroBytes", true, [](CMainSettings& in) { in.m_strTemplateFile = "{dir}/empty.sty"; },
     {"save"}, RunOutcome::TemplateUnread},
    {"TemplateWithoutBlock", true, [](CMainSettings& in) { in.m_strTemplateFile = "{dir}/noblock.sty"; },
     {"busy on", kFaulty, "busy off", "save"}, RunOutcome::TemplateFaulty},
    {"TemplateWithEmptyBlock", false, [](CMainSettings& in) { in.m_strTemplateFile = "{dir}/emptyblock.sty"; },
     {"busy on", kFaulty, "busy off", "save"}, RunOutcome::TemplateFaulty},
    {"TemplateMarkersInCapitals", false, [](CMainSettings& in) { in.m_strTemplateFile = "{dir}/capitals.sty"; },
     {"busy on", kFaulty, "busy off", "save"}, RunOutcome::TemplateFaulty},
    {"TemplateBlockNeverEnds", true, [](CMainSettings& in) { in.m_strTemplateFile = "{dir}/unended.sty"; },
     {"busy on", kFaulty, "busy off", "save"}, RunOutcome::TemplateFaulty},
    {"FetchFails", true, [](CMainSettings& in) { in.m_strPubMedID = kRefusedPmid; },
     {"busy on", "[none] Fehler (error, OK): Verbindung zum PubMed-Server fehlgeschlagen.", "busy off", "save"},
     RunOutcome::FetchFailed},
    {"UnknownPmid", true, [](CMainSettings& in) { in.m_strPubMedID = "99999999"; },
     {"busy on", "[main] Fehler (error, OK): Keine Datensätze gefunden, die den Suchkriterien entsprechen.",
      "busy off", "save"},
     RunOutcome::NoRecord},
    {"MedlineCannotBeOpened", false, [](CMainSettings& in) { in.m_strImportFile = "{dir}/none.txt"; },
     {"busy on", "[main] Fehler (error, OK): Fehler beim Öffnen von \"{dir}/none.txt\".", "busy off", "save"},
     RunOutcome::SourceUnread},
    {"MedlineOfZeroBytes", false, [](CMainSettings& in) { in.m_strImportFile = "{dir}/empty.sty"; },
     {"busy on", "busy off", "save"}, RunOutcome::SourceUnread},
    {"PreviewNotConfirmed", true, [](CMainSettings&) {}, {"busy on", "preview", "busy off", "save"},
     RunOutcome::NotConfirmed, false},
    {"TargetCannotBeOpened", false, [](CMainSettings& in) { in.m_strExportFile = "{dir}/no/such/out.bib"; },
     {"busy on", "preview", "[main] Fehler (error, OK): Fehler beim Öffnen von \"{dir}/no/such/out.bib\".",
      "busy off", "save"},
     RunOutcome::OpenFailed},
    // The one end that leaves the stored inputs alone.
    {"WriteFails", false, [](CMainSettings& in) { in.m_strExportFile = "/dev/full"; },
     {"busy on", "preview", "[main] Fehler (error, OK): Fehler beim Schreiben von \"/dev/full\".", "busy off"},
     RunOutcome::WriteFailed},
    {"WrittenFromPmid", true, [](CMainSettings&) {}, {"busy on", "preview", kWritten, "busy off", "save"},
     RunOutcome::Written},
    {"WrittenFromMedlineWithoutPmid", false, [](CMainSettings&) {},
     {"busy on", "preview", kWritten, "busy off", "save"}, RunOutcome::Written},
    // The field that the other source needs is not required.
    {"WrittenFromPmidWithoutMedlineFile", true, [](CMainSettings& in) { in.m_strImportFile.clear(); },
     {"busy on", "preview", kWritten, "busy off", "save"}, RunOutcome::Written},
};

class RunEnds : public ConversionRunTest, public testing::WithParamInterface<EndCase> {};

TEST_P(RunEnds, ShowsItsMessagesInOrderAndStoresTheInputs)
{
  const EndCase& row = GetParam();
  const std::string dir = m_dir.Path().string();
  WriteBytes(File("empty.sty"), "");
  WriteBytes(File("noblock.sty"), "<BeginSeparator> and <EndSeparator>\n###AU###\n");
  WriteBytes(File("emptyblock.sty"), "<BeginSeparator> and <EndSeparator><BeginTemplate><EndTemplate>");
  WriteBytes(File("capitals.sty"), "<BEGINTEMPLATE>###AU###<ENDTEMPLATE>");
  WriteBytes(File("unended.sty"), "<BeginTemplate>###AU###\n");
  CMainSettings inputs = row.online ? OnlineInputs() : MedlineInputs();
  row.adjust(inputs);
  for (std::string* path : {&inputs.m_strTemplateFile, &inputs.m_strImportFile, &inputs.m_strExportFile})
    *path = Expand(*path, dir);
  m_preview.m_confirm = row.confirm;

  EXPECT_EQ(Run(inputs), row.outcome);

  std::vector<std::string> expected;
  for (const std::string& event : row.events)
    expected.push_back(Expand(event, dir));
  EXPECT_EQ(m_log.events, expected);
  const bool saved = row.outcome != RunOutcome::WriteFailed;
  EXPECT_EQ(Stored("ExportFile"), saved ? inputs.m_strExportFile : "(absent)");
  EXPECT_EQ(Stored("TemplateFile"), saved ? inputs.m_strTemplateFile : "(absent)");
  EXPECT_EQ(Stored("PubMedID"), saved ? inputs.m_strPubMedID : "(absent)");
  EXPECT_EQ(std::filesystem::exists(File("out.bib")), row.outcome == RunOutcome::Written);
}

INSTANTIATE_TEST_SUITE_P(EveryEnd, RunEnds, testing::ValuesIn(kEndCases), CaseName<EndCase>);

// ---- What a run writes ----

struct SourceCase {
  std::string name;
  bool online;
  std::string entry;
};

const SourceCase kSources[] = {
    {"Pmid", true, kSummaryEntry},
    {"Medline", false, kMedlineEntry},
};

class RunWrites : public ConversionRunTest, public testing::WithParamInterface<SourceCase> {};

TEST_P(RunWrites, TwoRunsAppendTwoEntries)
{
  const CMainSettings inputs = GetParam().online ? OnlineInputs() : MedlineInputs();

  ASSERT_EQ(Run(inputs), RunOutcome::Written);
  EXPECT_EQ(ReadBytes(File("out.bib")), GetParam().entry);
  ASSERT_EQ(Run(inputs), RunOutcome::Written);
  EXPECT_EQ(ReadBytes(File("out.bib")), GetParam().entry + GetParam().entry);
  // The main window's working texts: the template block and the source's text.
  EXPECT_EQ(m_run.m_strTemplate, "###AU###|###DP###|###TA###|###VI###|###IP###|###PG###\n");
  EXPECT_EQ(m_run.m_strSourceText.substr(0, GetParam().online ? 21 : 14),
            GetParam().online ? "<?xml version=\"1.0\"?>" : "PMID- 25744111");
}

INSTANTIATE_TEST_SUITE_P(BothSources, RunWrites, testing::ValuesIn(kSources), CaseName<SourceCase>);

TEST_F(ConversionRunTest, TheConfirmedEditsAreWrittenAndKept)
{
  WriteBytes(File("title.sty"), "<BeginSeparator>; <EndSeparator><BeginTemplate>###TI###|###AU###<EndTemplate>");
  CMainSettings inputs = MedlineInputs();
  inputs.m_strTemplateFile = File("title.sty");
  m_preview.m_editedTitle = "Mein Titel";

  ASSERT_EQ(Run(inputs), RunOutcome::Written);

  EXPECT_EQ(ReadBytes(File("out.bib")), "Mein Titel|Fujiwara, T");
  EXPECT_EQ(m_run.m_record.m_strTitle, "Mein Titel");
  ASSERT_EQ(m_preview.m_shown.size(), 1u);
  EXPECT_EQ(m_preview.m_shown[0].m_strYear, "2015");
}

TEST_F(ConversionRunTest, AnUnconfirmedPreviewLeavesTheParsedRecord)
{
  m_preview.m_editedTitle = "Mein Titel";
  m_preview.m_confirm = false;

  ASSERT_EQ(Run(MedlineInputs()), RunOutcome::NotConfirmed);

  EXPECT_EQ(m_run.m_record.m_strTitle, m_preview.m_shown.at(0).m_strTitle);
  EXPECT_NE(m_run.m_record.m_strTitle, "Mein Titel");
}

TEST_F(ConversionRunTest, AFailedFetchLeavesTheRecordOfTheLastRun)
{
  ASSERT_EQ(Run(MedlineInputs()), RunOutcome::Written);
  const CArticleRecord before = m_run.m_record;
  CMainSettings inputs = OnlineInputs();
  inputs.m_strPubMedID = kRefusedPmid;

  ASSERT_EQ(Run(inputs), RunOutcome::FetchFailed);

  EXPECT_EQ(m_run.m_record.m_strAuthors, before.m_strAuthors);
  EXPECT_EQ(m_run.m_record.m_strNote, before.m_strNote);
}

TEST_F(ConversionRunTest, AMedlineFileWithoutItemsReachesThePreviewEmpty)
{
  WriteBytes(File("nothing.txt"), "This is no Medline record.\n");
  CMainSettings inputs = MedlineInputs();
  inputs.m_strImportFile = File("nothing.txt");

  ASSERT_EQ(Run(inputs), RunOutcome::Written);

  ASSERT_EQ(m_preview.m_shown.size(), 1u);
  EXPECT_TRUE(m_preview.m_shown[0].IsEmpty());
  EXPECT_EQ(ReadBytes(File("out.bib")), "|||||\n");
}

struct SeparatorCase {
  std::string name;
  std::string templateText;
  std::string entry;
};

const SeparatorCase kSeparators[] = {
    {"Given", "<BeginSeparator> & <EndSeparator><BeginTemplate>###AU###<EndTemplate>", "Smith, J & Doe, AB"},
    // Nothing to split on: the authors stay as the parser joined them.
    {"Absent", "<BeginTemplate>###AU###<EndTemplate>", "Smith JDoe AB"},
    {"Empty", "<BeginSeparator><EndSeparator><BeginTemplate>###AU###<EndTemplate>", "Smith JDoe AB"},
};

class RunSeparators : public ConversionRunTest, public testing::WithParamInterface<SeparatorCase> {};

TEST_P(RunSeparators, JoinAndFormatTheAuthors)
{
  WriteBytes(File("two.txt"), "PMID- 1\nAU  - Smith J\nAU  - Doe AB\n");
  WriteBytes(File("sep.sty"), GetParam().templateText);
  CMainSettings inputs = MedlineInputs();
  inputs.m_strImportFile = File("two.txt");
  inputs.m_strTemplateFile = File("sep.sty");

  ASSERT_EQ(Run(inputs), RunOutcome::Written);

  EXPECT_EQ(ReadBytes(File("out.bib")), GetParam().entry);
}

INSTANTIATE_TEST_SUITE_P(Separators, RunSeparators, testing::ValuesIn(kSeparators), CaseName<SeparatorCase>);

TEST_F(ConversionRunTest, TwoTemplateBlocksAreJoinedByAnd)
{
  WriteBytes(File("two.sty"), "<BeginTemplate>###PG###<EndTemplate> x <BeginTemplate>###VI###<EndTemplate>");
  CMainSettings inputs = MedlineInputs();
  inputs.m_strTemplateFile = File("two.sty");

  ASSERT_EQ(Run(inputs), RunOutcome::Written);

  EXPECT_EQ(ReadBytes(File("out.bib")), "475-82 and 129");
}

}  // namespace
