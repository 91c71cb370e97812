#include "cli/Commands.h"

#include <ostream>

int RunShow(const CliArgs&, CliStreams& io)
{
  io.err << "lexoria-cli show: not available yet\n";
  return 2;
}
