#include "settings/SettingsDlgLogic.h"

#include "tests/support/FakeMessageBox.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

namespace {

class CFakeSettingsView : public ISettingsView {
public:
  void UpdateData(bool saveAndValidate) override
  {
    m_calls.push_back(saveAndValidate ? "take" : "show");
    if (saveAndValidate)
      m_logic->m_texts = m_edits;
    else
      m_edits = m_logic->m_texts;
  }
  void EndDialog(int result) override { m_calls.push_back("end " + std::to_string(result)); }

  CSettingsDlgLogic* m_logic = nullptr;
  CImportSchema m_edits;
  std::vector<std::string> m_calls;
};

CImportSchema Filled(const std::string& prefix)
{
  CImportSchema schema;
  for (const SettingsField& field : kSettingsFields)
    schema.*field.member = prefix + std::to_string(field.controlId);
  return schema;
}

void ExpectSame(const CImportSchema& actual, const CImportSchema& expected)
{
  for (const SettingsField& field : kSettingsFields)
    EXPECT_EQ(actual.*field.member, expected.*field.member) << "control " << field.controlId;
}

class SettingsDlgLogicTest : public ::testing::Test {
protected:
  SettingsDlgLogicTest() { m_view.m_logic = &m_logic; }

  CFakeSettingsView m_view;
  CFakeMessageBox m_messages;
  CSettingsDlgLogic m_logic{m_view, Filled("in ")};
};

TEST(SettingsFieldsTest, EveryControlEditsItsOwnTextWithTheRowsLimit)
{
  std::set<int> controls;
  std::set<std::string> texts;
  CImportSchema probe = Filled("");
  for (const SettingsField& field : kSettingsFields) {
    controls.insert(field.controlId);
    texts.insert(probe.*field.member);
    EXPECT_EQ(field.limit, field.controlId >= 1043 ? 1024 : 255) << field.controlId;
  }
  EXPECT_EQ(controls.size(), 23u);
  EXPECT_EQ(*controls.begin(), 1023);
  EXPECT_EQ(*controls.rbegin(), 1045);
  EXPECT_EQ(texts.size(), 23u) << "each schema text belongs to exactly one control";
  // Rows pair a start marker (left) with the end marker of the same field (right).
  probe.m_strStartJournal = "left";
  probe.m_strEndJournal = "right";
  for (const SettingsField& field : kSettingsFields) {
    if (field.controlId == 1026) {
      EXPECT_EQ(probe.*field.member, "left");
    }
    if (field.controlId == 1031) {
      EXPECT_EQ(probe.*field.member, "right");
    }
  }
}

TEST_F(SettingsDlgLogicTest, StartsWithTheGivenSchemaAndAnEmptyResult)
{
  ExpectSame(m_logic.m_texts, Filled("in "));
  ExpectSame(m_logic.m_schema, CImportSchema());
}

TEST_F(SettingsDlgLogicTest, DefaultsOverwriteEveryEditAndStoreNothing)
{
  m_view.m_edits = Filled("typed ");
  m_logic.OnDefaults();

  CImportSchema defaults;
  defaults.SetDefaults();
  ExpectSame(m_view.m_edits, defaults);
  EXPECT_EQ(m_view.m_edits.m_strStartURL, "<Item Name=\"doi\" Type=\"String\">");
  EXPECT_EQ(m_view.m_edits.m_strEndURL, "</Item>");
  ExpectSame(m_logic.m_schema, CImportSchema());
  EXPECT_EQ(m_view.m_calls, std::vector<std::string>{"show"});
  EXPECT_TRUE(m_messages.m_shown.empty());
}

TEST_F(SettingsDlgLogicTest, OkAsksAndEndsByTheAnswer)
{
  struct Case {
    int answer;
    std::vector<std::string> calls;
  };
  const Case cases[] = {{IDYES, {"take", "end 6"}}, {IDNO, {"take", "end 7"}}, {IDCANCEL, {"take"}}};
  for (const Case& c : cases) {
    CFakeSettingsView view;
    CFakeMessageBox messages;
    CSettingsDlgLogic logic(view, Filled("in "));
    view.m_logic = &logic;
    view.m_edits = Filled("edited ");
    messages.ScriptAnswer(c.answer);

    logic.OnOK(messages);

    EXPECT_EQ(view.m_calls, c.calls) << c.answer;
    ExpectSame(logic.m_schema, Filled("edited "));
    ExpectSame(logic.m_texts, Filled("edited "));  // Cancel keeps the edits
    ASSERT_EQ(messages.m_shown.size(), 1u);
    const MessageBoxRequest& box = messages.m_shown[0];
    EXPECT_EQ(box.text,
              "Sollen die Einstellungen gespeichert werden?\n(Die bisherigen werden dabei überschrieben!)");
    EXPECT_EQ(box.title, "Sind Sie sicher?");
    EXPECT_EQ(box.icon, MsgIcon::Question);
    EXPECT_EQ(box.buttons, MsgButtons::YesNoCancel);
  }
}

}  // namespace
