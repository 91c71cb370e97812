#include "import/ImportTools.h"
#include "tests/support/CaseName.h"

#include <gtest/gtest.h>

#include <string>

namespace {

const CImportTools kTools;

// ---- CollectBetween --------------------------------------------------------

struct CollectCase {
  const char* name;
  std::string text, start, end, separator, expected;
};

class CollectBetweenTest : public testing::TestWithParam<CollectCase> {};

TEST_P(CollectBetweenTest, Collects)
{
  const CollectCase& c = GetParam();
  EXPECT_EQ(kTools.CollectBetween(c.text, c.start, c.end, c.separator), c.expected);
}

const CollectCase kCollectCases[] = {
    {"EmptyText", "", "[x]", "[/x]", ",", ""},
    {"EmptyStart", "a[x]1[/x]", "", "[/x]", ",", ""},
    {"EmptyEnd", "a[x]1[/x]", "[x]", "", ",", ""},
    {"TwoValues", "a[x]1[/x]b[x]2[/x]", "[x]", "[/x]", ",", "1,2"},
    {"EmptySeparator", "a[x]1[/x]b[x]2[/x]", "[x]", "[/x]", "", "12"},
    {"LongSeparator", "[x]1[/x][x]2[/x][x]3[/x]", "[x]", "[/x]", " and ", "1 and 2 and 3"},
    {"StartWithoutEnd", "[x]1[/x][x]2", "[x]", "[/x]", ",", "1"},
    {"EmptyFirstValueCounts", "[x][/x][x]2[/x]", "[x]", "[/x]", ",", ",2"},
    {"NoStartMarker", "abc[/x]", "[x]", "[/x]", ",", ""},
    {"CaseMatters", "[X]1[/X]", "[x]", "[/x]", ",", ""},
    {"LinesBetweenLineFeeds", "a\nb\nc\n", "\n", "\n", ",", "b,c"},
    {"NothingTrimmed", "<t> a b </t>", "<t>", "</t>", ",", " a b "},
    // The end marker stays in the text, so a start marker inside it is found.
    {"StartInsideEnd", "<a>1</a>2</a>", "a>", "</a>", ",", "1,2"},
    {"EndBeforeStartIgnored", "[/x][x]1[/x]", "[x]", "[/x]", ",", "1"},
    {"NulBytesKept", std::string("[x]a\0b[/x]", 10), "[x]", "[/x]", ",", std::string("a\0b", 3)},
};

INSTANTIATE_TEST_SUITE_P(Cases, CollectBetweenTest, testing::ValuesIn(kCollectCases),
                         CaseName<CollectCase>);

// ---- ReplaceNoCase ---------------------------------------------------------

struct ReplaceCase {
  const char* name;
  std::string text, search, replacement, expected;
};

class ReplaceNoCaseTest : public testing::TestWithParam<ReplaceCase> {};

TEST_P(ReplaceNoCaseTest, Replaces)
{
  const ReplaceCase& c = GetParam();
  EXPECT_EQ(kTools.ReplaceNoCase(c.text, c.search, c.replacement), c.expected);
}

const ReplaceCase kReplaceCases[] = {
    {"UpperText", "ENG", "eng", "English", "English"},
    {"OnlyFirst", "eng eng", "eng", "English", "English eng"},
    {"Absent", "jpn", "eng", "English", "jpn"},
    {"UpperSearch", "xengx", "ENG", "_", "x_x"},
    {"RestKeepsCase", "Ab ENG Cd", "eng", "x", "Ab x Cd"},
    {"EmptySearch", "text", "", "pre-", "pre-text"},
    {"EmptyText", "", "eng", "English", ""},
    {"ReplacementNotLowered", "eng", "ENG", "ENG", "ENG"},
    {"InsideWord", "bengali", "eng", "X", "bXali"},
    // Windows-1252 capitals against their small letters: Ä/ä, Ö/ö, Ş/š, Œ/œ, Ž/ž, Ÿ/ÿ.
    {"Cp1252Umlaut", "M\xC4RZ", "m\xE4rz", "M", "M"},
    {"Cp1252Accent", "x\xD6y", "\xF6", "oe", "xoey"},
    {"Cp1252Caron", "\x8A\x8E", "\x9A\x9E", "sz", "sz"},
    {"Cp1252Ligature", "\x8C", "\x9C", "oe", "oe"},
    {"Cp1252YDiaeresis", "\x9F", "\xFF", "y", "y"},
    // Not letters of a pair: the multiplication and division signs, sharp s.
    {"MultiplicationSignNotLowered", "\xD7", "\xF7", "x", "\xD7"},
    {"SharpSIsItself", "\xDF", "\xDF", "ss", "ss"},
    // A UTF-8 sequence is only bytes: its bytes are not letters to lower.
    {"Utf8BytesUnchanged", "\xC3\x84", "\xC3\xA4", "x", "\xC3\x84"},
};

INSTANTIATE_TEST_SUITE_P(Cases, ReplaceNoCaseTest, testing::ValuesIn(kReplaceCases),
                         CaseName<ReplaceCase>);

// Lowering must not move or drop a byte, or the replacement would land at the
// wrong place in the original text.
TEST(ReplaceNoCase, EveryByteStaysInPlace)
{
  std::string all;
  for (int c = 1; c < 256; ++c)
    all += static_cast<char>(c);
  const std::string text = all + "MARK" + all;
  EXPECT_EQ(kTools.ReplaceNoCase(text, "mark", "!"), all + "!" + all);
}

// ---- FormatAuthorList ------------------------------------------------------

struct FormatCase {
  const char* name;
  std::string authors, separator, expected;
};

class FormatAuthorListTest : public testing::TestWithParam<FormatCase> {};

TEST_P(FormatAuthorListTest, Formats)
{
  const FormatCase& c = GetParam();
  EXPECT_EQ(kTools.FormatAuthorList(c.authors, c.separator), c.expected);
}

const FormatCase kFormatCases[] = {
    {"TwoAuthors", "Smith J and Doe A", " and ", "Smith, J and Doe, A"},
    {"Particle", "van der Berg JH", " and ", "van der Berg, JH"},
    {"OneWordGroup", "Consortium and Smith J", " and ", "Consortium and Smith, J"},
    {"EmptyLastItem", "Smith J and ", " and ", "Smith, J and "},
    {"EmptyFirstItem", " and Smith J", " and ", " and Smith, J"},
    {"TrailingBlank", "Smith J ", " and ", "Smith J, "},
    {"EmptyList", "", " and ", ""},
    {"SeparatorOnly", " and ", " and ", " and "},
    {"CommaSeparator", "Smith J,Doe A", ",", "Smith, J,Doe, A"},
    {"SeparatorIsBlank", "Smith J", " ", "Smith J"},
    {"SeparatorLongerThanList", "Li", " and ", "Li"},
    // An empty separator cannot split the list: it comes back unchanged.
    {"EmptySeparator", "Smith J and Doe A", "", "Smith J and Doe A"},
};

INSTANTIATE_TEST_SUITE_P(Cases, FormatAuthorListTest, testing::ValuesIn(kFormatCases),
                         CaseName<FormatCase>);

// ---- MakeCiteKey -----------------------------------------------------------

struct CiteKeyCase {
  const char* name;
  std::string text, separator, expected;
};

class MakeCiteKeyTest : public testing::TestWithParam<CiteKeyCase> {};

TEST_P(MakeCiteKeyTest, Makes)
{
  const CiteKeyCase& c = GetParam();
  EXPECT_EQ(kTools.MakeCiteKey(c.text, "2002", c.separator), c.expected);
}

const CiteKeyCase kCiteKeyCases[] = {
    {"UpToBlank", "Smith J and Doe A", ",", "Smith2002"},
    {"UpToSeparator", "Smith J,Doe A", ",", "Smith J2002"},
    {"ThreeBytes", "Smithers", ",", "Smi2002"},
    {"ShortName", "Li", ",", "Li2002"},
    {"EmptyText", "", ",", "2002"},
    {"EmptySeparator", "Smith J", "", "2002"},
    {"StartsWithSeparator", ",Smith J", ",", "2002"},
    {"StartsWithBlank", " Smith J", ",", "2002"},
    {"MultiByteName", "M\xC3\xBCller K", ",", "M\xC3\xBCller2002"},
};

INSTANTIATE_TEST_SUITE_P(Cases, MakeCiteKeyTest, testing::ValuesIn(kCiteKeyCases),
                         CaseName<CiteKeyCase>);

TEST(MakeCiteKey, EmptyTailGivesThePrefixAlone)
{
  EXPECT_EQ(kTools.MakeCiteKey("Smith J", "", ","), "Smith");
}

}  // namespace
