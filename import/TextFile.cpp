// Placeholder until implemented.
#include "import/TextFile.h"

bool ReadTextFile(std::string&, const std::string&, IMessageBox&) { return false; }
