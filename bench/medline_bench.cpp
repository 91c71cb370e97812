#include "bench/RepeatText.h"
#include "core/ArticleRecord.h"
#include "import/ImportTools.h"

#include <benchmark/benchmark.h>

#include <fstream>
#include <string>

namespace {

// Real exported records, repeated until the text reaches `size` bytes.
std::string MedlineText(std::size_t size)
{
  std::string records;
#ifdef LEXORIA_TEST_DATA_DIR
  for (const char* name : {"biopython_pubmed_result4.txt", "pybliographer_pubmed_7records_2001_UI.med",
                           "rayyan_example1_10records_crlf.nbib",
                           "synthesisr_PubMed_example_3records.txt",
                           "zotero_MEDLINEnbib_case4_pmid25744111.txt"}) {
    std::ifstream file(std::string(LEXORIA_TEST_DATA_DIR "/medline/") + name, std::ios::binary);
    std::string bytes{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    for (const char c : bytes)
      if (c != '\r')
        records += c;
    records += "\n\n";
  }
#endif
  if (records.size() < 16)
    records = "PMID- 1\nAU  - Smith J\nTI  - A title that\n      wraps.\nDP  - 2002\n\n";
  return RepeatToSize(records, size);
}

void BM_ParseMedline(benchmark::State& state)
{
  const std::string text = MedlineText(static_cast<std::size_t>(state.range(0)));
  const CImportTools tools;
  for (auto _ : state) {
    CArticleRecord record;
    tools.ParseMedline(text, record, " and ");
    benchmark::DoNotOptimize(record);
  }
  state.SetBytesProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_ParseMedline)->Arg(128 << 10)->Arg(1 << 20)->Arg(8 << 20)->Unit(benchmark::kMillisecond);

void BM_CollectBetween(benchmark::State& state)
{
  const std::string text = MedlineText(static_cast<std::size_t>(state.range(0)));
  const CImportTools tools;
  for (auto _ : state)
    benchmark::DoNotOptimize(tools.CollectBetween(text, "AU  - ", "\n", " and "));
  state.SetBytesProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_CollectBetween)->Arg(128 << 10)->Arg(1 << 20)->Arg(8 << 20)->Unit(benchmark::kMillisecond);

void BM_FormatAuthorList(benchmark::State& state)
{
  std::string authors;
  while (authors.size() < static_cast<std::size_t>(state.range(0)))
    authors += "van der Berg JH and ";
  const CImportTools tools;
  for (auto _ : state)
    benchmark::DoNotOptimize(tools.FormatAuthorList(authors, " and "));
  state.SetBytesProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_FormatAuthorList)->Arg(128 << 10)->Arg(1 << 20)->Arg(8 << 20)->Unit(benchmark::kMillisecond);

}  // namespace
