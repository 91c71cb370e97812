#pragma once

#include "core/ArticleRecord.h"

#include <string>
#include <utility>
#include <vector>

using FieldValues = std::vector<std::pair<std::string CArticleRecord::*, std::string>>;

// A record with the given fields set and every other field empty.
CArticleRecord MakeRecord(const FieldValues& values);

// All eleven fields, one "Label=value" line each, so that a failed comparison
// of two descriptions shows which field differs.
std::string DescribeRecord(const CArticleRecord& record);
