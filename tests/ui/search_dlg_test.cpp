#include "search/ui/SearchDlg.h"

#include "app/ui/MainDlg.h"
#include "platform/CurlHttpClient.h"
#include "platform/ui/ControlIds.h"
#include "search/ui/QtHitList.h"
#include "tests/support/CaseName.h"
#include "tests/support/FakeEutilsServer.h"
#include "tests/support/FakeServices.h"
#include "tests/support/MessageBoxChecks.h"
#include "tests/ui/ModalDialogs.h"

#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>

#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <string>
#include <vector>

namespace {

constexpr const char* kSearchTemplate = "http://search.invalid/esearch.fcgi?term=%s";
const MessageBoxRequest kConnectionFailed{"Verbindung zum PubMed-Server fehlgeschlagen.", "Fehler",
                                          MsgIcon::Error, MsgButtons::Ok};
const MessageBoxRequest kNothingFound{
    "Keine Datensätze gefunden, die den Suchkriterien entsprechen.", "Fehler", MsgIcon::Error,
    MsgButtons::Ok};
const MessageBoxRequest kNoneSelected{"Es wurde keine PubMed-ID ausgewählt.\nTrotzdem beenden?",
                                      "Sind Sie sicher?", MsgIcon::Question, MsgButtons::YesNo};
const MessageBoxRequest kTakeOver{"Soll die gewählte PubMed-ID übernommen werden?",
                                  "Sind Sie sicher?", MsgIcon::Question, MsgButtons::YesNoCancel};

CImportSchema TestSchema()
{
  CImportSchema schema;
  schema.SetDefaults();
  schema.m_strCommandSearch = kSearchTemplate;
  schema.m_strCommand = "http://summary.invalid/esummary.fcgi?id=%s";
  return schema;
}

template <class Widget>
Widget& ControlOf(const QWidget& dialog, int id)
{
  auto* control = qobject_cast<Widget*>(FindControl(dialog, id));
  EXPECT_NE(control, nullptr) << "control " << id;
  return *control;
}

void Click(const QWidget& dialog, int id) { ControlOf<QPushButton>(dialog, id).click(); }

void AddRows(CSearchDlg& dialog, const std::vector<std::string>& pmids)
{
  CQtHitList hits(*dialog.HitList());
  for (const std::string& pmid : pmids)
    hits.InsertItem(hits.GetItemCount(), {pmid, "Smith J", "Title", "2002", "J", "1 (2) 3"});
}

class SearchDlgTest : public testing::Test {
protected:
  SearchDlgTest() { TestApplication(); }

