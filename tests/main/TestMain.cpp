// The main() of every test program. It fixes the environment first, so a test
// never reaches a proxy, never needs a display and never touches the user's
// own settings, however it is started.
#include <gtest/gtest.h>

#include <string>
#include <unistd.h>

namespace {

void IsolateEnvironment()
{
  for (const char* name : {"http_proxy", "https_proxy", "all_proxy", "HTTPS_PROXY", "ALL_PROXY"})
    unsetenv(name);
  setenv("no_proxy", "127.0.0.1,localhost", 1);
  setenv("NO_PROXY", "127.0.0.1,localhost", 1);
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  const std::string home = std::string(LEXORIA_TEST_CONFIG_HOME) + "/" + std::to_string(getpid());
  setenv("XDG_CONFIG_HOME", home.c_str(), 1);
}

}  // namespace

int main(int argc, char** argv)
{
  IsolateEnvironment();
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
