#pragma once

#include <string_view>
#include <vector>

struct BuiltinString {
  unsigned id;
  std::string_view text;
};

// The compiled-in copy of the string table (generated from resources/strings.txt).
const std::vector<BuiltinString>& BuiltinStrings();
