#include "cli/StreamMessageBox.h"

#include <gtest/gtest.h>

#include <sstream>

namespace {

// Each box prints its text alone on a line and answers as closing it would.
TEST(StreamMessageBox, PrintsTextAndAnswersAsClosing)
{
  struct Row {
    MsgButtons buttons;
    MsgIcon icon;
    int answer;
  };
  const Row rows[] = {
      {MsgButtons::Ok, MsgIcon::Error, IDOK},
      {MsgButtons::YesNo, MsgIcon::Question, IDNO},
      {MsgButtons::YesNoCancel, MsgIcon::Question, IDCANCEL},
  };
  for (const Row& row : rows) {
    std::ostringstream err;
    CStreamMessageBox box(err);
    EXPECT_EQ(box.Show({"Fehler beim \xC3\x96""ffnen von \"x\".", "Fehler", row.icon, row.buttons}),
              row.answer);
    EXPECT_EQ(err.str(), "Fehler beim \xC3\x96""ffnen von \"x\".\n");
  }
}

}  // namespace
