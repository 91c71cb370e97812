#include "app/PreviewDecisions.h"

#include "tests/support/CaseName.h"
#include "tests/support/FakeMessageBox.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

namespace {

// Control lengths as plain values; the focus is recorded.
class CFakePreviewForm : public IPreviewForm {
public:
  int FieldLength(unsigned controlId) const override
  {
    const auto found = m_lengths.find(controlId);
    return found == m_lengths.end() ? 0 : found->second;
  }
  void FocusField(unsigned controlId) override { m_focus.push_back(controlId); }

  std::map<unsigned, int> m_lengths;
  std::vector<unsigned> m_focus;
};

std::string Describe(const MessageBoxRequest& request)
{
  static const char* const kIcons[] = {"error", "information", "question"};
  static const char* const kButtons[] = {"OK", "Yes/No", "Yes/No/Cancel"};
  return request.title + " (" + kIcons[static_cast<int>(request.icon)] + ", " +
         kButtons[static_cast<int>(request.buttons)] + "): " + request.text;
}

std::vector<std::string> Shown(const CFakeMessageBox& boxes)
{
  std::vector<std::string> shown;
  for (const MessageBoxRequest& request : boxes.m_shown)
    shown.push_back(Describe(request));
  return shown;
}

const std::string kTooLong = "Fehler (error, OK): Bitte geben Sie nicht mehr als 1024 Zeichen ein.";
const std::string kNoteTooLong = "Fehler (error, OK): Bitte geben Sie nicht mehr als 16384 Zeichen ein.";
const std::string kQuestion =
    "Sind Sie sicher? (question, Yes/No/Cancel): Soll der Datensatz gespeichert werden?\n"
    "(Die Zieldatei wird dabei verändert!)";

struct ValidationCase {
  std::string name;
  std::map<unsigned, int> lengths;
  bool valid;
  std::vector<std::string> boxes;
  std::vector<unsigned> focus;
};

const ValidationCase kValidationCases[] = {
    {"EveryFieldAtItsLimit",
     {{1012, 1024}, {1013, 1024}, {1014, 1024}, {1015, 1024}, {1016, 1024}, {1017, 1024},
      {1018, 1024}, {1019, 1024}, {1020, 1024}, {1023, 16384}, {1025, 1024}},
     true, {}, {}},
    {"AuthorsOneOver", {{1012, 1025}}, false, {kTooLong}, {1012}},
    {"YearOneOver", {{1014, 1025}}, false, {kTooLong}, {1014}},
    {"NoteLongerThanAFieldButWithinItsLimit", {{1023, 16384}}, true, {}, {}},
    {"NoteOneOver", {{1023, 16385}}, false, {kNoteTooLong}, {1023}},
    // One message for the first field in exchange order: the title before the year.
    {"TwoOverOnlyFirstReported", {{1014, 5000}, {1016, 2000}}, false, {kTooLong}, {1016}},
};

class PreviewValidation : public testing::TestWithParam<ValidationCase> {};

TEST_P(PreviewValidation, ReportsTheFirstOverlongFieldAndFocusesIt)
{
  CFakePreviewForm form;
  form.m_lengths = GetParam().lengths;
  CFakeMessageBox boxes;

  EXPECT_EQ(ValidatePreviewFields(form, boxes), GetParam().valid);

  EXPECT_EQ(Shown(boxes), GetParam().boxes);
  EXPECT_EQ(form.m_focus, GetParam().focus);
}

INSTANTIATE_TEST_SUITE_P(Limits, PreviewValidation, testing::ValuesIn(kValidationCases),
                         CaseName<ValidationCase>);

struct OkCase {
  std::string name;
  bool overlong;
  int answer;
  PreviewCommand command;
  std::vector<std::string> boxes;
};

const OkCase kOkCases[] = {
    {"YesAccepts", false, IDYES, PreviewCommand::Accept, {kQuestion}},
    {"NoRejects", false, IDNO, PreviewCommand::Reject, {kQuestion}},
    {"CancelStays", false, IDCANCEL, PreviewCommand::Stay, {kQuestion}},
    // A failed check is reported, then asked about all the same; Yes checks again.
    {"OverlongYesStays", true, IDYES, PreviewCommand::Stay, {kTooLong, kQuestion, kTooLong}},
    {"OverlongNoRejects", true, IDNO, PreviewCommand::Reject, {kTooLong, kQuestion}},
    {"OverlongCancelStays", true, IDCANCEL, PreviewCommand::Stay, {kTooLong, kQuestion}},
};

class PreviewOk : public testing::TestWithParam<OkCase> {};

TEST_P(PreviewOk, AsksAndFollowsTheAnswer)
{
  CFakePreviewForm form;
  if (GetParam().overlong)
    form.m_lengths[1013] = 1500;
  CFakeMessageBox boxes;
  if (GetParam().overlong)
    boxes.ScriptAnswer(IDOK);
  boxes.ScriptAnswer(GetParam().answer);

  EXPECT_EQ(DecidePreviewOk(form, boxes), GetParam().command);

  EXPECT_EQ(Shown(boxes), GetParam().boxes);
}

INSTANTIATE_TEST_SUITE_P(Answers, PreviewOk, testing::ValuesIn(kOkCases), CaseName<OkCase>);

}  // namespace
