#include "cli/Commands.h"

#include <ostream>

int RunConvert(const CliArgs&, CliStreams& io)
{
  io.err << "lexoria-cli convert: not available yet\n";
  return 2;
}
