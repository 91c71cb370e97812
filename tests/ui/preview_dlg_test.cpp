#include "app/ui/PreviewDlg.h"

#include "platform/StringTable.h"
#include "platform/ui/QtBusyCursor.h"
#include "tests/support/CaseName.h"
#include "tests/support/FakeMessageBox.h"
#include "tests/support/MessageBoxChecks.h"
#include "tests/support/RecordBuilder.h"
#include "tests/ui/ModalDialogs.h"

#include <QGroupBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// Every field different; the authors in Windows-1252, the title in UTF-8,
// the note over two lines with a tab.
CArticleRecord SampleRecord()
{
  return MakeRecord({{&CArticleRecord::m_strAuthors, "M\xe4rz, W and Str\xf6her, U"},
                     {&CArticleRecord::m_strCiteKey, "M\xe4rz2015"},
                     {&CArticleRecord::m_strIssue, "Database issue"},
                     {&CArticleRecord::m_strJournal, "N Engl J Med"},
                     {&CArticleRecord::m_strLanguage, "English"},
                     {&CArticleRecord::m_strNote, "First line\n\tsecond line"},
                     {&CArticleRecord::m_strPages, "188-91"},
                     {&CArticleRecord::m_strTitle, "Vis-\xc3\xa0-vis  the \xe2\x80\x9cquoted\xe2\x80\x9d "},
                     {&CArticleRecord::m_strURL, "https://doi.org/10.1/x"},
                     {&CArticleRecord::m_strVolume, "92"},
                     {&CArticleRecord::m_strYear, "2015"}});
}

// Types text that may hold characters without a key of their own.
void Type(QWidget* widget, const QString& text)
{
  for (const QChar ch : text)
    QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(ch), Qt::NoModifier);
}

QString Shown(const CPreviewDlg& dialog, unsigned controlId)
{
  QWidget* control = dialog.Control(controlId);
  if (auto* line = qobject_cast<QLineEdit*>(control))
    return line->text();
  if (auto* note = qobject_cast<QPlainTextEdit*>(control))
    return note->toPlainText();
  return "(no such edit)";
}

QLineEdit* Line(const CPreviewDlg& dialog, unsigned controlId)
{
  return qobject_cast<QLineEdit*>(dialog.Control(controlId));
}

QPushButton* Button(const CPreviewDlg& dialog, unsigned controlId)
{
  return qobject_cast<QPushButton*>(dialog.Control(controlId));
}

const MessageBoxRequest kQuestion{"Soll der Datensatz gespeichert werden?\n(Die Zieldatei wird dabei verändert!)",
                                  "Sind Sie sicher?", MsgIcon::Question, MsgButtons::YesNoCancel};
const MessageBoxRequest kTooLong{"Bitte geben Sie nicht mehr als 1024 Zeichen ein.", "Fehler", MsgIcon::Error,
                                 MsgButtons::Ok};

class PreviewDlgTest : public testing::Test {
protected:
  void SetUp() override { TestApplication(); }
  CFakeMessageBox m_boxes;
};

TEST_F(PreviewDlgTest, ShowsTheElevenValuesUnchangedWithTheFocusInTheCiteKey)
{
  CPreviewDlg dialog(nullptr, SampleRecord(), m_boxes);
  dialog.show();

  EXPECT_EQ(dialog.windowTitle(), "Vorschau");
  EXPECT_EQ(dialog.findChild<QGroupBox*>()->title(), "Datensatz");
  const struct {
    unsigned id;
    QString text;
  } expected[] = {
      {1012, "März, W and Ströher, U"}, {1013, "März2015"},       {1019, "Database issue"},
      {1015, "N Engl J Med"},           {1025, "English"},        {1023, "First line\n\tsecond line"},
      {1017, "188-91"},                 {1016, "Vis-à-vis  the “quoted” "}, {1020, "https://doi.org/10.1/x"},
      {1018, "92"},                     {1014, "2015"},
  };
  for (const auto& field : expected)
    EXPECT_EQ(Shown(dialog, field.id), field.text) << field.id;
  EXPECT_EQ(dialog.focusWidget(), dialog.Control(1013));
  EXPECT_EQ(Button(dialog, 1)->text(), "Übernehmen");
  EXPECT_EQ(Button(dialog, 2)->text(), "Abbrechen");
  EXPECT_FALSE(Button(dialog, 1)->isDefault());
  EXPECT_FALSE(Button(dialog, 2)->isDefault());
}

