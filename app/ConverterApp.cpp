#include "app/ConverterApp.h"

#include "platform/MessageBox.h"
#include "platform/StringTable.h"

namespace {
// The application's name titles the boxes that belong to no window.
constexpr const char* kAppName = "lexoria";
}  // namespace

int CConverterApp::InitInstance(IAppPlatform& platform)
{
  if (!platform.InitNetworkLayer()) {
    platform.Messages().Show(
        {LoadResString(IDS_SOCKETS_INIT_FAILED), kAppName, MsgIcon::Error, MsgButtons::Ok});
    return 1;
  }
  // Nothing is saved when the window closes: the commands store what they change.
  platform.RunMainWindow();
  return 0;
}
