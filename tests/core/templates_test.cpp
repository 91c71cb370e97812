#include "core/ArticleRecord.h"
#include "core/EntryWriter.h"
#include "core/TemplateFile.h"
#include "import/ImportTools.h"
#include "tests/support/CaseName.h"
#include "tests/support/FakeMessageBox.h"
#include "tests/support/RecordBuilder.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <sys/wait.h>
#include <vector>

namespace {

using R = CArticleRecord;

const std::vector<std::string> kPlaceholders = {"###AU###",  "###KEY###", "###IP###", "###TA###",
                                                "###LA###",  "###NOTE###", "###PG###", "###TI###",
                                                "###URL###", "###VI###",  "###DP###"};

std::string TemplateText(const std::string& file)
{
  return ReadBytes(LEXORIA_SOURCE_DIR "/templates/" + file);
}

std::size_t Count(const std::string& text, const std::string& what)
{
  std::size_t count = 0;
  for (std::size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1))
    ++count;
  return count;
}

// Three records as the parsers deliver them: one from a summary (UTF-8
// authors, an entity in the title), one from a Medline file (abstract as
// the note), and one with no field at all.
std::vector<CArticleRecord> Records(const std::string& separator)
{
  return {
      MakeRecord({{&R::m_strAuthors, "Str\xC3\xB6her, U" + separator + "Ba\xC5\x9F, M"},
                  {&R::m_strCiteKey, "Str\xC3\xB6her2015"},
                  {&R::m_strIssue, "3"},
                  {&R::m_strJournal, "N Engl J Med"},
                  {&R::m_strLanguage, "English"},
                  {&R::m_strNote, "25970001"},
                  {&R::m_strPages, "209-11"},
                  {&R::m_strTitle, "Ebola virus disease in Guinea &amp; Sierra Leone."},
                  {&R::m_strURL, "http://dx.doi.org/10.1056/NEJMoa1411100"},
                  {&R::m_strVolume, "372"},
                  {&R::m_strYear, "2015"}}),
      MakeRecord({{&R::m_strAuthors, "de Hoon, M J L" + separator + "Chapman, B"},
                  {&R::m_strCiteKey, "de2009"},
                  {&R::m_strIssue, "11"},
                  {&R::m_strJournal, "Bioinformatics"},
                  {&R::m_strLanguage, "English"},
                  {&R::m_strNote, "The Biopython Project is a long-running distributed "
                                  "collaboration; about 50% of it is parsers"},
                  {&R::m_strPages, "1422-3"},
                  {&R::m_strTitle, "Biopython: freely available Python tools."},
                  {&R::m_strURL, "http://www.biopython.org"},
                  {&R::m_strVolume, "25"},
                  {&R::m_strYear, "2009"}}),
      CArticleRecord(),
  };
}

// ---- the shipped files are well-formed ----

class ShippedTemplateTest : public ::testing::TestWithParam<std::string> {};

TEST_P(ShippedTemplateTest, OneBlockOfEachKindDescriptionAndEveryPlaceholderOnce)
{
  const std::string text = TemplateText(GetParam());
  ASSERT_FALSE(text.empty()) << GetParam();
  for (const char* marker : {"<BeginSeparator>", "<EndSeparator>", "<BeginTemplate>", "<EndTemplate>"})
    EXPECT_EQ(Count(text, marker), 1u) << marker;
  const std::size_t firstMarker = std::min(text.find("<BeginSeparator>"), text.find("<BeginTemplate>"));
  EXPECT_NE(text.substr(0, firstMarker).find("Lexoria template:"), std::string::npos);

  const CTemplateParts parts = SplitTemplate(text);
  EXPECT_FALSE(parts.m_strSeparator.empty());
  // A second occurrence of a placeholder would reach the file unreplaced.
  for (const std::string& placeholder : kPlaceholders)
    EXPECT_EQ(Count(parts.m_strTemplate, placeholder), 1u) << placeholder;
  EXPECT_EQ(parts.m_strTemplate.back(), '\n');
}

INSTANTIATE_TEST_SUITE_P(Files, ShippedTemplateTest,
                         ::testing::Values("bibtex.sty", "html.sty", "text.sty", "csv.sty", "rtf.sty"),
                         [](const auto& row) { return row.param.substr(0, row.param.find('.')); });

