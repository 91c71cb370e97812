// Speed of the on-line import: cutting fields out of ESummary documents of
// growing size, and fetching a document over a kept loopback connection.
// Needs the test helpers (the fake service, the fixtures), built with the tests.
#ifdef LEXORIA_TEST_DATA_DIR
#include "bench/RepeatText.h"
#include "core/ArticleRecord.h"
#include "import/ImportTools.h"
#include "platform/CurlHttpClient.h"
#include "settings/ImportSchema.h"
#include "tests/support/FakeEutilsServer.h"
#include "tests/support/FakeMessageBox.h"
#include "tests/support/TempDir.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

// The 20 real records of one answer, repeated until the text reaches `size` bytes.
std::string SummaryText(std::size_t size)
{
  const std::string records = ReadBytes(LEXORIA_TEST_DATA_DIR "/esummary/jds_nejm_esummary_20records_utf8.xml");
  return RepeatToSize(records, size);
}

void BM_ParseSummary(benchmark::State& state)
{
  const std::string text = SummaryText(static_cast<std::size_t>(state.range(0)));
  CImportSchema schema;
  schema.SetDefaults();
  const CImportTools tools;
  for (auto _ : state) {
    CArticleRecord record;
    tools.ParseSummary(text, record, schema, " and ");
    benchmark::DoNotOptimize(record);
  }
  state.SetBytesProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_ParseSummary)->Arg(46 << 10)->Arg(1 << 20)->Arg(64 << 20)->Unit(benchmark::kMillisecond);

void BM_FetchUrlText(benchmark::State& state)
{
  CFakeEutilsServer server;
  server.AddSummary("1", SummaryText(static_cast<std::size_t>(state.range(0))));
  CCurlHttpClient::Options options;
  options.minIntervalMilliseconds = 0;  // the service's pacing would dominate
  CCurlHttpClient http(options);
  CFakeMessageBox box;
  const CImportTools tools;
  for (auto _ : state) {
    std::string document;
    if (!tools.FetchUrlText(document, server.SummaryTemplate(), "1", http, box))
      state.SkipWithError("fetch failed");
    benchmark::DoNotOptimize(document);
  }
  state.SetBytesProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_FetchUrlText)->Arg(32 << 10)->Arg(5 << 20)->Unit(benchmark::kMillisecond);

}  // namespace

#endif
