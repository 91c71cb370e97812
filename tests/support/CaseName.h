#pragma once

#include <gtest/gtest.h>

#include <string>

// Names a row of a parameter table by its `name` member.
template <class Case>
std::string CaseName(const testing::TestParamInfo<Case>& row)
{
  return row.param.name;
}
