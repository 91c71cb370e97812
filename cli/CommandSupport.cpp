#include "cli/CommandSupport.h"

#include "platform/CurlHttpClient.h"
#include "platform/MessageBox.h"
#include "platform/QtProfileStore.h"
#include "platform/StringTable.h"
#include "settings/ImportSchema.h"

#include <ostream>

CImportSchema LoadStoredSchema()
{
  CImportSchema schema;
  schema.SetDefaults();
  CQtProfileStore store;
  schema.Load(store);
  return schema;
}

void PrintUsageError(std::ostream& err, const std::string& command, const std::string& error,
                     const std::string& synopsis)
{
  err << "lexoria-cli " << command << ": " << error << '\n'
      << synopsis << "Try 'lexoria-cli " << command << " --help'.\n";
}

bool StartNetworkLayer(IMessageBox& messages)
{
  if (InitNetworkLayer())
    return true;
  ShowError(messages, LoadResString(IDS_SOCKETS_INIT_FAILED));
  return false;
}
