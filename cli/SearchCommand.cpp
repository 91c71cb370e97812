#include "cli/Commands.h"

#include <ostream>

int RunSearch(const CliArgs&, CliStreams& io)
{
  io.err << "lexoria-cli search: not available yet\n";
  return 2;
}