TEST_F(PreviewDlgTest, TabOrderFollowsTheRowsThenTheButtons)
{
  CPreviewDlg dialog(nullptr, SampleRecord(), m_boxes);
  std::vector<unsigned> order;
  QWidget* widget = dialog.Control(1013);
  do {
    if (widget->property("controlId").isValid() && widget->focusPolicy() & Qt::TabFocus)
      order.push_back(widget->property("controlId").toUInt());
    widget = widget->nextInFocusChain();
  } while (widget != dialog.Control(1013));

  EXPECT_EQ(order, (std::vector<unsigned>{1013, 1012, 1016, 1015, 1017, 1018, 1019, 1014, 1025, 1020, 1023, 1, 2}));
}

TEST_F(PreviewDlgTest, ConfirmedUneditedValuesComeBackByteForByte)
{
  m_boxes.ScriptAnswer(IDYES);
  CPreviewDlg dialog(nullptr, SampleRecord(), m_boxes);
  WhenModal([&](QWidget&) { Button(dialog, 1)->click(); });

  EXPECT_EQ(dialog.DoModal(), IDOK);

  EXPECT_EQ(DescribeRecord(dialog.GetRecord()), DescribeRecord(SampleRecord()));
  ExpectBoxes(m_boxes, {kQuestion});
  EXPECT_EQ(m_boxes.m_shown[0].owner, &dialog);
}

TEST_F(PreviewDlgTest, EditedValuesComeBackInTheEncodingTheyWereShownIn)
{
  m_boxes.ScriptAnswer(IDYES);
  CPreviewDlg dialog(nullptr, SampleRecord(), m_boxes);
  dialog.show();
  Line(dialog, 1012)->end(false);
  Type(Line(dialog, 1012), QString::fromUtf8(" and Baş M"));
  Line(dialog, 1016)->end(false);
  Type(Line(dialog, 1016), QString::fromUtf8("ä"));
  auto* note = qobject_cast<QPlainTextEdit*>(dialog.Control(1023));
  note->moveCursor(QTextCursor::End);
  QTest::keyClicks(note, "!");

  Button(dialog, 1)->click();

  ASSERT_EQ(dialog.result(), QDialog::Accepted);
  CArticleRecord expected = SampleRecord();
  // "ş" has no Windows-1252 byte.
  expected.m_strAuthors = "M\xe4rz, W and Str\xf6her, U and Ba? M";
  expected.m_strTitle += "\xc3\xa4";
  expected.m_strNote += "!";
  EXPECT_EQ(DescribeRecord(dialog.GetRecord()), DescribeRecord(expected));
}

TEST_F(PreviewDlgTest, AnOverlongFieldIsShownInFullButConfirmedOnlyWhenShortened)
{
  CArticleRecord record = SampleRecord();
  record.m_strAuthors.assign(1500, 'a');
  CPreviewDlg dialog(nullptr, record, m_boxes);
  dialog.show();
  QLineEdit* authors = Line(dialog, 1012);
  ASSERT_EQ(authors->text().size(), 1500);

  // Typing cannot lengthen it again once it shrank.
  authors->end(false);
  QTest::keyClick(authors, Qt::Key_Backspace);
  QTest::keyClicks(authors, "zz");
  EXPECT_EQ(authors->text().size(), 1499);

  m_boxes.ScriptAnswer(IDOK);
  m_boxes.ScriptAnswer(IDYES);
  m_boxes.ScriptAnswer(IDOK);
  dialog.Control(1013)->setFocus();
  Button(dialog, 1)->click();
  EXPECT_TRUE(dialog.isVisible());
  ExpectBoxes(m_boxes, {kTooLong, kQuestion, kTooLong});
  EXPECT_EQ(dialog.focusWidget(), authors);

  authors->selectAll();
  QTest::keyClicks(authors, "Kurz, K");
  m_boxes.m_shown.clear();
  m_boxes.ScriptAnswer(IDYES);
  Button(dialog, 1)->click();

  EXPECT_EQ(dialog.result(), QDialog::Accepted);
  ExpectBoxes(m_boxes, {kQuestion});
  EXPECT_EQ(dialog.m_strAuthors, "Kurz, K");
}

TEST_F(PreviewDlgTest, TypingStopsAtTheLimits)
{
  CArticleRecord record;
  record.m_strTitle.assign(1023, 't');
  record.m_strNote.assign(16383, 'n');
  CPreviewDlg dialog(nullptr, record, m_boxes);
  dialog.show();
  Line(dialog, 1016)->end(false);
  QTest::keyClicks(Line(dialog, 1016), "xyz");
  auto* note = qobject_cast<QPlainTextEdit*>(dialog.Control(1023));
  note->moveCursor(QTextCursor::End);
  QTest::keyClicks(note, "xyz");

  EXPECT_EQ(Shown(dialog, 1016), QString(1023, 't') + "x");
  EXPECT_EQ(Shown(dialog, 1023), QString(16383, 'n') + "x");
}

struct EnterCase {
  std::string name;
  unsigned controlId;
};

