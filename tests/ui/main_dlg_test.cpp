#include "app/ui/MainDlg.h"

#include "tests/support/FakeServices.h"
#include "platform/ui/ControlIds.h"
#include "tests/ui/ModalDialogs.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

class MainDlgTest : public ::testing::Test {
protected:
  MainDlgTest() { TestApplication(); }

  CMainDlg& Open()
  {
    m_dialog = std::make_unique<CMainDlg>(nullptr, m_fakes.services);
    m_dialog->show();
    return *m_dialog;
  }

  QLineEdit& Edit(int id) { return *qobject_cast<QLineEdit*>(m_dialog->Control(id)); }
  QAbstractButton& Button(int id) { return *qobject_cast<QAbstractButton*>(m_dialog->Control(id)); }

  // Every menu item as "Popup/Item" with its command ID.
  std::vector<std::pair<std::string, int>> MenuItems() const
  {
    std::vector<std::pair<std::string, int>> items;
    const auto popups = m_dialog->MenuBar()->actions();
    for (QAction* popup : popups)
      for (QAction* item : popup->menu()->actions())
        items.emplace_back((popup->text() + "/" + item->text()).toStdString(), item->data().toInt());
    return items;
  }

  QAction& MenuItem(int commandId) const
  {
    const auto popups = m_dialog->MenuBar()->actions();
    for (QAction* popup : popups)
      for (QAction* item : popup->menu()->actions())
        if (item->data().toInt() == commandId)
          return *item;
    throw std::logic_error("no such menu item");
  }

  CFakeServices m_fakes;
  std::unique_ptr<CMainDlg> m_dialog;
};

TEST_F(MainDlgTest, FirstStartChecksPmidAndEnablesOnlyItsControls)
{
  CMainDlg& dialog = Open();

  EXPECT_EQ(dialog.windowTitle(), "Lexoria");
  EXPECT_TRUE(qobject_cast<QRadioButton*>(dialog.Control(1002))->isChecked());
  EXPECT_FALSE(qobject_cast<QRadioButton*>(dialog.Control(1004))->isChecked());
  for (const int id : {1001, 1011, 1020, 1007, 1008, 1009, 1010, 1, 2})
    EXPECT_TRUE(dialog.Control(id)->isEnabled()) << id;
  for (const int id : {1005, 1006})
    EXPECT_FALSE(dialog.Control(id)->isEnabled()) << id;
  for (const int id : {1001, 1005, 1007, 1009})
    EXPECT_EQ(Edit(id).text(), "") << id;
  EXPECT_EQ(Edit(1001).maxLength(), 255);
  EXPECT_EQ(Edit(1009).maxLength(), 2048);
  EXPECT_TRUE(qobject_cast<QPushButton*>(dialog.Control(1))->isDefault());
  EXPECT_EQ(Button(1).text(), "Konvertieren...");
  EXPECT_EQ(Button(2).text(), "Beenden");
  EXPECT_FALSE(Button(1020).icon().isNull());
  EXPECT_FALSE(dialog.windowIcon().isNull());
  EXPECT_TRUE(m_fakes.store.m_writes.empty());
}

TEST_F(MainDlgTest, MenuToolTipsAndTabOrderAreTheWindowsOwn)
{
  CMainDlg& dialog = Open();

  const std::vector<std::pair<std::string, int>> menu = {{"&Programm/&Einstellungen...", 32772},
                                                         {"&Programm/&Beenden\tAlt+F4", 57665},
                                                         {"&?/Inf&o über Lexoria...", 57664}};
  EXPECT_EQ(MenuItems(), menu);

  const std::pair<int, const char*> tips[] = {
      {1002, "PubMed-ID (Online-Import)"}, {1004, "Medline-Datei (Offline-Import)"},
      {1006, "Medline-Datei wählen..."},   {1008, "Vorlage wählen..."},
      {1010, "Bibliothek-Datei wählen..."}, {1011, "PubMed-Artikel suchen..."},
      {1020, "Artikel mit PubMed-Homepage öffnen"}, {1001, ""}, {1009, ""}, {1, ""}};
  for (const auto& [id, tip] : tips)
    EXPECT_EQ(dialog.Control(id)->toolTip(), QString::fromUtf8(tip)) << id;

  std::vector<int> order;
  QWidget* widget = dialog.Control(1002);
  do {
    // Every control in chain order (Tab itself stops only at the checked radio button).
    const int id = widget->property("controlId").toInt();
    if (id > 0 && widget != &dialog)
      order.push_back(id);
    widget = widget->nextInFocusChain();
  } while (widget != dialog.Control(1002));
  const std::vector<int> expected = {1002, 1004, 1001, 1005, 1006, 1011, 1020, 1007, 1008, 1009, 1010, 1, 2};
  EXPECT_EQ(order, expected);
}

