// Placeholder until implemented.
#include "core/TemplateFile.h"

CTemplateParts SplitTemplate(const std::string&) { return {}; }
