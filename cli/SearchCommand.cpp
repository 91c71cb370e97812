#include "cli/Commands.h"

#include "cli/CommandSupport.h"
#include "cli/HitPrinter.h"
#include "cli/StreamMessageBox.h"
#include "platform/BusyCursor.h"
#include "platform/CurlHttpClient.h"
#include "platform/MessageBox.h"
#include "platform/StringTable.h"
#include "search/SearchRun.h"
#include "search/SearchTerm.h"
#include "settings/ImportSchema.h"

#include <algorithm>
#include <iterator>
#include <ostream>

namespace {

constexpr const char* kSearchSynopsis =
    "Usage: lexoria-cli search [--author TEXT] [--title TEXT] [--journal TEXT] [--year TEXT]\n"
    "                          [--volume TEXT] [--issue TEXT] [--page TEXT] [--tsv]\n";

constexpr const char* kSearchDescription =
    "\n"
    "Searches PubMed with the stored search and summary URLs and prints one row\n"
    "per hit as it arrives: PMID, authors, title, year, journal and\n"
    "\"volume (issue) pages\". Criteria left out are not searched for; several\n"
    "authors are separated by \"&\". Exits with 1 when nothing is found.\n"
    "\n"
    "  --author TEXT   authors, e.g. \"Smith J & Miller A\"\n"
    "  --title TEXT    words of the title\n"
    "  --journal TEXT  journal\n"
    "  --year TEXT     year of publication\n"
    "  --volume TEXT   volume\n"
    "  --issue TEXT    issue\n"
    "  --page TEXT     first page\n"
    "  --tsv           tab-separated rows without heading, with backslash, tab,\n"
    "                  CR and LF written as \\\\, \\t, \\r, \\n\n"
    "  --help          show this help\n";

struct SearchOptions {
  CSearchCriteria criteria;
  bool tsv = false;
  bool help = false;
};

// Fills `options` from the arguments; on a usage error returns false with
// the reason in `error`.
bool ParseSearchArgs(const CliArgs& args, SearchOptions& options, std::string& error)
{
  const struct {
    const char* name;
    std::string CSearchCriteria::*member;
  } kCriteria[] = {
      {"--author", &CSearchCriteria::m_strAuthors}, {"--title", &CSearchCriteria::m_strTitleWords},
      {"--journal", &CSearchCriteria::m_strJournal}, {"--year", &CSearchCriteria::m_strYear},
      {"--volume", &CSearchCriteria::m_strVolume},  {"--issue", &CSearchCriteria::m_strIssue},
      {"--page", &CSearchCriteria::m_strFirstPage},
  };

  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (arg == "--help" || arg == "-h") {
      options.help = true;
      return true;
    }
    if (arg == "--tsv") {
      options.tsv = true;
      continue;
    }
    const auto* criterion = std::find_if(std::begin(kCriteria), std::end(kCriteria),
                                         [&arg](const auto& c) { return arg == c.name; });
    if (criterion == std::end(kCriteria)) {
      error = "unknown argument '" + arg + "'";
      return false;
    }
    if (i + 1 == args.size()) {
      error = arg + " needs a value";
      return false;
    }
    options.criteria.*criterion->member = args[++i];
  }
  return true;
}

}  // namespace

int RunSearch(const CliArgs& args, CliStreams& io)
{
  SearchOptions options;
  std::string error;
  const bool parsed = ParseSearchArgs(args, options, error);
  const CommandUsage usage{"search", kSearchSynopsis, kSearchDescription};
  if (const int status = AnswerUsage(usage, parsed, error, options.help, io); status >= 0)
    return status;

  CStreamMessageBox messages(io.err);
  if (!StartNetworkLayer(messages))
    return 1;
  CCurlHttpClient http;
  CNoBusyCursor busy;
  CHitPrinter hits(io.out, options.tsv);
  const CSearchRun run(LoadStoredSchema(), http, busy, messages, messages);
  run.Run(BuildSearchTerm(options.criteria), hits);
  return hits.GetItemCount() > 0 ? 0 : 1;
}