// Enter in a one-line field asks (the answer Cancel keeps the dialog open).
const EnterCase kEnterCases[] = {
    {"CiteKey", 1013}, {"Authors", 1012}, {"Title", 1016},    {"Journal", 1015},
    {"Pages", 1017},   {"Volume", 1018},  {"Issue", 1019},    {"Year", 1014},
    {"Language", 1025}, {"URL", 1020},
};

class PreviewEnter : public PreviewDlgTest, public testing::WithParamInterface<EnterCase> {};

TEST_P(PreviewEnter, InAOneLineFieldAsksTheQuestion)
{
  CPreviewDlg dialog(nullptr, SampleRecord(), m_boxes);
  dialog.show();
  QLineEdit* field = Line(dialog, GetParam().controlId);
  const QString before = field->text();

  QTest::keyClick(field, Qt::Key_Return);

  ExpectBoxes(m_boxes, {kQuestion});
  EXPECT_TRUE(dialog.isVisible());
  EXPECT_EQ(field->text(), before);
}

INSTANTIATE_TEST_SUITE_P(Fields, PreviewEnter, testing::ValuesIn(kEnterCases), CaseName<EnterCase>);

TEST_F(PreviewDlgTest, EnterInTheNoteStartsANewLine)
{
  CPreviewDlg dialog(nullptr, SampleRecord(), m_boxes);
  dialog.show();
  auto* note = qobject_cast<QPlainTextEdit*>(dialog.Control(1023));
  note->moveCursor(QTextCursor::End);

  QTest::keyClick(note, Qt::Key_Return);
  QTest::keyClicks(note, "third");

  EXPECT_TRUE(m_boxes.m_shown.empty());
  EXPECT_TRUE(dialog.isVisible());
  EXPECT_EQ(note->toPlainText(), "First line\n\tsecond line\nthird");
}

struct EndCase {
  std::string name;
  void (*act)(CPreviewDlg& dialog);
  std::vector<int> answers;
  int result;
  std::size_t questions;
};

const EndCase kEndCases[] = {
    {"YesAccepts", [](CPreviewDlg& d) { Button(d, 1)->click(); }, {IDYES}, IDOK, 1},
    {"NoCancels", [](CPreviewDlg& d) { Button(d, 1)->click(); }, {IDNO}, IDCANCEL, 1},
    {"CancelThenYes", [](CPreviewDlg& d) {
       Button(d, 1)->click();
       Button(d, 1)->click();
     }, {IDCANCEL, IDYES}, IDOK, 2},
    {"AbbrechenAsksNothing", [](CPreviewDlg& d) { Button(d, 2)->click(); }, {}, IDCANCEL, 0},
    {"EscAsksNothing", [](CPreviewDlg& d) { QTest::keyClick(d.Control(1016), Qt::Key_Escape); }, {}, IDCANCEL, 0},
    {"CloseBoxAsksNothing", [](CPreviewDlg& d) { d.close(); }, {}, IDCANCEL, 0},
};

class PreviewEnds : public PreviewDlgTest, public testing::WithParamInterface<EndCase> {};

TEST_P(PreviewEnds, EndWithTheAgreedResult)
{
  for (const int answer : GetParam().answers)
    m_boxes.ScriptAnswer(answer);
  CPreviewDlg dialog(nullptr, SampleRecord(), m_boxes);
  WhenModal([&](QWidget&) { GetParam().act(dialog); });

  EXPECT_EQ(dialog.DoModal(), GetParam().result);

  EXPECT_EQ(m_boxes.m_shown.size(), GetParam().questions);
}

INSTANTIATE_TEST_SUITE_P(Ends, PreviewEnds, testing::ValuesIn(kEndCases), CaseName<EndCase>);

TEST_F(PreviewDlgTest, TheRunsPreviewHandsBackTheConfirmedRecordOnlyUnderTheArrow)
{
  CQtBusyCursor busy;
  busy.Begin();
  for (const bool confirm : {true, false}) {
    CFakeMessageBox boxes;
    boxes.ScriptAnswer(confirm ? IDYES : IDNO);
    CDialogRecordPreview preview(nullptr, boxes);
    CArticleRecord record = SampleRecord();
    Qt::CursorShape whileShown = Qt::BlankCursor;
    WhenModal([&whileShown](QWidget& modal) {
      whileShown = QApplication::overrideCursor()->shape();
      auto* dialog = qobject_cast<CPreviewDlg*>(&modal);
      Line(*dialog, 1016)->selectAll();
      QTest::keyClicks(Line(*dialog, 1016), "Neu");
      Button(*dialog, 1)->click();
    });

    EXPECT_EQ(preview.Confirm(record), confirm);

    EXPECT_EQ(record.m_strTitle, confirm ? "Neu" : SampleRecord().m_strTitle);
    EXPECT_EQ(whileShown, Qt::ArrowCursor);
    EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
  }
  busy.End();
}

}  // namespace
