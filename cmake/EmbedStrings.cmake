# Turns the string-table file IN into a C++ source OUT that defines the
# compiled-in table. The file's escapes (\n, \t, \\) are also C++ escapes, so
# only double quotes need escaping here.
file(STRINGS ${IN} lines ENCODING UTF-8)
set(body "")
foreach(line IN LISTS lines)
  if(line MATCHES "^([0-9]+)\t(.*)$")
    set(id ${CMAKE_MATCH_1})
    string(REPLACE "\"" "\\\"" text "${CMAKE_MATCH_2}")
    string(APPEND body "    {${id}u, \"${text}\"},\n")
  endif()
endforeach()
file(WRITE ${OUT}.tmp
"// Generated from strings.txt; do not edit.\n#include \"platform/BuiltinStrings.h\"\n\nconst std::vector<BuiltinString>& BuiltinStrings()\n{\n  static const std::vector<BuiltinString> table = {\n${body}  };\n  return table;\n}\n")
file(COPY_FILE ${OUT}.tmp ${OUT} ONLY_IF_DIFFERENT)
