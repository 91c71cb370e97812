#pragma once

#include <string>

// The folder of the running program's executable.
std::string ProgramDir();

// The folder of the program's shipped data (string table, templates):
// share/lexoria beside the program's bin/ folder.
std::string ProgramDataDir();
