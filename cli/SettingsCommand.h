#pragma once

#include "cli/Commands.h"

class IProfileStore;

// `lexoria-cli settings` on the given store: prints the store's location and
// its 28 values, stores one value (--set KEY VALUE), or writes the schema's
// defaults (--reset-schema).
int RunSettingsOn(const CliArgs& args, CliStreams& io, IProfileStore& store);
