#include "platform/ui/LineEditText.h"
#include "platform/ui/QtBrowser.h"
#include "platform/ui/QtFileChooser.h"

#include "tests/support/FakeMessageBox.h"
#include "tests/ui/ModalDialogs.h"

#include <QLineEdit>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <fstream>

namespace {

TEST(QtNameFiltersTest, KeepTheNamesAndCarryThePatternsForQt)
{
  struct Case {
    std::string filter;
    QStringList expected;
  };
  const Case cases[] = {
      {"BibTeX-Dateien (*.bib)|*.bib|HTML-Dateien (*.htm; *.html)|*.htm;*.html|Alle Dateien (*.*)|*.*||",
       {"BibTeX-Dateien (*.bib) (*.bib)", "HTML-Dateien (*.htm; *.html) (*.htm *.html)",
        "Alle Dateien (*.*) (*)"}},
      {"Text-Dateien (*.txt)|*.txt|Alle Dateien (*.*)|*.*||",
       {"Text-Dateien (*.txt) (*.txt)", "Alle Dateien (*.*) (*)"}},
      {"Ohne Ende|*.x", {"Ohne Ende (*.x)"}},
      {"", {}},
  };
  for (const Case& c : cases)
    EXPECT_EQ(QtNameFilters(c.filter), c.expected) << c.filter;
}

TEST(BrowsableUrlTest, OnlyWebAddressesReachTheDesktop)
{
  struct Case {
    std::string url;
    QString expected;  // empty: refused
  };
  const Case cases[] = {
      {"https://pubmed.example/?list_uids=12345", "https://pubmed.example/?list_uids=12345"},
      {"http://pubmed.example/?list_uids=a b", "http://pubmed.example/?list_uids=a%20b"},
      {"https://pubmed.example/?list_uids=1;xdg-open /bin/sh", "https://pubmed.example/?list_uids=1;xdg-open%20/bin/sh"},
      {"file:///usr/share/applications/evil.desktop", ""},
      {"/bin/sh", ""},
      {"javascript:alert(1)", ""},
      {"12345", ""},
  };
  TestApplication();
  for (const Case& c : cases)
    EXPECT_EQ(BrowsableUrl(c.url).toString(QUrl::FullyEncoded), c.expected) << c.url;
}

TEST(LineEditTextTest, UneditedBytesComeBackAndLongValuesAreNotCut)
{
  TestApplication();
  QLineEdit edit;
  CLineEditText text(edit, 5);
  for (const std::string& bytes : {std::string("M\xfcller"), std::string("Müller"), std::string(12, 'x')}) {
    text.Show(bytes);
    EXPECT_EQ(text.Take(), bytes);
  }
  text.Show("abc");
  edit.setText("abcdefgh");  // typing stops at the limit
  EXPECT_EQ(text.Take(), "abcde");
}

class FileChooserDialogTest : public ::testing::Test {
protected:
  FileChooserDialogTest() { TestApplication(); }

  QTemporaryDir m_dir;
  CFakeMessageBox m_messages;
};

TEST_F(FileChooserDialogTest, ANewTargetIsAcceptedAfterYesWithoutCreatingIt)
{
  struct Case {
    const char* name;
    bool createPrompt;
    bool exists;
    int answer;
    bool accepted;
    std::size_t questions;
  };
  const Case cases[] = {
      {"new.bib", true, false, IDYES, true, 1}, {"new.bib", true, false, IDNO, false, 1},
      {"old.bib", true, true, 0, true, 0},      {"new.bib", false, false, 0, true, 0},
      {"*.bib", true, false, 0, false, 0},
  };
  for (const Case& c : cases) {
    CFakeMessageBox messages;
    if (c.answer)
      messages.ScriptAnswer(c.answer);
    const QString path = m_dir.filePath(c.name);
    if (c.exists)
      std::ofstream(path.toStdString()) << "x";
    CFileChooserDialog dialog({"BibTeX-Dateien (*.bib)|*.bib||", "bib", "*.bib", c.createPrompt}, messages);
    dialog.setDirectory(m_dir.path());
    dialog.selectFile(path);

    dialog.accept();

    EXPECT_EQ(dialog.result() == QDialog::Accepted, c.accepted) << c.name << c.createPrompt << c.answer;
    ASSERT_EQ(messages.m_shown.size(), c.questions);
    if (c.questions) {
      EXPECT_EQ(messages.m_shown[0].text,
                path.toStdString() + "\nDiese Datei ist nicht vorhanden.\n\nSoll sie erstellt werden?");
      EXPECT_EQ(messages.m_shown[0].title, "Öffnen");
      EXPECT_EQ(messages.m_shown[0].icon, MsgIcon::Question);
      EXPECT_EQ(messages.m_shown[0].buttons, MsgButtons::YesNo);
      EXPECT_EQ(messages.m_shown[0].owner, &dialog);
    }
    if (c.accepted) {
      EXPECT_EQ(dialog.selectedFiles(), QStringList{path});
    }
    EXPECT_EQ(QFileInfo::exists(m_dir.filePath("new.bib")), false);
  }
}

}  // namespace