TEST_F(MainDlgTest, StoredSourceChoiceSetsTheRadiosAndTheEnabling)
{
  struct Case {
    int stored;
    bool pmidChecked;
    bool fileChecked;
  };
  for (const Case c : {Case{1, false, true}, Case{5, false, false}}) {
    m_fakes.store.WriteProfileInt("Settings", "ImportFormat", c.stored);
    CMainDlg& dialog = Open();

    EXPECT_EQ(qobject_cast<QRadioButton*>(dialog.Control(1002))->isChecked(), c.pmidChecked) << c.stored;
    EXPECT_EQ(qobject_cast<QRadioButton*>(dialog.Control(1004))->isChecked(), c.fileChecked) << c.stored;
    for (const int id : {1001, 1011, 1020})
      EXPECT_FALSE(dialog.Control(id)->isEnabled()) << c.stored << " " << id;
    for (const int id : {1005, 1006})
      EXPECT_TRUE(dialog.Control(id)->isEnabled()) << c.stored << " " << id;
  }
}

TEST_F(MainDlgTest, ClickingFileAndClosingLeavesTheStoredChoice)
{
  m_fakes.store.WriteProfileInt("Settings", "ImportFormat", 0);
  m_fakes.store.m_writes.clear();
  CMainDlg& dialog = Open();

  QTest::mouseClick(dialog.Control(1004), Qt::LeftButton);
  EXPECT_TRUE(dialog.Control(1005)->isEnabled());
  EXPECT_FALSE(dialog.Control(1001)->isEnabled());
  EXPECT_EQ(dialog.Logic().m_inputs.m_nImportFormat, 0) << "the click only enables";
  QTest::mouseClick(dialog.Control(2), Qt::LeftButton);

  EXPECT_FALSE(dialog.isVisible());
  EXPECT_TRUE(m_fakes.store.m_writes.empty());
  EXPECT_EQ(m_fakes.store.GetProfileInt("Settings", "ImportFormat", -1), 0);
}

TEST_F(MainDlgTest, EveryWayOutClosesWithoutSaving)
{
  const std::vector<std::function<void(CMainDlg&)>> ways = {
      [](CMainDlg& dialog) { QTest::keyClick(&dialog, Qt::Key_Escape); },
      [](CMainDlg& dialog) { dialog.close(); },
      [this](CMainDlg&) { MenuItem(57665).trigger(); },
  };
  for (const auto& way : ways) {
    CMainDlg& dialog = Open();
    QTest::keyClicks(&Edit(1001), "123");
    way(dialog);
    EXPECT_FALSE(dialog.isVisible());
  }
  EXPECT_TRUE(m_fakes.store.m_writes.empty());
}

TEST_F(MainDlgTest, ConvertLeavesTheWindowOpen)
{
  CMainDlg& dialog = Open();
  QTest::keyClicks(&Edit(1001), "123");

  QTest::keyClick(&Edit(1001), Qt::Key_Return);  // Enter presses "Konvertieren..."
  QTest::mouseClick(dialog.Control(1), Qt::LeftButton);

  EXPECT_TRUE(dialog.isVisible());
  ASSERT_EQ(m_fakes.messages.m_shown.size(), 2u);
  EXPECT_EQ(m_fakes.messages.m_shown[1].text, "Sie haben nicht alle erforderlichen Felder ausgefüllt.");
  EXPECT_EQ(m_fakes.messages.m_shown[1].owner, &dialog);
  EXPECT_EQ(m_fakes.store.GetProfileString("Settings", "PubMedID", ""), "123");
}

TEST_F(MainDlgTest, CancellingAChooserKeepsTheTypedTextOfEveryField)
{
  for (const int browse : {1010, 1008}) {
    CMainDlg& dialog = Open();
    QTest::keyClicks(&Edit(1001), "4711");
    QTest::keyClicks(&Edit(1007), "my.sty");
    QTest::keyClicks(&Edit(1009), "my.bib");

    QTest::mouseClick(dialog.Control(browse), Qt::LeftButton);

    EXPECT_EQ(Edit(1001).text(), "4711") << browse;
    EXPECT_EQ(Edit(1007).text(), "my.sty") << browse;
    EXPECT_EQ(Edit(1009).text(), "my.bib") << browse;
  }
  ASSERT_EQ(m_fakes.files.m_requests.size(), 2u);
  EXPECT_EQ(m_fakes.files.m_requests[0].defaultExtension, "bib");
  EXPECT_EQ(m_fakes.files.m_requests[1].defaultExtension, "sty");
}

