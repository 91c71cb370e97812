#include "search/SearchDecisions.h"

#include "platform/MessageBox.h"
#include "tests/support/CaseName.h"
#include "tests/support/FakeMessageBox.h"

#include <gtest/gtest.h>

namespace {

constexpr const char* kNoneSelected = "Es wurde keine PubMed-ID ausgewählt.\nTrotzdem beenden?";
constexpr const char* kTakeOver = "Soll die gewählte PubMed-ID übernommen werden?";

struct OkCase {
  const char* name;
  std::optional<std::string> selected;
  int answer;
  MsgButtons buttons;  // of the question asked
  const char* question;
  bool endDialog;
  int result;
  const char* pubMedID;
};

const OkCase kOkCases[] = {
    {"NoRowYesLeavesWithEmptyPmid", std::nullopt, IDYES, MsgButtons::YesNo, kNoneSelected, true,
     IDYES, ""},
    {"NoRowNoStays", std::nullopt, IDNO, MsgButtons::YesNo, kNoneSelected, false, 0, ""},
    {"RowYesTakesPmidOver", "11850928", IDYES, MsgButtons::YesNoCancel, kTakeOver, true, IDYES,
     "11850928"},
    {"RowNoLeavesWithoutTakingOver", "11850928", IDNO, MsgButtons::YesNoCancel, kTakeOver, true,
     IDNO, "11850928"},
    {"RowCancelStays", "11850928", IDCANCEL, MsgButtons::YesNoCancel, kTakeOver, false, 0,
     "11850928"},
};

class SearchOkTest : public testing::TestWithParam<OkCase> {};

TEST_P(SearchOkTest, AsksOnceAndDecides)
{
  const OkCase& c = GetParam();
  CFakeMessageBox box;
  box.ScriptAnswer(c.answer);

  const CSearchOkDecision decision = DecideSearchOk(box, c.selected);

  ASSERT_EQ(box.m_shown.size(), 1u);
  EXPECT_EQ(box.m_shown[0].title, "Sind Sie sicher?");
  EXPECT_EQ(box.m_shown[0].text, c.question);
  EXPECT_EQ(box.m_shown[0].icon, MsgIcon::Question);
  EXPECT_EQ(box.m_shown[0].buttons, c.buttons);
  EXPECT_EQ(decision.endDialog, c.endDialog);
  if (c.endDialog) {
    EXPECT_EQ(decision.result, c.result);
  }
  EXPECT_EQ(decision.pubMedID, c.pubMedID);
}

INSTANTIATE_TEST_SUITE_P(Cases, SearchOkTest, testing::ValuesIn(kOkCases), CaseName<OkCase>);

}  // namespace
