#include "core/FormatString.h"

#include <gtest/gtest.h>

namespace {

struct FormatCase {
  const char* name;
  std::string format;
  std::string value;
  std::string expected;
};

class FormatOneStringTest : public ::testing::TestWithParam<FormatCase> {};

TEST_P(FormatOneStringTest, FillsOnlyTheFirstTextDirective)
{
  const FormatCase& c = GetParam();
  EXPECT_EQ(FormatOneString(c.format, c.value), c.expected);
}

const FormatCase kCases[] = {
    {"ValueReplacesDirective", "id=%s&retmode=xml", "12345", "id=12345&retmode=xml"},
    {"NoDirectiveKeepsTemplate", "https://host/page", "12345", "https://host/page"},
    {"EmptyValueRemovesDirective", "term=%s", "", "term="},
    {"DoubledPercentBecomesOne", "a%%b=%s", "x", "a%b=x"},
    {"SecondDirectiveStaysLiteral", "%s and %s", "x", "x and %s"},
    {"OtherDirectivesStayLiteral", "%d %n %s %x", "v", "%d %n v %x"},
    {"TrailingPercentStays", "100%", "v", "100%"},
    {"ValueIsNotReinterpreted", "<%s>", "%s%%", "<%s%%>"},
    {"DoubledPercentBeforeS", "%%s %s", "v", "%s v"},
};

INSTANTIATE_TEST_SUITE_P(Cases, FormatOneStringTest, ::testing::ValuesIn(kCases),
                         [](const auto& row) { return std::string(row.param.name); });

}  // namespace
