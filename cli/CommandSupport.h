#pragma once

#include <string>

class CImportSchema;
class IMessageBox;
struct CliStreams;

// The schema in force: the defaults, overlaid by the user's stored settings.
CImportSchema LoadStoredSchema();

// Starts the network layer; when it cannot start, says so through `messages`
// and returns false.
bool StartNetworkLayer(IMessageBox& messages);

// What a command says about its own use.
struct CommandUsage {
  const char* name;
  const char* synopsis;
  const char* description;
};

// Answers arguments that end a command before it runs: a usage error (the
// reason and synopsis on stderr, status 2) or --help (status 0). Returns -1
// when the command is to run.
int AnswerUsage(const CommandUsage& usage, bool parsed, const std::string& error, bool help,
                CliStreams& io);
