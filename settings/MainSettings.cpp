// Placeholder until implemented.
#include "settings/MainSettings.h"

void CMainSettings::Load(IProfileStore&) {}
void CMainSettings::Save(IProfileStore&) const {}