TEST_F(MainDlgTest, AChosenFileLandsInItsFieldAndTheGlobeOpensTheTypedPmid)
{
  CMainDlg& dialog = Open();
  m_fakes.files.m_answer = "/tmp/neu.bib";
  QTest::keyClicks(&Edit(1001), "31415");

  QTest::mouseClick(dialog.Control(1010), Qt::LeftButton);
  QTest::mouseClick(dialog.Control(1020), Qt::LeftButton);

  EXPECT_EQ(Edit(1009).text(), "/tmp/neu.bib");
  EXPECT_EQ(Edit(1001).text(), "31415");
  ASSERT_EQ(m_fakes.browser.m_opened.size(), 1u);
  EXPECT_EQ(m_fakes.browser.m_opened[0],
            "https://www.ncbi.nlm.nih.gov/entrez/query.fcgi?cmd=Retrieve&db=pubmed&dopt=Abstract&list_uids=31415");
}

// The settings dialog from the menu, worked by `answer` (the question's answer,
// or 0 for "Abbrechen" at once) and `defaultsFirst`.
struct SettingsCase {
  const char* name;
  bool defaultsFirst;
  int answer;
  bool stored;
};

class MainDlgSettingsTest : public MainDlgTest, public ::testing::WithParamInterface<SettingsCase> {};

TEST_P(MainDlgSettingsTest, OnlyOkAndYesTakesOverAndStores)
{
  const SettingsCase& c = GetParam();
  m_fakes.store.WriteProfileString("Schema", "StartJournal", "<J>");
  m_fakes.store.m_writes.clear();
  CMainDlg& dialog = Open();
  QTest::keyClicks(&Edit(1001), "typed, not used");
  if (c.answer)
    m_fakes.messages.ScriptAnswer(c.answer);

  bool questionLeftItOpen = false;
  QString journalShown;
  WhenModal([&](QWidget& settings) {
    auto& journal = *qobject_cast<QLineEdit*>(FindControl(settings, 1026));
    if (c.defaultsFirst)
      ButtonByText(settings, "Standardwerte")->click();
    journalShown = journal.text();
    if (c.answer) {
      journal.setText(journal.text() + "!");
      ButtonByText(settings, "OK")->click();
    }
    if (settings.isVisible()) {
      questionLeftItOpen = c.answer != 0;
      ButtonByText(settings, "Abbrechen")->click();
    }
  });
  MenuItem(32772).trigger();

  const QString before = c.defaultsFirst ? "<Item Name=\"Source\" Type=\"String\">" : "<J>";
  EXPECT_EQ(journalShown, before);
  EXPECT_EQ(questionLeftItOpen, c.answer == IDCANCEL);
  EXPECT_EQ(m_fakes.messages.m_shown.size(), c.answer ? 1u : 0u);
  const std::string inForce = c.stored ? before.toStdString() + "!" : "<J>";
  EXPECT_EQ(dialog.Logic().m_schema.m_strStartJournal, inForce);
  EXPECT_EQ(m_fakes.store.m_writes.size(), c.stored ? 23u : 0u);
  EXPECT_EQ(m_fakes.store.GetProfileString("Schema", "StartJournal", ""), inForce);
  EXPECT_EQ(Edit(1001).text(), "") << "the members go back to the controls";
}

INSTANTIATE_TEST_SUITE_P(
    Endings, MainDlgSettingsTest,
    ::testing::Values(SettingsCase{"OkYes", false, IDYES, true}, SettingsCase{"OkNo", false, IDNO, false},
                      SettingsCase{"OkCancelThenAbbrechen", false, IDCANCEL, false},
                      SettingsCase{"DefaultsThenAbbrechen", true, 0, false},
                      SettingsCase{"DefaultsThenOkYes", true, IDYES, true}),
    [](const ::testing::TestParamInfo<SettingsCase>& row) { return std::string(row.param.name); });

TEST_F(MainDlgTest, TheHelpMenuOpensTheAboutBox)
{
  Open();
  QString title;
  QString licence;
  WhenModal([&](QWidget& about) {
    title = about.windowTitle();
    for (QLabel* label : about.findChildren<QLabel*>())
      if (label->text().contains("MIT"))
        licence = label->text();
    ButtonByText(about, "OK")->click();
  });
  MenuItem(57664).trigger();

  EXPECT_EQ(title, "Info über Lexoria");
  EXPECT_FALSE(licence.isEmpty());
}

}  // namespace
