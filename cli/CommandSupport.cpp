#include "cli/CommandSupport.h"

#include "cli/Commands.h"
#include "platform/CurlHttpClient.h"
#include "platform/MessageBox.h"
#include "platform/QtProfileStore.h"
#include "platform/StringTable.h"
#include "settings/ImportSchema.h"

#include <ostream>

namespace {

// "lexoria-cli COMMAND: ERROR", the command's synopsis and a pointer to its help.
void PrintUsageError(std::ostream& err, const std::string& command, const std::string& error,
                     const std::string& synopsis)
{
  err << "lexoria-cli " << command << ": " << error << '\n'
      << synopsis << "Try 'lexoria-cli " << command << " --help'.\n";
}

}  // namespace

CImportSchema LoadStoredSchema()
{
  CImportSchema schema;
  schema.SetDefaults();
  CQtProfileStore store;
  schema.Load(store);
  return schema;
}

bool StartNetworkLayer(IMessageBox& messages)
{
  if (InitNetworkLayer())
    return true;
  ShowError(messages, LoadResString(IDS_SOCKETS_INIT_FAILED));
  return false;
}

int AnswerUsage(const CommandUsage& usage, bool parsed, const std::string& error, bool help,
                CliStreams& io)
{
  if (!parsed) {
    PrintUsageError(io.err, usage.name, error, usage.synopsis);
    return 2;
  }
  if (help) {
    io.out << usage.synopsis << usage.description;
    return 0;
  }
  return -1;
}
