#include "app/ui/AboutDlg.h"
#include "app/ui/MainDlg.h"
#include "app/ui/PreviewDlg.h"
#include "settings/ui/SettingsDlg.h"

#include "tests/support/FakeServices.h"
#include "tests/ui/ModalDialogs.h"

#include <QAbstractButton>
#include <QDir>
#include <QFontDatabase>
#include <QGroupBox>
#include <QLabel>
#include <QRegularExpression>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace {

QString Shown(QString text)
{
  return text.remove(QRegularExpression("&(?!&)"));  // mnemonics take no room
}

// Every text in `window` that its control cannot show in full.
QStringList CutTexts(QWidget& window)
{
  QStringList cut;
  for (QLabel* label : window.findChildren<QLabel*>()) {
    if (label->text().isEmpty() || !label->isVisible())
      continue;
    const QRect room = label->contentsRect();
    const bool fits = label->wordWrap() ? label->heightForWidth(room.width()) <= room.height()
                                        : label->fontMetrics().horizontalAdvance(Shown(label->text())) <= room.width();
    if (!fits)
      cut << label->text();
  }
  for (QAbstractButton* button : window.findChildren<QAbstractButton*>())
    if (button->isVisible() && !button->text().isEmpty() && button->sizeHint().width() > button->width())
      cut << button->text();
  for (QGroupBox* group : window.findChildren<QGroupBox*>())
    if (group->fontMetrics().horizontalAdvance(Shown(group->title())) + 16 > group->width())
      cut << group->title();
  return cut;
}

CArticleRecord SampleRecord()
{
  CArticleRecord record;
  record.m_strAuthors = "Müller, A and Smith, J";
  record.m_strCiteKey = "Mueller2004";
  record.m_strTitle = "A study of markers";
  record.m_strJournal = "J Biol Chem";
  record.m_strYear = "2004";
  return record;
}

struct Window {
  const char* name;
  std::function<std::unique_ptr<QWidget>(CFakeServices&)> make;
};

class ScreenshotTest : public ::testing::TestWithParam<Window> {
protected:
  ScreenshotTest() { TestApplication(); }
  CFakeServices m_fakes;
};

TEST(ScreenshotFontsTest, DejaVuSansIsAvailable)
{
  TestApplication();
  EXPECT_TRUE(QFontDatabase::families().contains("DejaVu Sans"));
}

TEST_P(ScreenshotTest, RendersWithNoTextCutOff)
{
  std::unique_ptr<QWidget> window = GetParam().make(m_fakes);
  window->show();
  QApplication::processEvents();

  const QString folder = QStringLiteral(LEXORIA_BIN_DIR "/../screenshots");
  QDir().mkpath(folder);
  EXPECT_TRUE(window->grab().save(folder + "/" + GetParam().name + ".png"));
  EXPECT_EQ(CutTexts(*window), QStringList());
}

INSTANTIATE_TEST_SUITE_P(
    Windows, ScreenshotTest,
    ::testing::Values(
        Window{"main", [](CFakeServices& f) -> std::unique_ptr<QWidget> {
                 return std::make_unique<CMainDlg>(nullptr, f.services);
               }},
        Window{"settings", [](CFakeServices& f) -> std::unique_ptr<QWidget> {
                 CImportSchema schema;
                 schema.SetDefaults();
                 return std::make_unique<CSettingsDlg>(nullptr, schema, f.messages);
               }},
        Window{"about", [](CFakeServices&) -> std::unique_ptr<QWidget> { return std::make_unique<CAboutDlg>(nullptr); }},
        Window{"preview", [](CFakeServices& f) -> std::unique_ptr<QWidget> {
                 return std::make_unique<CPreviewDlg>(nullptr, SampleRecord(), f.messages);
               }}),
    [](const ::testing::TestParamInfo<Window>& row) { return std::string(row.param.name); });

}  // namespace
