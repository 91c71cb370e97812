#include "tests/support/CliProcess.h"

#include "tests/support/TempDir.h"

#include <cstdlib>
#include <sys/wait.h>

std::string ShellQuote(const std::string& arg)
{
  std::string quoted = "'";
  for (const char c : arg)
    quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return quoted + "'";
}

CliProcessResult RunCliProcess(const std::vector<std::string>& args, const std::string& workDir,
                               const std::string& configHome)
{
  std::string command;
  if (!configHome.empty())
    command = "env XDG_CONFIG_HOME=" + ShellQuote(configHome) + " ";
  command += ShellQuote(LEXORIA_BIN_DIR "/lexoria-cli");
  for (const std::string& arg : args)
    command += " " + ShellQuote(arg);
  const std::string out = workDir + "/stdout";
  const std::string err = workDir + "/stderr";
  command += " >" + ShellQuote(out) + " 2>" + ShellQuote(err);
  const int status = std::system(command.c_str());
  CliProcessResult result;
  result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  result.out = ReadBytes(out);
  result.err = ReadBytes(err);
  return result;
}
