#include "app/ConverterApp.h"

#include "tests/support/FakeMessageBox.h"

#include <gtest/gtest.h>

namespace {

class CFakePlatform : public IAppPlatform {
public:
  bool InitNetworkLayer() override { return m_networkStarts; }
  void RunMainWindow() override { ++m_windowRuns; }
  IMessageBox& Messages() override { return m_messages; }

  bool m_networkStarts = true;
  int m_windowRuns = 0;
  CFakeMessageBox m_messages;
};

TEST(ConverterAppTest, RunsTheMainWindowOnceWhenTheNetworkStarts)
{
  CFakePlatform platform;
  EXPECT_EQ(CConverterApp().InitInstance(platform), 0);
  EXPECT_EQ(platform.m_windowRuns, 1);
  EXPECT_TRUE(platform.m_messages.m_shown.empty());
}

TEST(ConverterAppTest, ANetworkThatCannotStartEndsWithAMessageAndNoWindow)
{
  CFakePlatform platform;
  platform.m_networkStarts = false;

  EXPECT_EQ(CConverterApp().InitInstance(platform), 1);

  EXPECT_EQ(platform.m_windowRuns, 0);
  ASSERT_EQ(platform.m_messages.m_shown.size(), 1u);
  const MessageBoxRequest& box = platform.m_messages.m_shown[0];
  EXPECT_EQ(box.text, "Fehler beim Initialisieren der Windows-Sockets.");
  EXPECT_EQ(box.title, "lexoria");
  EXPECT_EQ(box.icon, MsgIcon::Error);
  EXPECT_EQ(box.buttons, MsgButtons::Ok);
  EXPECT_EQ(box.owner, nullptr);
}

}  // namespace
