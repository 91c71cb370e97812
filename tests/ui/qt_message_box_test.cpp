#include "platform/ui/QtBusyCursor.h"
#include "platform/ui/QtMessageBox.h"

#include "platform/QtText.h"

#include "tests/support/CaseName.h"
#include "tests/ui/ModalDialogs.h"

#include <QAbstractButton>
#include <QKeyEvent>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace {

struct LayoutCase {
  std::string name;
  MessageBoxRequest request;
  QString text;  // as shown
  QMessageBox::Icon icon;
  QStringList buttons;
  QString defaultButton;
  QString escapeButton;
};

const LayoutCase kLayouts[] = {
    {"ErrorOk", {"Fehler beim Öffnen von \"a.sty\".", "Fehler", MsgIcon::Error, MsgButtons::Ok},
     "Fehler beim Öffnen von \"a.sty\".", QMessageBox::Critical, {"OK"}, "OK", "OK"},
    {"InformationOk", {"Der Datensatz wurde erfolgreich nach \"x.bib\" importiert!", "Hinweis",
                       MsgIcon::Information, MsgButtons::Ok},
     "Der Datensatz wurde erfolgreich nach \"x.bib\" importiert!", QMessageBox::Information, {"OK"}, "OK", "OK"},
    {"QuestionYesNo", {"Soll die gewählte PubMed-ID übernommen werden?", "Sind Sie sicher?",
                       MsgIcon::Question, MsgButtons::YesNo},
     "Soll die gewählte PubMed-ID übernommen werden?", QMessageBox::Question, {"Ja", "Nein"}, "Ja", "Nein"},
    {"QuestionYesNoCancel", {"Soll der Datensatz gespeichert werden?\n(Die Zieldatei wird dabei verändert!)",
                             "Sind Sie sicher?", MsgIcon::Question, MsgButtons::YesNoCancel},
     "Soll der Datensatz gespeichert werden?\n(Die Zieldatei wird dabei verändert!)", QMessageBox::Question,
     {"Ja", "Nein", "Abbrechen"}, "Ja", "Abbrechen"},
    // Bytes that are not UTF-8 are shown as Windows-1252; markup stays text.
    {"Windows1252AndMarkup", {"M\xe4rz <b>W</b>", "Fehler", MsgIcon::Error, MsgButtons::Ok},
     "März <b>W</b>", QMessageBox::Critical, {"OK"}, "OK", "OK"},
};

class QtMessageBoxLayout : public testing::TestWithParam<LayoutCase> {
protected:
  void SetUp() override { TestApplication(); }
};

TEST_P(QtMessageBoxLayout, ShowsTitleTextIconAndGermanButtons)
{
  const LayoutCase& row = GetParam();
  const std::unique_ptr<QMessageBox> box = BuildQtMessageBox(row.request);

  EXPECT_EQ(box->windowTitle(), ToQString(row.request.title));
  EXPECT_EQ(box->text(), row.text);
  EXPECT_EQ(box->textFormat(), Qt::PlainText);
  EXPECT_EQ(box->icon(), row.icon);
  QStringList buttons;
  // The layout orders the buttons by platform; the order they were added is the box's own.
  for (QAbstractButton* button : box->buttons())
    buttons << button->text();
  buttons.sort();
  QStringList expected = row.buttons;
  expected.sort();
  EXPECT_EQ(buttons, expected);
  ASSERT_NE(box->defaultButton(), nullptr);
  EXPECT_EQ(box->defaultButton()->text(), row.defaultButton);
  ASSERT_NE(box->escapeButton(), nullptr);
  EXPECT_EQ(box->escapeButton()->text(), row.escapeButton);
  EXPECT_EQ(box->parentWidget(), nullptr);
  EXPECT_EQ(box->windowModality(), Qt::ApplicationModal);
}

INSTANTIATE_TEST_SUITE_P(Kinds, QtMessageBoxLayout, testing::ValuesIn(kLayouts), CaseName<LayoutCase>);

struct AnswerCase {
  std::string name;
  MsgButtons buttons;
  QString press;  // a button's text, or "Esc", or "Close"
  int result;
};

const AnswerCase kAnswers[] = {
    {"OkPressed", MsgButtons::Ok, "OK", IDOK},
    {"OkEsc", MsgButtons::Ok, "Esc", IDOK},
    {"OkClosed", MsgButtons::Ok, "Close", IDOK},
    {"YesNoYes", MsgButtons::YesNo, "Ja", IDYES},
    {"YesNoNo", MsgButtons::YesNo, "Nein", IDNO},
    {"YesNoEsc", MsgButtons::YesNo, "Esc", IDNO},
    {"YesNoClosed", MsgButtons::YesNo, "Close", IDNO},
    {"YesNoCancelYes", MsgButtons::YesNoCancel, "Ja", IDYES},
    {"YesNoCancelNo", MsgButtons::YesNoCancel, "Nein", IDNO},
    {"YesNoCancelCancel", MsgButtons::YesNoCancel, "Abbrechen", IDCANCEL},
    {"YesNoCancelEsc", MsgButtons::YesNoCancel, "Esc", IDCANCEL},
    {"YesNoCancelClosed", MsgButtons::YesNoCancel, "Close", IDCANCEL},
};

class QtMessageBoxAnswer : public testing::TestWithParam<AnswerCase> {
protected:
  void SetUp() override { TestApplication(); }
};

TEST_P(QtMessageBoxAnswer, ReturnsTheButtonPressedOrTheClosingAnswer)
{
  const AnswerCase& row = GetParam();
  QWidget owner;
  owner.show();
  QWidget* shownOwner = nullptr;
  WhenModal([&](QWidget& box) {
    shownOwner = box.parentWidget();
    if (row.press == "Esc")
      QTest::keyClick(&box, Qt::Key_Escape);
    else if (row.press == "Close")
      box.close();
    else
      ButtonByText(box, row.press)->click();
  });

  CQtMessageBox boxes;
  EXPECT_EQ(boxes.Show({"Text", "Titel", MsgIcon::Question, row.buttons, &owner}), row.result);
  EXPECT_EQ(shownOwner, &owner);
}

INSTANTIATE_TEST_SUITE_P(Presses, QtMessageBoxAnswer, testing::ValuesIn(kAnswers), CaseName<AnswerCase>);

TEST(QtBusyCursorTest, NestsOnQtsOverrideCursor)
{
  TestApplication();
  CQtBusyCursor busy;
  ASSERT_EQ(QApplication::overrideCursor(), nullptr);

  busy.Begin();
  busy.Begin();
  ASSERT_NE(QApplication::overrideCursor(), nullptr);
  EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
  busy.End();
  ASSERT_NE(QApplication::overrideCursor(), nullptr);
  EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
  busy.End();
  EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST(QtBusyCursorTest, AMessageBoxShowsTheArrowInsideABusyPhase)
{
  TestApplication();
  CQtBusyCursor busy;
  busy.Begin();
  Qt::CursorShape whileShown = Qt::BlankCursor;
  WhenModal([&](QWidget& box) {
    whileShown = QApplication::overrideCursor()->shape();
    ButtonByText(box, "OK")->click();
  });

  CQtMessageBox().Show({"Text", "Titel", MsgIcon::Error, MsgButtons::Ok});

  EXPECT_EQ(whileShown, Qt::ArrowCursor);
  ASSERT_NE(QApplication::overrideCursor(), nullptr);
  EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
  busy.End();
  EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

}  // namespace
