#include "core/TemplateFile.h"

#include "import/ImportTools.h"

namespace {
constexpr const char* kJoiner = " and ";
}

CTemplateParts SplitTemplate(const std::string& fileText)
{
  // Both kinds are collected from the whole text, so a separator block inside
  // the template block is still the separator and also stays in the entry.
  const CImportTools tools;
  CTemplateParts parts;
  parts.m_strSeparator =
      tools.CollectBetween(fileText, "<BeginSeparator>", "<EndSeparator>", kJoiner);
  parts.m_strTemplate = tools.CollectBetween(fileText, "<BeginTemplate>", "<EndTemplate>", kJoiner);
  return parts;
}
