// A 20-hit search against the fake service with 50 ms added to every answer,
// through the real HTTP client and its spacing of requests to one host.
#include "platform/BusyCursor.h"
#include "platform/CurlHttpClient.h"
#include "search/SearchRun.h"
#include "settings/ImportSchema.h"
#include "tests/support/FakeEutilsServer.h"
#include "tests/support/FakeMessageBox.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <string>
#include <vector>

namespace {

class CCountingHitList : public IHitList {
public:
  void DeleteAllItems() override { m_count = 0; }
  int GetItemCount() const override { return m_count; }
  void InsertItem(int, const HitRowTexts&) override { ++m_count; }

private:
  int m_count = 0;
};

std::vector<std::string> TwentyPmids()
{
  std::vector<std::string> pmids;
  for (int pmid = 25946286; pmid <= 25946304; ++pmid)
    pmids.push_back(std::to_string(pmid));
  pmids.push_back("25950269");
  return pmids;
}

void BM_TwentyHitSearch(benchmark::State& state)
{
  InitNetworkLayer();
  CFakeEutilsServer server;
  std::string answer = "<eSearchResult><IdList>";
  for (const std::string& pmid : TwentyPmids()) {
    server.AddSummaryFile(pmid, "esummary/by-id/" + pmid + ".xml");
    answer += "<Id>" + pmid + "</Id>";
  }
  server.AddSearch("Marlow+N[author]", answer + "</IdList></eSearchResult>");
  server.SetDelay(std::chrono::milliseconds(50));

  CImportSchema schema;
  schema.SetDefaults();
  schema.m_strCommand = server.SummaryTemplate();
  schema.m_strCommandSearch = server.SearchTemplate();
  CCurlHttpClient http;  // the program's own spacing of 1/3 s
  CNoBusyCursor busy;
  CFakeMessageBox messages;
  const CSearchRun run(schema, http, busy, messages, messages);
  CCountingHitList hits;

  std::chrono::duration<double> total{};
  for (auto _ : state) {
    const auto start = std::chrono::steady_clock::now();
    run.Run("Marlow+N[author]", hits);
    total += std::chrono::steady_clock::now() - start;
  }

  if (hits.GetItemCount() != 20 || !messages.m_shown.empty())
    state.SkipWithError("the search did not list 20 hits");
  // 21 requests are 20 intervals apart; the last answer adds its 50 ms.
  constexpr double kFloorSeconds = 20.0 / 3.0 + 0.050;
  const double seconds = total.count() / static_cast<double>(state.iterations());
  state.counters["floor_s"] = kFloorSeconds;
  state.counters["search_s"] = seconds;
  state.counters["above_floor_pct"] = (seconds / kFloorSeconds - 1.0) * 100.0;
}

}  // namespace

BENCHMARK(BM_TwentyHitSearch)->Unit(benchmark::kSecond)->UseRealTime()->Iterations(2);