// ---- the files they write are read by real readers ----

struct CommandResult {
  int exitCode = -1;
  std::string out;
  std::string err;
};

CommandResult RunCommand(const std::string& command, const CTempDir& dir)
{
  const std::string errFile = dir.File("stderr.txt");
  CommandResult result;
  FILE* pipe = ::popen((command + " 2>'" + errFile + "'").c_str(), "r");
  if (pipe == nullptr)
    return result;
  char buffer[4096];
  std::size_t n = 0;
  while ((n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0)
    result.out.append(buffer, n);
  const int status = ::pclose(pipe);
  result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  result.err = ReadBytes(errFile);
  return result;
}

bool HaveProgram(const std::string& name)
{
  return std::system(("command -v " + name + " >/dev/null 2>&1").c_str()) == 0;
}

class TemplateOutputTest : public ::testing::Test {
protected:
  // Appends the records through the template to a new file; returns its path.
  std::string WriteAll(const std::string& templateFile, const std::string& targetName,
                       std::size_t recordCount = 3)
  {
    const CTemplateParts parts = SplitTemplate(TemplateText(templateFile));
    const std::string path = m_dir.File(targetName);
    std::vector<CArticleRecord> records = Records(parts.m_strSeparator);
    records.resize(recordCount);
    for (const CArticleRecord& record : records) {
      CFakeMessageBox box;
      EXPECT_EQ(WriteEntry(record, parts.m_strTemplate, path, box), WriteOutcome::Written);
    }
    return path;
  }

  CTempDir m_dir;
};

TEST_F(TemplateOutputTest, BibtexFileIsReadByBibtoolWithoutComplaint)
{
  if (!HaveProgram("bibtool"))
    GTEST_SKIP() << "bibtool is not installed (scripts/install-deps.sh installs it)";
  const std::string path = WriteAll("bibtex.sty", "lit.bib", 2);
  const CommandResult result = RunCommand("bibtool -i '" + path + "'", m_dir);
  EXPECT_EQ(result.exitCode, 0);
  EXPECT_EQ(result.err, "");
  EXPECT_EQ(Count(result.out, "@Article{"), 2u) << result.out;
  EXPECT_NE(result.out.find("{Biopython: freely available Python tools.}"), std::string::npos)
      << result.out;
  EXPECT_NE(result.out.find("{de Hoon, M J L and Chapman, B}"), std::string::npos) << result.out;
}

TEST_F(TemplateOutputTest, BibtexEntryOfAnEmptyRecordLacksOnlyItsKey)
{
  if (!HaveProgram("bibtool"))
    GTEST_SKIP() << "bibtool is not installed (scripts/install-deps.sh installs it)";
  const std::string path = WriteAll("bibtex.sty", "lit.bib");
  const CommandResult result = RunCommand("bibtool -i '" + path + "'", m_dir);
  EXPECT_EQ(result.exitCode, 0);
  EXPECT_EQ(Count(result.err, "*** BibTool"), 1u) << result.err;
  EXPECT_NE(result.err.find("Missing reference key"), std::string::npos) << result.err;
  EXPECT_EQ(Count(result.out, "@Article{"), 3u) << result.out;
}

TEST_F(TemplateOutputTest, HtmlFileIsCleanForTidyAsItStandsAndInsideAPage)
{
  if (!HaveProgram("tidy"))
    GTEST_SKIP() << "tidy is not installed (scripts/install-deps.sh installs it)";
  const std::string path = WriteAll("html.sty", "lit.html", 2);
  const std::string body = ReadBytes(path);
  EXPECT_EQ(Count(body, "<p class=\"lexoria-entry\""), 2u);

  const CommandResult fragment = RunCommand("tidy -q -e --show-body-only yes '" + path + "'", m_dir);
  EXPECT_EQ(fragment.exitCode, 0) << fragment.err;
  EXPECT_EQ(fragment.err, "");

  const std::string page = m_dir.File("page.html");
  WriteBytes(page, "<!DOCTYPE html>\n<html lang=\"en\">\n<head>\n<meta charset=\"utf-8\">\n"
                   "<title>Bibliography</title>\n</head>\n<body>\n" +
                       body + "</body>\n</html>\n");
  const CommandResult document = RunCommand("tidy -q -e '" + page + "'", m_dir);
  EXPECT_EQ(document.exitCode, 0) << document.err;
  EXPECT_EQ(document.err, "");
}

TEST_F(TemplateOutputTest, HtmlEntryOfAnEmptyRecordHasEmptyElementsButNoErrors)
{
  if (!HaveProgram("tidy"))
    GTEST_SKIP() << "tidy is not installed (scripts/install-deps.sh installs it)";
  const std::string path = WriteAll("html.sty", "lit.html");
  const CommandResult result = RunCommand("tidy -q -e --show-body-only yes '" + path + "'", m_dir);
  EXPECT_EQ(result.exitCode, 1);  // warnings only
  EXPECT_EQ(result.err.find("Error"), std::string::npos) << result.err;
  for (std::size_t start = 0; start < result.err.size();) {
    const std::size_t end = result.err.find('\n', start);
    const std::string line = result.err.substr(start, end - start);
    EXPECT_NE(line.find("trimming empty"), std::string::npos) << line;
    start = end + 1;
  }
}

TEST_F(TemplateOutputTest, CsvFileParsesStrictlyIntoTheRecordsFields)
{
  if (!HaveProgram("python3"))
    GTEST_SKIP() << "python3 is not installed";
  const std::string path = WriteAll("csv.sty", "lit.csv");
  const CommandResult result = RunCommand(
      "python3 -c 'import csv,sys\n"
      "with open(sys.argv[1], newline=\"\", encoding=\"utf-8\") as f:\n"
      "    for row in csv.reader(f, strict=True):\n"
      "        print(\"|\".join(row))' '" + path + "'",
      m_dir);
  EXPECT_EQ(result.exitCode, 0);
  EXPECT_EQ(result.err, "");
  std::string expected;
  for (const CArticleRecord& record : Records("; "))
    expected += record.m_strCiteKey + "|" + record.m_strAuthors + "|" + record.m_strTitle + "|" +
                record.m_strJournal + "|" + record.m_strYear + "|" + record.m_strVolume + "|" +
                record.m_strIssue + "|" + record.m_strPages + "|" + record.m_strLanguage + "|" +
                record.m_strURL + "|" + record.m_strNote + "\n";
  EXPECT_EQ(result.out, expected);
}

// True when `text` is a sequence of complete RTF groups, each one a
// document of its own, with only line ends between them.
bool IsSequenceOfRtfDocuments(const std::string& text, std::size_t& documents)
{
  documents = 0;
  int depth = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (depth == 0) {
      if (c == '\n' || c == '\r')
        continue;
      if (text.compare(i, 6, "{\\rtf1") != 0)
        return false;
      ++documents;
    }
    if (c == '\\')
      ++i;  // an escaped brace or backslash is text
    else if (c == '{')
      ++depth;
    else if (c == '}' && --depth < 0)
      return false;
  }
  return depth == 0 && documents > 0;
}

