#pragma once

#include <string>
#include <vector>

struct CliProcessResult {
  int exitCode = -1;
  std::string out;
  std::string err;
};

// `arg` quoted for the shell.
std::string ShellQuote(const std::string& arg);

// Runs the built lexoria-cli with `args`, its output caught in files under
// `workDir`. A non-empty `configHome` becomes the program's XDG_CONFIG_HOME.
CliProcessResult RunCliProcess(const std::vector<std::string>& args, const std::string& workDir,
                               const std::string& configHome = {});
