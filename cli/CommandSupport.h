#pragma once

#include <iosfwd>
#include <string>

class CImportSchema;
class IMessageBox;

// The schema in force: the defaults, overlaid by the user's stored settings.
CImportSchema LoadStoredSchema();

// Writes "lexoria-cli COMMAND: ERROR", the command's synopsis and a pointer
// to its help; the caller then exits with status 2.
void PrintUsageError(std::ostream& err, const std::string& command, const std::string& error,
                     const std::string& synopsis);

// Starts the network layer; when it cannot start, says so through `messages`
// and returns false.
bool StartNetworkLayer(IMessageBox& messages);
