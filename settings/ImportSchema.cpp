// Placeholder until implemented.
#include "settings/ImportSchema.h"

void CImportSchema::SetDefaults() {}
void CImportSchema::Load(IProfileStore&) {}
void CImportSchema::Save(IProfileStore&) const {}
