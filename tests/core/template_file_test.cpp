#include "core/TemplateFile.h"

#include "tests/support/CaseName.h"

#include <gtest/gtest.h>

namespace {

struct SplitCase {
  std::string name;
  std::string fileText;
  std::string separator;
  std::string entry;
};

class SplitTemplateTest : public ::testing::TestWithParam<SplitCase> {};

TEST_P(SplitTemplateTest, CollectsSeparatorAndTemplateBlocks)
{
  const CTemplateParts parts = SplitTemplate(GetParam().fileText);
  EXPECT_EQ(parts.m_strSeparator, GetParam().separator);
  EXPECT_EQ(parts.m_strTemplate, GetParam().entry);
}

INSTANTIATE_TEST_SUITE_P(
    Blocks, SplitTemplateTest,
    ::testing::ValuesIn(std::vector<SplitCase>{
        {"WellFormedWithDescription",
         "A BibTeX template.\n<BeginSeparator> and <EndSeparator>\n"
         "<BeginTemplate>\n@article{###KEY###}\n<EndTemplate>\ntrailing note\n",
         " and ", "\n@article{###KEY###}\n"},
        {"TemplateBeforeSeparator", "<BeginTemplate>T<EndTemplate><BeginSeparator>; <EndSeparator>",
         "; ", "T"},
        {"OneLineBlockHasNoLineBreak", "<BeginTemplate>###TI###<EndTemplate>\n", "", "###TI###"},
        {"TwoTemplateBlocksJoined", "<BeginTemplate>A<EndTemplate>x<BeginTemplate>B<EndTemplate>", "",
         "A and B"},
        {"FirstOfTwoBlocksEmpty", "<BeginTemplate><EndTemplate><BeginTemplate>B<EndTemplate>", "",
         " and B"},
        {"TwoSeparatorBlocksJoined",
         "<BeginSeparator>;<EndSeparator><BeginSeparator>,<EndSeparator><BeginTemplate>T<EndTemplate>",
         "; and ,", "T"},
        {"UnfinishedBlockAfterGoodOneDropped",
         "<BeginTemplate>A<EndTemplate><BeginTemplate>B never ends", "", "A"},
        {"BeginInsideBlockIsText", "<BeginTemplate>a<BeginTemplate>b<EndTemplate>c<EndTemplate>", "",
         "a<BeginTemplate>b"},
        {"SeparatorInsideTemplateStaysInEntry",
         "<BeginTemplate>x<BeginSeparator>, <EndSeparator>y<EndTemplate>", ", ",
         "x<BeginSeparator>, <EndSeparator>y"},
        {"CrLfKeptAsGiven", "<BeginTemplate>\r\nA\r\n<EndTemplate>", "", "\r\nA\r\n"},
        {"NoSeparatorBlock", "<BeginTemplate>T<EndTemplate>", "", "T"},
        // Faulty templates: the template text comes out empty.
        {"NoTemplateBlock", "<BeginSeparator> and <EndSeparator>", " and ", ""},
        {"SingleEmptyBlock", "<BeginTemplate><EndTemplate>", "", ""},
        {"TemplateNeverEnds", "<BeginTemplate>@article{###KEY###}\n", "", ""},
        {"EndBeforeBegin", "<EndTemplate>T<BeginTemplate>", "", ""},
        {"MarkersInOtherCase", "<BEGINTEMPLATE>T<ENDTEMPLATE><beginseparator>,<endseparator>", "", ""},
        {"EmptyFile", "", "", ""},
    }),
    CaseName<SplitCase>);

}  // namespace
