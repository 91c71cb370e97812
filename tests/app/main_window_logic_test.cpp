#include "app/MainWindowLogic.h"

#include "core/ArticleRecord.h"
#include "platform/StringTable.h"
#include "tests/support/FakeServices.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include <string>
#include <vector>

namespace {

// Controls held as plain values; every call is recorded in order.
class CFakeMainView : public IMainView {
public:
  void UpdateData(bool saveAndValidate) override
  {
    m_calls.push_back(saveAndValidate ? "take" : "show");
    if (saveAndValidate)
      m_logic->m_inputs = m_controls;
    else
      m_controls = m_logic->m_inputs;
  }
  void EnablePmidControls(bool enable) override { m_calls.push_back(enable ? "pmid on" : "pmid off"); }
  void EnableFileControls(bool enable) override { m_calls.push_back(enable ? "file on" : "file off"); }
  int RunSettingsDialog(const CImportSchema& schema, CImportSchema& edited) override
  {
    m_calls.push_back("settings");
    m_schemaShown = schema;
    edited = m_settingsResult;
    return m_dialogAnswer;
  }
  int RunSearchDialog(const CImportSchema& schema, std::string& pubMedId) override
  {
    m_calls.push_back("search");
    m_schemaShown = schema;
    pubMedId = "999";
    return m_dialogAnswer;
  }
  bool Confirm(CArticleRecord& record) override
  {
    m_calls.push_back("preview");
    m_previewed = record;
    record.m_strTitle = "Edited title";
    return m_confirm;
  }

  CMainWindowLogic* m_logic = nullptr;
  CMainSettings m_controls;
  std::vector<std::string> m_calls;
  CImportSchema m_schemaShown;
  CImportSchema m_settingsResult;
  int m_dialogAnswer = IDCANCEL;
  CArticleRecord m_previewed;
  bool m_confirm = true;
};

const int kWindow = 0;  // stands for the main window that owns the boxes

class MainWindowLogicTest : public ::testing::Test {
protected:
  MainWindowLogicTest() { m_view.m_logic = &m_logic; }

  // Starts the window, then forgets the start-up calls.
  void Start()
  {
    m_logic.OnInitDialog();
    m_view.m_calls.clear();
  }

