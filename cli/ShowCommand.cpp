#include "cli/Commands.h"

#include "cli/CommandSupport.h"
#include "cli/RecordPrinter.h"
#include "cli/StreamMessageBox.h"
#include "core/ArticleRecord.h"
#include "import/ImportTools.h"
#include "import/TextFile.h"
#include "platform/CurlHttpClient.h"
#include "platform/MessageBox.h"
#include "platform/StringTable.h"
#include "settings/ImportSchema.h"

#include <ostream>

namespace {

constexpr const char* kShowSynopsis =
    "Usage: lexoria-cli show (--medline FILE | --summary FILE | --pmid PMID)\n"
    "                        [--separator TEXT] [--raw]\n";

constexpr const char* kShowDescription =
    "\n"
    "Prints the record read from a saved Medline file, a saved ESummary document\n"
    "or PubMed: one line per field, its label, a tab and its value, with\n"
    "backslash, tab, CR and LF written as \\\\, \\t, \\r, \\n.\n"
    "\n"
    "  --medline FILE    read a Medline text file\n"
    "  --summary FILE    read an ESummary document with the stored markers\n"
    "  --pmid PMID       fetch the article's summary from PubMed\n"
    "  --separator TEXT  the text between two authors (default \" and \")\n"
    "  --raw             show the author list as read, not reformatted\n"
    "  --help            show this help\n";

enum class Source { None, Medline, Summary, Pmid };

struct ShowOptions {
  Source source = Source::None;
  std::string value;  // the file or the PMID
  std::string separator = " and ";
  bool raw = false;
  bool help = false;
};

// Fills `options` from the arguments; on a usage error returns false with
// the reason in `error`.
bool ParseShowArgs(const CliArgs& args, ShowOptions& options, std::string& error)
{
  struct SourceOption {
    const char* name;
    Source source;
  };
  constexpr SourceOption kSources[] = {
      {"--medline", Source::Medline}, {"--summary", Source::Summary}, {"--pmid", Source::Pmid}};

  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (arg == "--help" || arg == "-h") {
      options.help = true;
      return true;
    }
    if (arg == "--raw") {
      options.raw = true;
      continue;
    }
    const bool takesValue = arg == "--separator" || arg == "--medline" || arg == "--summary" ||
                            arg == "--pmid";
    if (!takesValue) {
      error = "unknown argument '" + arg + "'";
      return false;
    }
    if (i + 1 == args.size()) {
      error = arg + " needs a value";
      return false;
    }
    const std::string& value = args[++i];
    if (arg == "--separator") {
      options.separator = value;
      continue;
    }
    if (options.source != Source::None) {
      error = "give only one of --medline, --summary, --pmid";
      return false;
    }
    for (const SourceOption& source : kSources)
      if (arg == source.name)
        options.source = source.source;
    options.value = value;
  }
  if (options.source == Source::None) {
    error = "give one of --medline, --summary, --pmid";
    return false;
  }
  if (options.source == Source::Pmid && options.value.empty()) {
    error = "--pmid needs a PMID";
    return false;
  }
  return true;
}

// Reads the record from the chosen source; false after a message.
bool ReadRecord(const ShowOptions& options, CArticleRecord& record, IMessageBox& messages)
{
  const CImportTools tools;
  std::string text;
  switch (options.source) {
  case Source::Medline:
    if (!ReadTextFile(text, options.value, messages))
      return false;
    tools.ParseMedline(text, record, options.separator);
    return true;
  case Source::Summary:
    if (!ReadTextFile(text, options.value, messages))
      return false;
    tools.ParseSummary(text, record, LoadStoredSchema(), options.separator);
    break;
  case Source::Pmid: {
    if (!StartNetworkLayer(messages))
      return false;
    CCurlHttpClient http;
    const CImportSchema schema = LoadStoredSchema();
    if (!tools.FetchUrlText(text, schema.m_strCommand, options.value, http, messages))
      return false;
    tools.ParseSummary(text, record, schema, options.separator);
    break;
  }
  case Source::None:
    return false;
  }
  // A summary that holds none of the configured items names no article.
  if (record.IsEmpty()) {
    ShowError(messages, LoadResString(IDS_NO_RECORDS_FOUND));
    return false;
  }
  return true;
}

}  // namespace

int RunShow(const CliArgs& args, CliStreams& io)
{
  ShowOptions options;
  std::string error;
  const bool parsed = ParseShowArgs(args, options, error);
  const CommandUsage usage{"show", kShowSynopsis, kShowDescription};
  if (const int status = AnswerUsage(usage, parsed, error, options.help, io); status >= 0)
    return status;

  CStreamMessageBox messages(io.err);
  CArticleRecord record;
  if (!ReadRecord(options, record, messages))
    return 1;
  if (!options.raw)
    record.m_strAuthors = CImportTools().FormatAuthorList(record.m_strAuthors, options.separator);
  PrintRecord(io.out, record);
  return 0;
}
