#pragma once

#include <string>

// The two parts of a template file's text.
struct CTemplateParts {
  std::string m_strSeparator;  // every separator block, joined by " and "
  std::string m_strTemplate;   // every template block, joined by " and "; empty: faulty
};

CTemplateParts SplitTemplate(const std::string& fileText);
