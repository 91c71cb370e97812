#pragma once

#include <iosfwd>
#include <string>
#include <vector>

// Each command of lexoria-cli takes its arguments (after the command's name)
// and the streams to use, and returns the exit status:
// 0 success, 1 a message ended the command, 2 a usage error.
struct CliStreams {
  std::istream& in;
  std::ostream& out;
  std::ostream& err;
  bool inIsTerminal = false;
};

using CliArgs = std::vector<std::string>;

int RunShow(const CliArgs& args, CliStreams& io);
int RunSettings(const CliArgs& args, CliStreams& io);
int RunConvert(const CliArgs& args, CliStreams& io);
int RunSearch(const CliArgs& args, CliStreams& io);