  CFakeServices m_fakes;
  CFakeMainView m_view;
  CMainWindowLogic m_logic{m_view, m_fakes.services, &kWindow};
};

using Calls = std::vector<std::string>;

TEST(SourceEnablingTest, EachChoiceEnablesItsControlsAndChecksItsRadio)
{
  struct Case {
    int format;
    bool pmid;
    bool file;
    int radio;
  };
  const Case cases[] = {{0, true, false, 0}, {1, false, true, 1}, {5, false, true, -1},
                        {-1, false, true, -1}};
  for (const Case& c : cases) {
    const SourceEnabling enabling = EnablingFor(c.format);
    EXPECT_EQ(enabling.pmidControls, c.pmid) << c.format;
    EXPECT_EQ(enabling.fileControls, c.file) << c.format;
    EXPECT_EQ(enabling.checkedRadio, c.radio) << c.format;
  }
}

TEST_F(MainWindowLogicTest, FirstStartShowsDefaultsAndEnablesThePmidControls)
{
  m_logic.OnInitDialog();

  EXPECT_EQ(m_view.m_calls, (Calls{"show", "pmid on", "file off"}));
  EXPECT_EQ(m_view.m_controls.m_nImportFormat, 0);
  EXPECT_EQ(m_view.m_controls.m_strPubMedID, "");
  EXPECT_EQ(m_view.m_controls.m_strExportFile, "");
  EXPECT_EQ(m_logic.m_schema.m_strStartJournal, "<Item Name=\"Source\" Type=\"String\">");
  EXPECT_EQ(m_logic.m_schema.m_strEndJournal, "</Item>");
  EXPECT_EQ(m_logic.m_schema.m_strCommandURL, LoadResString(IDS_DEFAULT_COMMAND_URL));
  EXPECT_TRUE(m_fakes.store.m_writes.empty());
}

TEST_F(MainWindowLogicTest, StoredValuesReplaceTheDefaultsAndTheStoredChoiceSetsTheEnabling)
{
  struct Case {
    int stored;
    Calls calls;
  };
  const Case cases[] = {{1, {"show", "pmid off", "file on"}}, {5, {"show", "pmid off", "file on"}}};
  for (const Case& c : cases) {
    CFakeServices fakes;
    fakes.store.WriteProfileInt("Settings", "ImportFormat", c.stored);
    fakes.store.WriteProfileString("Settings", "PubMedID", "12345");
    fakes.store.WriteProfileString("Schema", "EndTitle", "");
    CFakeMainView view;
    CMainWindowLogic logic(view, fakes.services, &kWindow);
    view.m_logic = &logic;

    logic.OnInitDialog();

    EXPECT_EQ(view.m_calls, c.calls) << c.stored;
    EXPECT_EQ(view.m_controls.m_nImportFormat, c.stored);
    EXPECT_EQ(view.m_controls.m_strPubMedID, "12345");
    EXPECT_EQ(logic.m_schema.m_strEndTitle, "") << "a stored empty value is kept";
    EXPECT_EQ(logic.m_schema.m_strEndAuthor, "</Item>");
  }
}

TEST_F(MainWindowLogicTest, RadioClicksOnlyEnableAndNeverStoreTheChoice)
{
  Start();
  m_logic.OnSourceFile();
  m_logic.OnSourcePmid();

  EXPECT_EQ(m_view.m_calls, (Calls{"pmid off", "file on", "pmid on", "file off"}));
  EXPECT_TRUE(m_fakes.store.m_writes.empty());
}

struct BrowseCase {
  const char* name;
  BrowseKind kind;
  std::string filter;
  std::string extension;
  std::string initialName;
  bool createPrompt;
  std::string CMainSettings::*member;
};

class BrowseTest : public MainWindowLogicTest, public ::testing::WithParamInterface<BrowseCase> {};

TEST_P(BrowseTest, AsksWithTheKindsFilterAndExtension)
{
  const BrowseCase& c = GetParam();
  const FileChooserRequest request = BrowseRequest(c.kind);
  EXPECT_EQ(request.filter, c.filter);
  EXPECT_EQ(request.defaultExtension, c.extension);
  EXPECT_EQ(request.initialName, c.initialName);
  EXPECT_EQ(request.createPrompt, c.createPrompt);
}

TEST_P(BrowseTest, CancellingKeepsEveryTypedField)
{
  const BrowseCase& c = GetParam();
  Start();
  m_view.m_controls = {"typed.bib", "typed.txt", "typed.sty", "4711", 1};

  m_logic.OnBrowse(c.kind);

  EXPECT_EQ(m_view.m_calls, (Calls{"take", "show"}));
  EXPECT_EQ(m_view.m_controls.m_strExportFile, "typed.bib");
  EXPECT_EQ(m_view.m_controls.m_strImportFile, "typed.txt");
  EXPECT_EQ(m_view.m_controls.m_strTemplateFile, "typed.sty");
  EXPECT_EQ(m_view.m_controls.m_strPubMedID, "4711");
  EXPECT_EQ(m_view.m_controls.m_nImportFormat, 1);
  ASSERT_EQ(m_fakes.files.m_requests.size(), 1u);
  EXPECT_EQ(m_fakes.files.m_requests[0].filter, c.filter);
  EXPECT_TRUE(m_fakes.store.m_writes.empty());
}

TEST_P(BrowseTest, AChosenPathFillsOnlyItsOwnField)
{
  const BrowseCase& c = GetParam();
  Start();
  m_view.m_controls = {"typed.bib", "typed.txt", "typed.sty", "4711", 0};
  m_fakes.files.m_answer = "/home/u/chosen file.x";

  m_logic.OnBrowse(c.kind);

  CMainSettings expected = {"typed.bib", "typed.txt", "typed.sty", "4711", 0};
  expected.*c.member = "/home/u/chosen file.x";
  EXPECT_EQ(m_view.m_controls.m_strExportFile, expected.m_strExportFile);
  EXPECT_EQ(m_view.m_controls.m_strImportFile, expected.m_strImportFile);
  EXPECT_EQ(m_view.m_controls.m_strTemplateFile, expected.m_strTemplateFile);
  EXPECT_EQ(m_view.m_controls.m_strPubMedID, "4711");
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, BrowseTest,
    ::testing::Values(
        BrowseCase{"Target", BrowseKind::Target,
                   "BibTeX-Dateien (*.bib)|*.bib|HTML-Dateien (*.htm; *.html)|*.htm;*.html|"
                   "Text-Dateien (*.txt)|*.txt|kommaseparierte Text-Dateien (*.csv)|*.csv|"
                   "RTF-Dateien (*.rtf)|*.rtf|Alle Dateien (*.*)|*.*||",
                   "bib", "*.bib", true, &CMainSettings::m_strExportFile},
        BrowseCase{"Template", BrowseKind::Template,
                   "Lexoria-Templates (*.sty)|*.sty|Alle Dateien (*.*)|*.*||", "sty", "*.sty",
                   false, &CMainSettings::m_strTemplateFile},
        BrowseCase{"Medline", BrowseKind::Medline, "Text-Dateien (*.txt)|*.txt|Alle Dateien (*.*)|*.*||",
                   "txt", "*.txt", false, &CMainSettings::m_strImportFile}),
    [](const ::testing::TestParamInfo<BrowseCase>& row) { return std::string(row.param.name); });

TEST_F(MainWindowLogicTest, PubMedPageTakesTheTypedPmidIntoTheUrlTemplate)
{
  struct Case {
    std::string urlTemplate;
    std::string pmid;
    std::string url;
  };
  const Case cases[] = {
      {"https://pubmed.example/?list_uids=%s", "12345", "https://pubmed.example/?list_uids=12345"},
      {"https://pubmed.example/?list_uids=%s", "not a number", "https://pubmed.example/?list_uids=not a number"},
      {"https://pubmed.example/%%20/%s", "7", "https://pubmed.example/%20/7"},
      {"https://pubmed.example/fixed", "7", "https://pubmed.example/fixed"},
  };
  Start();
  for (const Case& c : cases) {
    m_logic.m_schema.m_strCommandURL = c.urlTemplate;
    m_view.m_controls.m_strPubMedID = c.pmid;
    m_fakes.browser.m_opened.clear();

    m_logic.OnOpenPubMedPage();

    EXPECT_EQ(m_fakes.browser.m_opened, std::vector<std::string>{c.url});
  }
  EXPECT_TRUE(m_fakes.messages.m_shown.empty());
}

TEST_F(MainWindowLogicTest, PubMedPageWithoutPmidShowsTheRequiredFieldsError)
{
  Start();
  m_logic.m_inputs.m_strPubMedID = "stale";
  m_view.m_controls.m_strPubMedID = "";

  m_logic.OnOpenPubMedPage();

  EXPECT_TRUE(m_fakes.browser.m_opened.empty());
  ASSERT_EQ(m_fakes.messages.m_shown.size(), 1u);
  const MessageBoxRequest& box = m_fakes.messages.m_shown[0];
  EXPECT_EQ(box.text, "Sie haben nicht alle erforderlichen Felder ausgefüllt.");
  EXPECT_EQ(box.title, "Fehler");
  EXPECT_EQ(box.icon, MsgIcon::Error);
  EXPECT_EQ(box.buttons, MsgButtons::Ok);
  EXPECT_EQ(box.owner, &kWindow);
}

class SettingsCommandTest : public MainWindowLogicTest, public ::testing::WithParamInterface<int> {};

TEST_P(SettingsCommandTest, OnlyYesTakesTheSchemaOverAndWritesIt)
{
  const int answer = GetParam();
  Start();
  m_logic.m_inputs.m_strPubMedID = "used";
  m_view.m_controls.m_strPubMedID = "typed but not used";
  m_view.m_settingsResult = m_logic.m_schema;
  m_view.m_settingsResult.m_strStartTitle = "<T>";
  m_view.m_dialogAnswer = answer;

  m_logic.OnSettings();

  EXPECT_EQ(m_view.m_calls, (Calls{"settings", "show"}));
  EXPECT_EQ(m_view.m_schemaShown.m_strStartTitle, "<Item Name=\"Title\" Type=\"String\">");
  EXPECT_EQ(m_view.m_controls.m_strPubMedID, "used") << "the members go back to the controls";
  if (answer == IDYES) {
    EXPECT_EQ(m_logic.m_schema.m_strStartTitle, "<T>");
    const std::vector<std::string> order = {
        "Schema/EndAuthor",   "Schema/EndIssue",     "Schema/EndJournal",     "Schema/EndLanguage",
        "Schema/EndNote",     "Schema/EndPages",     "Schema/EndTitle",       "Schema/EndURL",
        "Schema/EndVolume",   "Schema/EndYear",      "Schema/StartAuthor",    "Schema/StartIssue",
        "Schema/StartJournal", "Schema/StartLanguage", "Schema/StartNote",     "Schema/StartPages",
        "Schema/StartTitle",  "Schema/StartURL",     "Schema/StartVolume",    "Schema/StartYear",
        "Schema/Command",     "Schema/CommandSearch", "Schema/CommandURL"};
    EXPECT_EQ(m_fakes.store.m_writes, order);
    EXPECT_EQ(m_fakes.store.GetProfileString("Schema", "StartTitle", "absent"), "<T>");
  } else {
    EXPECT_EQ(m_logic.m_schema.m_strStartTitle, "<Item Name=\"Title\" Type=\"String\">");
    EXPECT_TRUE(m_fakes.store.m_writes.empty());
  }
}

INSTANTIATE_TEST_SUITE_P(Answers, SettingsCommandTest, ::testing::Values(IDYES, IDNO, IDCANCEL),
                         [](const ::testing::TestParamInfo<int>& row) {
                           return row.param == IDYES ? std::string("Yes")
                                  : row.param == IDNO ? std::string("No")
                                                       : std::string("Cancel");
                         });

TEST_F(MainWindowLogicTest, SearchTakesThePmidOverOnlyOnYesAndKeepsTheTypedFields)
{
  for (const int answer : {IDYES, IDNO, IDCANCEL}) {
    Start();
    m_view.m_controls = {"typed.bib", "", "typed.sty", "111", 0};
    m_view.m_dialogAnswer = answer;

    m_logic.OnSearchArticle();

    EXPECT_EQ(m_view.m_calls, (Calls{"take", "search", "show"}));
    EXPECT_EQ(m_view.m_controls.m_strPubMedID, answer == IDYES ? "999" : "111") << answer;
    EXPECT_EQ(m_view.m_controls.m_strTemplateFile, "typed.sty");
    EXPECT_EQ(m_view.m_controls.m_nImportFormat, 0);
  }
  EXPECT_TRUE(m_fakes.store.m_writes.empty());
}

std::string ReadAll(const std::filesystem::path& path)
{
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

TEST_F(MainWindowLogicTest, ConvertTakesTheTypedInputsRunsAndStaysReadyForTheNext)
{
  const std::filesystem::path dir = std::filesystem::path(testing::TempDir()) / "desk_convert";
  std::filesystem::remove_all(dir);
  std::filesystem::create_directories(dir);
  std::ofstream(dir / "entry.sty") << "<BeginSeparator> and <EndSeparator>"
                                      "<BeginTemplate>[###TI###|###AU###]\n<EndTemplate>";
  std::ofstream(dir / "record.txt") << "PMID- 42\nTI  - A title\nAU  - Smith J\n";
  Start();
  m_view.m_controls = {(dir / "out.bib").string(), (dir / "record.txt").string(),
                       (dir / "entry.sty").string(), "", 1};

  m_logic.OnOK();
  m_logic.OnOK();

  EXPECT_EQ(m_view.m_calls, (Calls{"take", "preview", "take", "preview"}));
  EXPECT_EQ(m_view.m_previewed.m_strTitle, "A title");
  EXPECT_EQ(ReadAll(dir / "out.bib"), "[Edited title|Smith, J]\n[Edited title|Smith, J]\n");
  EXPECT_EQ(m_fakes.store.GetProfileString("Settings", "ImportFile", ""), (dir / "record.txt").string());
  EXPECT_EQ(m_fakes.store.GetProfileInt("Settings", "ImportFormat", -9), 1);
  ASSERT_EQ(m_fakes.messages.m_shown.size(), 2u);
  EXPECT_EQ(m_fakes.messages.m_shown[0].title, "Hinweis");
  EXPECT_EQ(m_fakes.messages.m_shown[0].owner, &kWindow);
  std::filesystem::remove_all(dir);
}

TEST_F(MainWindowLogicTest, ConvertWithMissingInputsReportsThemAndStillStoresTheInputs)
{
  Start();
  m_view.m_controls = {"", "", "", "typed", 0};

  m_logic.OnOK();

  EXPECT_EQ(m_view.m_calls, Calls{"take"});
  ASSERT_EQ(m_fakes.messages.m_shown.size(), 1u);
  EXPECT_EQ(m_fakes.messages.m_shown[0].text, "Sie haben nicht alle erforderlichen Felder ausgefüllt.");
  EXPECT_EQ(m_fakes.messages.m_shown[0].owner, &kWindow);
  EXPECT_EQ(m_fakes.store.GetProfileString("Settings", "PubMedID", ""), "typed");
}

}  // namespace