TEST_F(TemplateOutputTest, RtfFileIsASequenceOfDocumentsThatUnrtfReadsWhole)
{
  const std::string path = WriteAll("rtf.sty", "lit.rtf");
  std::size_t documents = 0;
  EXPECT_TRUE(IsSequenceOfRtfDocuments(ReadBytes(path), documents));
  EXPECT_EQ(documents, 3u);

  if (!HaveProgram("unrtf"))
    GTEST_SKIP() << "unrtf is not installed (scripts/install-deps.sh installs it)";
  const CommandResult result = RunCommand("unrtf --text '" + path + "'", m_dir);
  EXPECT_EQ(result.exitCode, 0);
  EXPECT_EQ(result.err, "");
  EXPECT_NE(result.out.find("Ebola virus disease in Guinea &amp; Sierra Leone. N Engl J Med "
                            "2015;372(3):209-11. English."),
            std::string::npos)
      << result.out;
  EXPECT_NE(result.out.find("de Hoon, M J L; Chapman, B: Biopython: freely available Python "
                            "tools. Bioinformatics 2009;25(11):1422-3."),
            std::string::npos)
      << result.out;
  EXPECT_NE(result.out.find("about 50% of it is parsers"), std::string::npos) << result.out;
}

TEST_F(TemplateOutputTest, TextFileHoldsOneParagraphPerEntry)
{
  const std::string text = ReadBytes(WriteAll("text.sty", "lit.txt"));
  EXPECT_EQ(text.substr(0, text.find("\n\n") + 2),
            "Str\xC3\xB6her, U; Ba\xC5\x9F, M: Ebola virus disease in Guinea &amp; Sierra Leone. "
            "N Engl J Med 2015;372(3):209-11.\n"
            "Language: English. Link: http://dx.doi.org/10.1056/NEJMoa1411100 "
            "[Str\xC3\xB6her2015]\n25970001\n\n");
  EXPECT_EQ(Count(text, "\nLanguage: "), 3u);
  EXPECT_EQ(text.substr(text.size() - 2), "\n\n");
  EXPECT_EQ(text.find('\r'), std::string::npos);
}

