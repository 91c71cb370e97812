#include "cli/Commands.h"
#include "core/ArticleRecord.h"
#include "tests/support/CaseName.h"
#include "tests/support/CliProcess.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

namespace {

const std::string kDataDir = LEXORIA_TEST_DATA_DIR "/medline/";

using ShowResult = CliProcessResult;

ShowResult Show(const CliArgs& args)
{
  std::istringstream in;
  std::ostringstream out;
  std::ostringstream err;
  CliStreams io{in, out, err};
  ShowResult result;
  result.exitCode = RunShow(args, io);
  result.out = out.str();
  result.err = err.str();
  return result;
}

// The value printed for each label, in the order printed.
std::vector<std::pair<std::string, std::string>> SplitRecordLines(const std::string& out)
{
  std::vector<std::pair<std::string, std::string>> lines;
  std::istringstream stream(out);
  for (std::string line; std::getline(stream, line);) {
    const std::size_t tab = line.find('\t');
    lines.emplace_back(line.substr(0, tab), tab == std::string::npos ? "" : line.substr(tab + 1));
  }
  return lines;
}

// ---- usage -----------------------------------------------------------------

const std::string kSynopsis =
    "Usage: lexoria-cli show (--medline FILE | --summary FILE | --pmid PMID)\n"
    "                        [--separator TEXT] [--raw]\n";

struct UsageCase {
  const char* name;
  CliArgs args;
  std::string reason;
};

class ShowUsageError : public testing::TestWithParam<UsageCase> {};

TEST_P(ShowUsageError, ExitsTwoWithShortUsage)
{
  const ShowResult result = Show(GetParam().args);
  EXPECT_EQ(result.exitCode, 2);
  EXPECT_EQ(result.out, "");
  EXPECT_EQ(result.err, "lexoria-cli show: " + GetParam().reason + "\n" + kSynopsis +
                            "Try 'lexoria-cli show --help'.\n");
}

const UsageCase kUsageCases[] = {
    {"NoArguments", {}, "give one of --medline, --summary, --pmid"},
    {"OnlySeparator", {"--separator", ";"}, "give one of --medline, --summary, --pmid"},
    {"TwoSources", {"--medline", "a", "--pmid", "1"}, "give only one of --medline, --summary, --pmid"},
    {"SameSourceTwice", {"--medline", "a", "--medline", "b"},
     "give only one of --medline, --summary, --pmid"},
    {"MissingFile", {"--medline"}, "--medline needs a value"},
    {"MissingSeparator", {"--medline", "a", "--separator"}, "--separator needs a value"},
    {"UnknownOption", {"--medline", "a", "--verbose"}, "unknown argument '--verbose'"},
    {"StrayWord", {"file.txt"}, "unknown argument 'file.txt'"},
    {"EmptyPmid", {"--pmid", ""}, "--pmid needs a PMID"},
};

INSTANTIATE_TEST_SUITE_P(Cases, ShowUsageError, testing::ValuesIn(kUsageCases), CaseName<UsageCase>);

TEST(ShowCommand, HelpPrintsUsageAndSucceeds)
{
  for (const CliArgs& args : {CliArgs{"--help"}, CliArgs{"-h"}, CliArgs{"--medline", "x", "--help"}}) {
    const ShowResult result = Show(args);
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_EQ(result.err, "");
    EXPECT_EQ(result.out.rfind(kSynopsis, 0), 0u) << result.out;
    EXPECT_NE(result.out.find("  --raw "), std::string::npos);
  }
}

// ---- real Medline files ----------------------------------------------------

struct FileCase {
  const char* name;
  std::string file;
  CliArgs options;
  std::vector<std::pair<std::string, std::string>> expected;  // label, printed value
};

class ShowMedlineFile : public testing::TestWithParam<FileCase> {};

TEST_P(ShowMedlineFile, PrintsRecord)
{
  const FileCase& c = GetParam();
  CliArgs args{"--medline", kDataDir + c.file};
  args.insert(args.end(), c.options.begin(), c.options.end());
  const ShowResult result = Show(args);
  ASSERT_EQ(result.exitCode, 0) << result.err;
  EXPECT_EQ(result.err, "");

  const auto lines = SplitRecordLines(result.out);
  ASSERT_EQ(lines.size(), std::size(kRecordFields));
  for (std::size_t i = 0; i < lines.size(); ++i)
    EXPECT_EQ(lines[i].first, kRecordFields[i].label);
  for (const auto& [label, value] : c.expected) {
    bool found = false;
    for (const auto& line : lines)
      if (line.first == label) {
        EXPECT_EQ(line.second, value) << label;
        found = true;
      }
    EXPECT_TRUE(found) << label;
  }
}

const std::string kWrappedTitle =
    "High extracellular glucose promotes cell motility by modulating cell deformability and "
    "contractility via cAMP-RhoA-ROCK axis in human breast cancer cells";

const FileCase kFileCases[] = {
    // The title wraps onto three lines, each ending in a blank; no final line feed.
    {"WrappedTitle",
     "biopython_pubmed_result4.txt",
     {},
     {{"Authors", "Oh, M and Batty, S and Banerjee, N and Kim, TH"},
      {"Cite Key", "Oh2023"},
      {"Issue", ""},
      {"Journal", "Mol Biol Cell"},
      {"Language", "English"},
      {"Pages", "mbcE22120560"},
      {"Title", kWrappedTitle},
      {"Volume", ""},
      {"Year", "2023"}}},
    {"RawAuthors", "biopython_pubmed_result4.txt", {"--raw"},
     {{"Authors", "Oh M and Batty S and Banerjee N and Kim TH"}}},
    {"OwnSeparator", "biopython_pubmed_result4.txt", {"--separator", "; "},
     {{"Authors", "Oh, M; Batty, S; Banerjee, N; Kim, TH"}, {"Cite Key", "Oh2023"}}},
    {"EmptySeparator", "biopython_pubmed_result4.txt", {"--separator", ""},
     {{"Authors", "Oh MBatty SBanerjee NKim TH"}, {"Cite Key", "Oh2023"}}},
    {"SeparatorEscaped", "biopython_pubmed_result4.txt", {"--separator", "\t\\\r\n", "--raw"},
     {{"Authors", "Oh M\\t\\\\\\r\\nBatty S\\t\\\\\\r\\nBanerjee N\\t\\\\\\r\\nKim TH"}}},
    // CR LF line ends, UTF-8 author names, ten records, a title over three lines.
    {"CrLfNonAsciiTenRecords",
     "rayyan_example1_10records_crlf.nbib",
     {},
     {{"Authors",
       "W\xC3\xB6rmann, B and Odle, TG and Maughan, KL and Lutterbie, MA and Ham, PS and Pearce, L "
       "and Kolak, A and Kami\xC5\x84ska, M and Sygit, K and Budny, A and Surdyka, D and "
       "Kukie\xC5\x82ka-Budny, B and Burdan, F and DeSantis, C and Siegel, R and Bandi, P and Jemal, A "
       "and Libson, S and Lippman, M and Ganz, PA and Goodwin, PJ and Woolston, C and Anastasiadi, Z "
       "and Lianos, GD and Ignatiadou, E and Harissis, HV and Mitsis, M"},
      {"Cite Key", "W\xC3\xB6rmann2017"},
      {"Issue", "2 and 4 and 11 and 51 and 4 and 6 and 1 and 7578 and 3"},
      {"Journal",
       "Med Monatsschr Pharm and Radiol Technol and Am Fam Physician and Nurs Stand and Ann Agric "
       "Environ Med and CA Cancer J Clin and Int Rev Psychiatry and Adv Exp Med Biol and Nature and "
       "Updates Surg"},
      {"Language", "English and German and eng and eng and eng and eng and eng and eng and eng and "
                   "eng and eng"},
      {"Title",
       "Breast cancer: basics, screening, diagnostics and treatment. and Precision Medicine in Breast "
       "Cancer. and Treatment of breast cancer. and Title that spans multiple lines for this "
       "particular research article and Primary and secondary prevention of breast cancer. and "
       "Breast cancer statistics, 2011. and A review of clinical aspects of breast cancer. and "
       "Breast Cancer Survivorship: Where Are We Today? and Breast cancer. and Breast cancer in young "
       "women: an overview"},
      {"Year", "2017"}}},
    // A whole abstract over 28 lines, some ending in a blank.
    {"WholeAbstract",
     "zotero_MEDLINEnbib_case4_pmid25744111.txt",
     {},
     {{"Authors", "Fujiwara, T"},
      {"Cite Key", "Fujiwara2015"},
      {"Issue", "5"},
      {"Journal", "Public Health"},
      {"Language", "English"},
      {"Note",
       "OBJECTIVES: Previous studies have demonstrated the effectiveness of educational materials on "
       "infant crying to change caregivers' knowledge and behaviours related to shaken baby syndrome "
       "or abusive head trauma (SBS/AHT) using selected samples in randomized controlled trials. "
       "This study investigated the impact of public health practices to prevent SBS/AHT in Japan "
       "through the use of educational materials. STUDY DESIGN: Cross-sectional study. METHODS: The "
       "intervention was comprised of two parts: (1) the screening of an educational DVD at a "
       "prenatal class; and (2) the distribution of a public health pamphlet at a postnatal home "
       "visit. Expectant parents watched a DVD (The Period of PURPLE Crying) about the features of "
       "infant crying and recommended behaviours (walking away if frustrated in the event of "
       "unsoothable crying, sharing information on crying with other caregivers) at a preterm "
       "parenting class held at eight months' gestation. A postnatal home-visit service was "
       "implemented in which a maternity nurse distributed a pamphlet to explain information about "
       "infant crying. Before the four-month health check-up, a self-administered questionnaire was "
       "distributed to assess exposure to these public health practices and outcome variables (i.e. "
       "infant crying knowledge, walk-away and information-sharing behaviours), and responses were "
       "collected at the four-month health check-up (n = 1316). The impacts of these interventions "
       "on outcome variables were analysed by comparing those exposed to both interventions, either "
       "intervention and neither intervention after adjusting for covariates. RESULTS: Crying and "
       "shaking knowledge were significantly higher among women exposed to the public health "
       "practices, with a dose-response relationship (both P < 0.001). Further, walk-away behaviour "
       "during periods of unsoothable crying was higher among the intervention group. However, "
       "sharing information about infant crying with other caregivers was less likely among the "
       "intervention group. CONCLUSIONS: The impact of educational materials in public health "
       "practice on knowledge of crying and shaking, and walk-away behaviour in Japan had a "
       "dose-response relationship; however, an increase in sharing information with other "
       "caregivers was not observed"},
      {"Pages", "475-82"},
      {"Title",
       "Effectiveness of public health practices against shaken baby syndrome/abusive head trauma in "
       "Japan"},
      {"URL", ""},
      {"Volume", "129"},
      {"Year", "2015"}}},
    {"CrLfSingleRecord",
     "zotero_MEDLINEnbib_case9_pmid36216673_crlf.txt",
     {},
     {{"Authors", "Manoubi, SA and Shimi, M and Gharbaoui, M and Allouche, M"},
      {"Journal", "Wilderness Environ Med"},
      {"Title", "Lichtenberg Figures: How a Cutaneous Sign Can Solve Suspicious Death Cases"},
      {"Year", "2022"}}},
    // Three records, the file without a final line feed.
    {"ThreeRecordsNoFinalLineFeed",
     "synthesisr_PubMed_example_3records.txt",
     {},
     {{"Journal", "Sci Total Environ and Environ Manage and PeerJ"},
      {"Pages", "188-197 and 647-657 and e5082"},
      {"Volume", "598 and 63 and 6"},
      {"Issue", "5"},
      {"Cite Key", "Neilen2017"}}},
    {"OldExportSevenRecords",
     "pybliographer_pubmed_7records_2001_UI.med",
     {},
     {{"Journal",
       "Genet Eng (N Y) and Trends Biotechnol and J Mol Biol and Brief Bioinform and Int J Food "
       "Microbiol and Nature and FEBS Lett"},
      {"Volume", "23 and 19 and 311 and 2 and 69 and 393 and 502"},
      {"Cite Key", "Saier2001"}}},
};

INSTANTIATE_TEST_SUITE_P(Cases, ShowMedlineFile, testing::ValuesIn(kFileCases), CaseName<FileCase>);

// ---- the program itself ----------------------------------------------------

class ShowProgram : public testing::Test {
protected:

  // Runs lexoria-cli with the arguments and collects exit code and output.
  ShowResult Run(const CliArgs& args)
  {
    return RunCliProcess(args, m_dir.Path().string());
  }

  std::string Write(const std::string& name, const std::string& bytes)
  {
    WriteBytes(m_dir.File(name), bytes);
    return m_dir.File(name);
  }

  CTempDir m_dir;
};

TEST_F(ShowProgram, MissingFileFailsWithMessage)
{
  const std::string path = m_dir.File("nowhere.txt");
  const ShowResult result = Run({"show", "--medline", path});
  EXPECT_EQ(result.exitCode, 1);
  EXPECT_EQ(result.out, "");
  EXPECT_EQ(result.err, "Fehler beim \xC3\x96""ffnen von \"" + path + "\".\n");
}

TEST_F(ShowProgram, EmptyFileFailsSilently)
{
  const ShowResult result = Run({"show", "--medline", Write("empty.txt", "")});
  EXPECT_EQ(result.exitCode, 1);
  EXPECT_EQ(result.out, "");
  EXPECT_EQ(result.err, "");
}

TEST_F(ShowProgram, UsageErrorExitsTwo)
{
  const ShowResult result = Run({"show", "--medline"});
  EXPECT_EQ(result.exitCode, 2);
  EXPECT_EQ(result.out, "");
  EXPECT_EQ(result.err.rfind("lexoria-cli show: --medline needs a value\nUsage:", 0), 0u) << result.err;
}

// A CR LF file prints exactly what its LF copy prints.
TEST_F(ShowProgram, CrLfFileMatchesLfCopy)
{
  for (const char* name : {"rayyan_example1_10records_crlf.nbib",
                           "zotero_MEDLINEnbib_case9_pmid36216673_crlf.txt"}) {
    std::string lf = ReadBytes(kDataDir + name);
    ASSERT_NE(lf.find("\r\n"), std::string::npos) << name;
    for (std::size_t pos; (pos = lf.find("\r\n")) != std::string::npos;)
      lf.erase(pos, 1);
    const ShowResult crlf = Run({"show", "--medline", kDataDir + name});
    const ShowResult plain = Run({"show", "--medline", Write("lf.txt", lf)});
    EXPECT_EQ(crlf.exitCode, 0) << name;
    EXPECT_EQ(crlf.out, plain.out) << name;
    EXPECT_EQ(crlf.out.find('\r'), std::string::npos) << name;
  }
}

// A real record grown past 32 KB by a long author block: the journal and the
// language, which stand after the authors, are still read.
TEST_F(ShowProgram, RecordOver32KbKeepsJournalAndLanguage)
{
  std::string text = ReadBytes(kDataDir + "zotero_MEDLINEnbib_case4_pmid25744111.txt");
  const std::string anchor = "AU  - Fujiwara T\n";
  const std::size_t at = text.find(anchor);
  ASSERT_NE(at, std::string::npos);
  std::string block;
  std::string authors = "Fujiwara, T";
  for (int i = 0; i < 300; ++i) {
    const std::string name = "Coauthor" + std::to_string(i);
    block += "FAU - " + name + ", Hanako\nAU  - " + name +
             " H\nAD  - Department of Social Medicine, National Research Institute for Child\n"
             "      Health and Development, Okura, Setagaya-ku, Tokyo, Japan.\n";
    authors += " and " + name + ", H";
  }
  text.insert(at + anchor.size(), block);
  ASSERT_GT(text.size(), 40000u);

  const ShowResult result = Run({"show", "--medline", Write("long.txt", text)});
  ASSERT_EQ(result.exitCode, 0) << result.err;
  const auto lines = SplitRecordLines(result.out);
  ASSERT_EQ(lines.size(), std::size(kRecordFields));
  EXPECT_EQ(lines[0].second, authors);
  EXPECT_EQ(lines[1].second, "Fujiwara2015");
  EXPECT_EQ(lines[3].second, "Public Health");
  EXPECT_EQ(lines[4].second, "English");
}

}  // namespace
