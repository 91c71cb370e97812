#include "cli/Commands.h"

#include <cstring>
#include <iostream>
#include <unistd.h>

namespace {

constexpr const char* kUsage =
    "Usage: lexoria-cli COMMAND [OPTIONS]\n"
    "\n"
    "Commands:\n"
    "  show      print the record read from a Medline file, an ESummary file or PubMed\n"
    "  convert   turn a record into an entry through a template and append it\n"
    "  search    search PubMed and list the hits\n"
    "  settings  print or change the stored settings\n"
    "\n"
    "'lexoria-cli COMMAND --help' describes a command.\n";

struct Command {
  const char* name;
  int (*run)(const CliArgs&, CliStreams&);
};

constexpr Command kCommands[] = {
    {"show", RunShow},
    {"convert", RunConvert},
    {"search", RunSearch},
    {"settings", RunSettings},
};

}  // namespace

int main(int argc, char** argv)
{
  std::ios::sync_with_stdio(false);
  if (argc < 2) {
    std::cerr << kUsage;
    return 2;
  }
  if (std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0) {
    std::cout << kUsage;
    return 0;
  }
  CliStreams io{std::cin, std::cout, std::cerr, isatty(STDIN_FILENO) != 0};
  for (const Command& command : kCommands)
    if (std::strcmp(argv[1], command.name) == 0)
      return command.run(CliArgs(argv + 2, argv + argc), io);
  std::cerr << "lexoria-cli: unknown command '" << argv[1] << "'\n\n" << kUsage;
  return 2;
}