// ---- real Medline records ----

// Every Medline fixture, read and formatted as a conversion run does.
std::vector<CArticleRecord> RealRecords(const std::string& separator)
{
  const CImportTools tools;
  std::vector<CArticleRecord> records;
  for (const auto& entry : std::filesystem::directory_iterator(LEXORIA_TEST_DATA_DIR "/medline")) {
    if (entry.path().filename() == "SOURCES.md")
      continue;
    CArticleRecord record;
    tools.ParseMedline(ReadBytes(entry.path().string()), record, separator);
    record.m_strAuthors = tools.FormatAuthorList(record.m_strAuthors, separator);
    records.push_back(record);
  }
  return records;
}

// What the readers accept for hand-made records they must accept for real ones.
class RealRecordsTest : public TemplateOutputTest {
protected:
  std::string WriteRealRecords(const std::string& templateFile, const std::string& targetName)
  {
    const CTemplateParts parts = SplitTemplate(TemplateText(templateFile));
    const std::string path = m_dir.File(targetName);
    m_records = RealRecords(parts.m_strSeparator);
    for (const CArticleRecord& record : m_records) {
      CFakeMessageBox box;
      EXPECT_EQ(WriteEntry(record, parts.m_strTemplate, path, box), WriteOutcome::Written);
    }
    return path;
  }
  std::vector<CArticleRecord> m_records;
};

TEST_F(RealRecordsTest, BibtoolTidyAndUnrtfAcceptThem)
{
  if (!HaveProgram("bibtool") || !HaveProgram("tidy") || !HaveProgram("unrtf"))
    GTEST_SKIP() << "bibtool, tidy or unrtf is not installed (scripts/install-deps.sh installs them)";
  const std::string bibFile = WriteRealRecords("bibtex.sty", "lit.bib");
  ASSERT_GE(m_records.size(), 5u);
  const CommandResult bib = RunCommand("bibtool -i '" + bibFile + "'", m_dir);
  EXPECT_EQ(bib.err, "");
  EXPECT_EQ(Count(bib.out, "@Article{"), m_records.size());

  const std::string htmlFile = WriteRealRecords("html.sty", "lit.html");
  const CommandResult html = RunCommand("tidy -q -e --show-body-only yes '" + htmlFile + "'", m_dir);
  EXPECT_EQ(html.exitCode, 0) << html.err;
  EXPECT_EQ(html.err, "");

  const std::string rtfFile = WriteRealRecords("rtf.sty", "lit.rtf");
  std::size_t documents = 0;
  EXPECT_TRUE(IsSequenceOfRtfDocuments(ReadBytes(rtfFile), documents));
  EXPECT_EQ(documents, m_records.size());
  const CommandResult rtf = RunCommand("unrtf --text '" + rtfFile + "'", m_dir);
  EXPECT_EQ(rtf.exitCode, 0);
  // The file declares Windows-1252, so only keys in ASCII come out as written.
  for (const CArticleRecord& record : m_records) {
    const std::string& key = record.m_strCiteKey;
    if (std::all_of(key.begin(), key.end(), [](char c) { return (c & 0x80) == 0; })) {
      EXPECT_NE(rtf.out.find("[" + key + "]"), std::string::npos) << key;
    }
  }
}

}  // namespace