  CFakeServices m_fakes;
};

TEST_F(SearchDlgTest, ShowsTheCriteriaTheListAndTheButtons)
{
  CSearchDlg dialog(nullptr, TestSchema(), m_fakes.services);

  EXPECT_EQ(dialog.windowTitle(), "PubMed-ID suchen");
  std::vector<QString> groups;
  for (const QGroupBox* group : dialog.findChildren<QGroupBox*>())
    groups.push_back(group->title());
  EXPECT_EQ(groups, (std::vector<QString>{
                        "1. Artikel suchen (es müssen nicht alle Felder ausgefüllt werden)",
                        "2. Artikel auswählen (es werden max. 20 angezeigt)"}));

  const struct {
    int id;
    const char* label;
    int limit;
  } criteria[] = {{1012, "Autor(en)", 255}, {1016, "Titelwörter", 1024}, {1015, "Journal", 255},
                  {1014, "Jahr", 255},      {1018, "Volume", 255},       {1019, "Issue", 255},
                  {1050, "erste Seite", 255}};
  for (const auto& criterion : criteria) {
    QLineEdit& edit = ControlOf<QLineEdit>(dialog, criterion.id);
    EXPECT_EQ(edit.maxLength(), criterion.limit) << criterion.id;
    EXPECT_EQ(edit.text(), "") << criterion.id;
    const auto labels = dialog.findChildren<QLabel*>();
    const auto label = std::find_if(labels.begin(), labels.end(),
                                    [&](const QLabel* l) { return l->buddy() == &edit; });
    ASSERT_NE(label, labels.end()) << criterion.id;
    EXPECT_EQ((*label)->text(), criterion.label);
  }

  EXPECT_EQ(ControlOf<QPushButton>(dialog, 1051).text(), "Suchen");
  EXPECT_TRUE(ControlOf<QPushButton>(dialog, 1051).isDefault());
  EXPECT_EQ(ControlOf<QPushButton>(dialog, 1).text(), "Übernehmen");
  EXPECT_FALSE(ControlOf<QPushButton>(dialog, 1).isDefault());
  EXPECT_EQ(ControlOf<QPushButton>(dialog, 2).text(), "Abbrechen");

  // Only the authors field has a tool tip.
  for (const int id : {1012, 1016, 1015, 1014, 1018, 1019, 1050, 1051, 1056, 1, 2})
    EXPECT_EQ(FindControl(dialog, id)->toolTip(),
              id == 1012 ? "mehrere Autoren mit \"&&\" trennen" : "")
        << id;

  std::vector<int> tabOrder;
  QWidget* widget = FindControl(dialog, 1012);
  do {
    if (ControlIdOf(*widget) > 0 && (widget->focusPolicy() & Qt::TabFocus))
      tabOrder.push_back(ControlIdOf(*widget));
    widget = widget->nextInFocusChain();
  } while (widget != FindControl(dialog, 1012));
  EXPECT_EQ(tabOrder,
            (std::vector<int>{1012, 1016, 1015, 1014, 1018, 1019, 1050, 1051, 1056, 1, 2}));
}

TEST_F(SearchDlgTest, HitListHasSixColumnsInProportionAndNoRows)
{
  CSearchDlg dialog(nullptr, TestSchema(), m_fakes.services);
  auto& list = ControlOf<QTreeWidget>(dialog, 1056);

  EXPECT_EQ(&list, dialog.HitList());
  EXPECT_EQ(list.topLevelItemCount(), 0);
  EXPECT_EQ(list.selectionMode(), QAbstractItemView::SingleSelection);
  EXPECT_FALSE(list.isSortingEnabled());
  const struct {
    const char* heading;
    int width;
  } columns[] = {{"PMID", 60},    {"Autor(en)", 80}, {"Titel", 140},
                 {"Jahr", 40},    {"Journal", 80},   {"Vol (Issue) Seiten", 100}};
  ASSERT_EQ(list.columnCount(), 6);
  const double scale = list.header()->sectionSize(0) / 60.0;
  EXPECT_GE(scale, 1.0);
  for (int i = 0; i < 6; ++i) {
    EXPECT_EQ(list.headerItem()->text(i), columns[i].heading);
    EXPECT_NEAR(list.header()->sectionSize(i), columns[i].width * scale, 1.0) << i;
    EXPECT_GT(list.header()->sectionSize(i),
              list.header()->fontMetrics().horizontalAdvance(columns[i].heading))
        << i;
  }
}

TEST_F(SearchDlgTest, TypingStopsAtTheLimit)
{
  CSearchDlg dialog(nullptr, TestSchema(), m_fakes.services);
  for (const auto& [id, limit] : {std::pair{1012, 255}, {1016, 1024}, {1014, 255}, {1050, 255}}) {
    QLineEdit& edit = ControlOf<QLineEdit>(dialog, id);
    QTest::keyClicks(&edit, QString(limit + 3, QChar(u'x')));
    EXPECT_EQ(edit.text(), QString(limit, QChar(u'x'))) << id;
  }
}

struct EnterCase {
  const char* name;
  int id;
  const char* typed;
  const char* term;
};

const EnterCase kEnterCases[] = {
    {"Authors", 1012, "Smith J & Miller A", "Smith+J+%26+Miller+A[author]"},
    {"TitleWords", 1016, "cell cycle", "cell+cycle"},
    {"Journal", 1015, "J Biol Chem", "J+Biol+Chem[Jour]"},
    {"Year", 1014, "2002", "2002[pdat]"},
    {"Volume", 1018, "277", "277[volume]"},
    {"Issue", 1019, "5", "5[issue]"},
    {"FirstPage", 1050, "100", "100[page]"},
    {"NonAsciiAsUtf8", 1012, "März W", "M%C3%A4rz+W[author]"},
};

class SearchDlgEnterTest : public testing::TestWithParam<EnterCase> {
protected:
  SearchDlgEnterTest() { TestApplication(); }
  CFakeServices m_fakes;
};

// Enter runs the search and keeps the dialog open; the unreachable service
// then gives the connection message (no owner) and "nothing found" (owned).
TEST_P(SearchDlgEnterTest, EnterInACriterionSearchesInsteadOfClosing)
{
  const EnterCase& c = GetParam();
  CSearchDlg dialog(nullptr, TestSchema(), m_fakes.services);
  bool openAfterEnter = false;
  WhenModal([&](QWidget&) {
    QLineEdit& edit = ControlOf<QLineEdit>(dialog, c.id);
    edit.setFocus();
    edit.insert(QString::fromUtf8(c.typed));
    QTest::keyClick(&edit, Qt::Key_Return);
    openAfterEnter = dialog.isVisible();
    Click(dialog, 2);
  });

  EXPECT_EQ(dialog.DoModal(), IDCANCEL);
  EXPECT_TRUE(openAfterEnter);
  const std::string url = std::string("http://search.invalid/esearch.fcgi?term=") + c.term;
  EXPECT_EQ(m_fakes.http.m_urls, std::vector<std::string>{url});
  ExpectBoxes(m_fakes.messages, {kConnectionFailed, kNothingFound});
  if (m_fakes.messages.m_shown.size() == 2) {
    EXPECT_EQ(m_fakes.messages.m_shown[0].owner, nullptr);
    EXPECT_EQ(m_fakes.messages.m_shown[1].owner, &dialog);
  }
  EXPECT_EQ(ControlOf<QLineEdit>(dialog, c.id).text(), QString::fromUtf8(c.typed));
}

INSTANTIATE_TEST_SUITE_P(Cases, SearchDlgEnterTest, testing::ValuesIn(kEnterCases),
                         CaseName<EnterCase>);

struct OkCase {
  const char* name;
  int selectedRow;  // -1: none
  int answer;
  MessageBoxRequest question;
  bool staysOpen;
  int result;
  const char* pubMedID;
};

const OkCase kOkCases[] = {
    {"NoRowYesLeavesWithEmptyPmid", -1, IDYES, kNoneSelected, false, IDYES, ""},
    {"NoRowNoStaysWithItsHits", -1, IDNO, kNoneSelected, true, IDCANCEL, ""},
    {"RowYesTakesItsPmidOver", 1, IDYES, kTakeOver, false, IDYES, "222"},
    {"RowNoLeavesWithoutTakingOver", 1, IDNO, kTakeOver, false, IDNO, "222"},
    {"RowCancelStaysWithItsHits", 0, IDCANCEL, kTakeOver, true, IDCANCEL, "111"},
};

class SearchDlgOkTest : public testing::TestWithParam<OkCase> {
protected:
  SearchDlgOkTest() { TestApplication(); }
  CFakeServices m_fakes;
};

TEST_P(SearchDlgOkTest, TakeOverAsksAndEndsOrStays)
{
  const OkCase& c = GetParam();
  CSearchDlg dialog(nullptr, TestSchema(), m_fakes.services);
  m_fakes.messages.ScriptAnswer(c.answer);
  bool open = false;
  int rowsLeft = 0;
  WhenModal([&](QWidget&) {
    AddRows(dialog, {"111", "222"});
    if (c.selectedRow >= 0)
      dialog.HitList()->topLevelItem(c.selectedRow)->setSelected(true);
    Click(dialog, 1);
    open = dialog.isVisible();
    rowsLeft = dialog.HitList()->topLevelItemCount();
    if (open)
      Click(dialog, 2);
  });

  EXPECT_EQ(dialog.DoModal(), c.result);
  EXPECT_EQ(open, c.staysOpen);
  EXPECT_EQ(rowsLeft, 2);
  EXPECT_EQ(dialog.m_strPubMedID, c.pubMedID);
  ExpectBoxes(m_fakes.messages, {c.question});
  if (!m_fakes.messages.m_shown.empty()) {
    EXPECT_EQ(m_fakes.messages.m_shown[0].owner, &dialog);
  }
}

INSTANTIATE_TEST_SUITE_P(Cases, SearchDlgOkTest, testing::ValuesIn(kOkCases), CaseName<OkCase>);

TEST_F(SearchDlgTest, EscapeCancelsWithoutAQuestion)
{
  CSearchDlg dialog(nullptr, TestSchema(), m_fakes.services);
  WhenModal([&](QWidget&) { QTest::keyClick(&dialog, Qt::Key_Escape); });

  EXPECT_EQ(dialog.DoModal(), IDCANCEL);
  EXPECT_TRUE(m_fakes.messages.m_shown.empty());
}

std::string SummaryFor(const std::string& pmid)
{
  return "<DocSum><Item Name=\"Author\" Type=\"String\">Autor " + pmid +
         "</Item><Item Name=\"Author\" Type=\"String\">Zweit B</Item>"
         "<Item Name=\"Title\" Type=\"String\">Titel " + pmid +
         ".</Item><Item Name=\"PubDate\" Type=\"Date\">2002 Aug</Item>"
         "<Item Name=\"Source\" Type=\"String\">Journal</Item>"
         "<Item Name=\"Volume\" Type=\"String\">277</Item></DocSum>";
}

// Against the fake service: each row shows while the next summary is still
// on its way, and the chosen hit's PMID is what the dialog hands back.
TEST_F(SearchDlgTest, SearchListsHitsAsTheyArriveAndTakesOneOver)
{
  InitNetworkLayer();
  CFakeEutilsServer server;
  server.AddSearch("Smith+J[author]", "<IdList><Id>31</Id><Id>32</Id><Id>33</Id></IdList>");
  for (const char* pmid : {"31", "32", "33"})
    server.AddSummary(pmid, SummaryFor(pmid));
  server.SetDelay(std::chrono::milliseconds(30));
  CCurlHttpClient http(CCurlHttpClient::Options{5, 5, 0, 1u << 20});
  CServices services{m_fakes.messages, m_fakes.store, http, m_fakes.busy, m_fakes.files,
                     m_fakes.browser};
  CImportSchema schema = TestSchema();
  schema.m_strCommand = server.SummaryTemplate();
  schema.m_strCommandSearch = server.SearchTemplate();
  CSearchDlg dialog(nullptr, schema, services);
  dialog.m_strAuthors = "Smith J";

  // Samples the list while the search runs, and asks once to close the
  // window, as the window manager may: that has to wait for the search.
  std::set<int> rowCountsSeen;
  bool closeAsked = false;
  QTimer sampler;
  QObject::connect(&sampler, &QTimer::timeout, [&] {
    rowCountsSeen.insert(dialog.HitList()->topLevelItemCount());
    if (!closeAsked) {
      closeAsked = true;
      dialog.reject();
    }
  });
  bool openAfterSearch = false;
  std::vector<std::vector<QString>> rows;
  m_fakes.messages.ScriptAnswer(IDYES);
  WhenModal([&](QWidget&) {
    sampler.start(1);
    Click(dialog, 1051);
    sampler.stop();
    openAfterSearch = dialog.isVisible();
    for (int row = 0; row < dialog.HitList()->topLevelItemCount(); ++row) {
      std::vector<QString> texts;
      for (int column = 0; column < 6; ++column)
        texts.push_back(dialog.HitList()->topLevelItem(row)->text(column));
      rows.push_back(texts);
    }
    dialog.HitList()->topLevelItem(1)->setSelected(true);
    Click(dialog, 1);
  });

  EXPECT_EQ(dialog.DoModal(), IDYES);
  EXPECT_EQ(dialog.m_strPubMedID, "32");
  ASSERT_EQ(rows.size(), 3u);
  EXPECT_EQ(rows[1], (std::vector<QString>{"32", "Autor 32 and Zweit B", "Titel 32", "2002",
                                           "Journal", "277 "}));
  EXPECT_TRUE(rowCountsSeen.count(1) && rowCountsSeen.count(2))
      << "rows must show before the search ends";
  EXPECT_TRUE(closeAsked);
  EXPECT_TRUE(openAfterSearch);
  ExpectBoxes(m_fakes.messages, {kTakeOver});
  EXPECT_EQ(ControlOf<QLineEdit>(dialog, 1012).text(), "Smith J");
}

struct TakeOverCase {
  const char* name;
  bool selectRow;
  int answer;  // to the question after "Übernehmen"; 0: "Abbrechen" instead
  const char* pmidAfter;
};

const TakeOverCase kTakeOverCases[] = {
    {"YesTakesTheHitOver", true, IDYES, "456"},
    {"NoKeepsTheTypedPmid", true, IDNO, "123"},
    {"CancelButtonKeepsTheTypedPmid", true, 0, "123"},
    {"NoRowAndYesEmptiesThePmid", false, IDYES, ""},
};

class SearchArticleTest : public testing::TestWithParam<TakeOverCase> {
protected:
  SearchArticleTest() { TestApplication(); }
  CFakeServices m_fakes;
};

// The main window's "..." button: the PMID typed there survives unless the
// search dialog ends with Yes.
TEST_P(SearchArticleTest, MainWindowTakesThePmidOverOnlyAfterYes)
{
  const TakeOverCase& c = GetParam();
  CMainDlg main(nullptr, m_fakes.services);
  main.show();
  auto& pmid = *qobject_cast<QLineEdit*>(main.Control(1001));
  pmid.setText("123");
  if (c.answer != 0)
    m_fakes.messages.ScriptAnswer(c.answer);
  WhenModal([&](QWidget& modal) {
    auto* search = qobject_cast<CSearchDlg*>(&modal);
    ASSERT_NE(search, nullptr);
    AddRows(*search, {"456"});
    search->HitList()->topLevelItem(0)->setSelected(c.selectRow);
    Click(*search, c.answer != 0 ? 1 : 2);
  });

  qobject_cast<QPushButton*>(main.Control(1011))->click();

  EXPECT_EQ(pmid.text(), c.pmidAfter);
}

INSTANTIATE_TEST_SUITE_P(Cases, SearchArticleTest, testing::ValuesIn(kTakeOverCases),
                         CaseName<TakeOverCase>);

}  // namespace
