#include "settings/ui/SettingsDlg.h"

#include "tests/support/FakeMessageBox.h"
#include "tests/ui/ModalDialogs.h"

#include <QLabel>
#include <QLineEdit>
#include <QTest>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

CImportSchema Defaults()
{
  CImportSchema schema;
  schema.SetDefaults();
  return schema;
}

class SettingsDlgTest : private CWithTestApplication, public ::testing::Test {
protected:

  QLineEdit& Edit(int id) { return *qobject_cast<QLineEdit*>(m_dialog.Control(id)); }

  CFakeMessageBox m_messages;
  CSettingsDlg m_dialog{nullptr, Defaults(), m_messages};
};

TEST_F(SettingsDlgTest, RowsShowTheirMarkersWithTheirLimits)
{
  EXPECT_EQ(m_dialog.windowTitle(), "Einstellungen");
  EXPECT_EQ(Edit(1026).text(), "<Item Name=\"Source\" Type=\"String\">");
  EXPECT_EQ(Edit(1031).text(), "</Item>");
  EXPECT_EQ(Edit(1039).text(), "<Item Name=\"doi\" Type=\"String\">");
  EXPECT_EQ(Edit(1040).text(), "</Item>");
  EXPECT_EQ(Edit(1045).text().toStdString(), Defaults().m_strCommandURL);
  for (int id = 1023; id <= 1042; ++id)
    EXPECT_EQ(Edit(id).maxLength(), 255) << id;
  for (const int id : {1043, 1044, 1045})
    EXPECT_EQ(Edit(id).maxLength(), 1024) << id;
  EXPECT_EQ(qobject_cast<QLabel*>(m_dialog.findChild<QLabel*>("labelJournal"))->buddy(), &Edit(1026));
}

TEST_F(SettingsDlgTest, TabOrderRunsRowByRowThenTheButtons)
{
  m_dialog.show();
  std::vector<int> order;
  QWidget* widget = &Edit(1023);
  do {
    const int id = widget->property("controlId").toInt();
    if (id > 0 && widget != &m_dialog)
      order.push_back(id);
    widget = widget->nextInFocusChain();
  } while (widget != &Edit(1023));
  const std::vector<int> expected = {1023, 1024, 1025, 1030, 1026, 1031, 1027, 1032, 1028, 1033,
                                     1029, 1034, 1035, 1036, 1037, 1038, 1039, 1040, 1041, 1042,
                                     1043, 1044, 1045, 1,    3,    2};
  EXPECT_EQ(order, expected);
}

TEST_F(SettingsDlgTest, AValueLongerThanItsLimitIsShownAndKeptWhole)
{
  CImportSchema schema = Defaults();
  schema.m_strStartTitle = std::string(300, 'x');
  schema.m_strEndTitle = "caf\xe9";  // Windows-1252 bytes stay as they were
  CSettingsDlg dialog(nullptr, schema, m_messages);
  m_messages.ScriptAnswer(IDYES);

  dialog.OnOK();

  EXPECT_EQ(dialog.Result().m_strStartTitle, std::string(300, 'x'));
  EXPECT_EQ(dialog.Result().m_strEndTitle, "caf\xe9");
  EXPECT_EQ(dialog.result(), IDYES);
}

TEST_F(SettingsDlgTest, EndsWithTheAgreedCodes)
{
  struct Case {
    const char* name;
    std::function<void(CSettingsDlg&, CFakeMessageBox&)> work;
    int result;
  };
  const Case cases[] = {
      {"Yes", [](CSettingsDlg& d, CFakeMessageBox& m) { m.ScriptAnswer(IDYES); ButtonByText(d, "OK")->click(); }, IDYES},
      {"No", [](CSettingsDlg& d, CFakeMessageBox& m) { m.ScriptAnswer(IDNO); ButtonByText(d, "OK")->click(); }, IDNO},
      {"Enter", [](CSettingsDlg& d, CFakeMessageBox& m) { m.ScriptAnswer(IDYES); QTest::keyClick(d.Control(1023), Qt::Key_Return); }, IDYES},
      {"Abbrechen", [](CSettingsDlg& d, CFakeMessageBox&) { ButtonByText(d, "Abbrechen")->click(); }, IDCANCEL},
      {"Escape", [](CSettingsDlg& d, CFakeMessageBox&) { QTest::keyClick(&d, Qt::Key_Escape); }, IDCANCEL},
      {"CloseBox", [](CSettingsDlg& d, CFakeMessageBox&) { d.close(); }, IDCANCEL},
  };
  for (const Case& c : cases) {
    CFakeMessageBox messages;
    CSettingsDlg dialog(nullptr, Defaults(), messages);
    WhenModal([&](QWidget&) { c.work(dialog, messages); });
    EXPECT_EQ(dialog.DoModal(), c.result) << c.name;
    if (!messages.m_shown.empty()) {
      EXPECT_EQ(messages.m_shown[0].owner, &dialog) << c.name;
    }
  }
}

}  // namespace
