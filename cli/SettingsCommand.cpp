#include "cli/Commands.h"

#include <ostream>

int RunSettings(const CliArgs&, CliStreams& io)
{
  io.err << "lexoria-cli settings: not available yet\n";
  return 2;
}
