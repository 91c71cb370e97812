#pragma once

#include <iosfwd>
#include <string>

class CArticleRecord;

// The value with backslash, tab, CR and LF written as \\, \t, \r, \n, so
// that each field fits on one line.
std::string EscapeFieldValue(const std::string& value);

// Writes the eleven fields in declared order, one line each:
// the English label, a tab, the escaped value.
void PrintRecord(std::ostream& out, const CArticleRecord& record);
