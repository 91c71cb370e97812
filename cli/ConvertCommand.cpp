#include "cli/Commands.h"

#include "cli/CommandSupport.h"
#include "cli/RecordPrinter.h"
#include "cli/StreamMessageBox.h"
#include "core/ConversionRun.h"
#include "core/FormatString.h"
#include "platform/BusyCursor.h"
#include "platform/CurlHttpClient.h"
#include "platform/MemoryProfileStore.h"
#include "platform/MessageBox.h"
#include "platform/StringTable.h"
#include "settings/ImportSchema.h"
#include "settings/MainSettings.h"

#include <algorithm>
#include <cctype>
#include <istream>
#include <ostream>

namespace {

constexpr const char* kConvertSynopsis =
    "Usage: lexoria-cli convert (--pmid PMID | --medline FILE) --template FILE.sty\n"
    "                           (--target FILE | --stdout) [--yes]\n";

constexpr const char* kConvertDescription =
    "\n"
    "Turns one record into an entry through a template file and appends it to\n"
    "the target file, as \"Konvertieren...\" does in the main window. The record\n"
    "is printed to standard error and the program asks before writing.\n"
    "\n"
    "  --pmid PMID       fetch the article's summary from PubMed (stored schema)\n"
    "  --medline FILE    read a Medline text file\n"
    "  --template FILE   the template file (*.sty)\n"
    "  --target FILE     append the entry to this file\n"
    "  --stdout          print only the entry to standard output instead\n"
    "  --yes             write without asking (needed without a terminal)\n"
    "  --help            show this help\n"
    "\n"
    "Exit status: 0 written or printed, 1 a message ended the run or the answer\n"
    "was no, 2 a usage error. The main window's stored inputs are not changed.\n";

// Stands for the target in the run's inputs when the entry goes to stdout.
constexpr const char* kStdoutTarget = "-";

struct ConvertOptions {
  CMainSettings inputs;
  bool haveSource = false;
  bool haveTemplate = false;
  bool haveTarget = false;
  bool toStdout = false;
  bool yes = false;
  bool help = false;
};

// Fills `options` from the arguments; on a usage error returns false with
// the reason in `error`.
bool ParseConvertArgs(const CliArgs& args, ConvertOptions& options, std::string& error)
{
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (arg == "--help" || arg == "-h") {
      options.help = true;
      return true;
    }
    if (arg == "--yes") {
      options.yes = true;
      continue;
    }
    if (arg == "--stdout") {
      if (options.haveTarget) {
        error = "give only one of --target, --stdout";
        return false;
      }
      options.haveTarget = options.toStdout = true;
      options.inputs.m_strExportFile = kStdoutTarget;
      continue;
    }
    if (arg != "--pmid" && arg != "--medline" && arg != "--template" && arg != "--target") {
      error = "unknown argument '" + arg + "'";
      return false;
    }
    if (i + 1 == args.size()) {
      error = arg + " needs a value";
      return false;
    }
    const std::string& value = args[++i];
    if (arg == "--template") {
      options.haveTemplate = true;
      options.inputs.m_strTemplateFile = value;
    } else if (arg == "--target") {
      if (options.haveTarget) {
        error = "give only one of --target, --stdout";
        return false;
      }
      options.haveTarget = true;
      options.inputs.m_strExportFile = value;
    } else {
      if (options.haveSource) {
        error = "give only one of --pmid, --medline";
        return false;
      }
      options.haveSource = true;
      const bool pmid = arg == "--pmid";
      options.inputs.m_nImportFormat = pmid ? 0 : 1;
      (pmid ? options.inputs.m_strPubMedID : options.inputs.m_strImportFile) = value;
    }
  }
  if (!options.haveSource)
    error = "give one of --pmid, --medline";
  else if (!options.haveTemplate)
    error = "give --template";
  else if (!options.haveTarget)
    error = "give one of --target, --stdout";
  return error.empty();
}

bool IsYes(std::string answer)
{
  std::transform(answer.begin(), answer.end(), answer.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return answer == "y" || answer == "yes" || answer == "j" || answer == "ja";
}

// The preview on a terminal: the record is printed and the question asked
// there, unless the answer was given in advance.
class CTerminalRecordPreview : public IRecordPreview {
public:
  CTerminalRecordPreview(CliStreams& io, bool yes) : m_io(io), m_yes(yes) {}

  bool Confirm(CArticleRecord& record) override
  {
    PrintRecord(m_io.err, record);
    if (m_yes)
      return true;
    if (!m_io.inIsTerminal) {
      m_io.err << "lexoria-cli convert: nothing written: there is no terminal to ask "
                  "whether to save the record; give --yes to save it without asking\n";
      return false;
    }
    std::string question = LoadResString(IDS_SAVE_RECORD_QUESTION);
    question = question.substr(0, question.find('\n'));
    m_io.err << question << " [y/n] " << std::flush;
    std::string answer;
    return std::getline(m_io.in, answer) && IsYes(answer);
  }

private:
  CliStreams& m_io;
  bool m_yes;
};

// Prints the entry's bytes instead of appending them, so that redirecting
// the output to a file appends the very same bytes.
class CStreamEntrySink : public IEntrySink {
public:
  explicit CStreamEntrySink(std::ostream& out) : m_out(out) {}

  WriteOutcome Deliver(const CArticleRecord& record, const std::string& templateBlock,
                       const std::string& targetPath, IMessageBox& messages) override
  {
    const std::string entry = RenderEntry(record, templateBlock);
    m_out.write(entry.data(), static_cast<std::streamsize>(entry.size()));
    m_out.flush();
    if (m_out)
      return WriteOutcome::Written;
    ShowError(messages, FormatOneString(LoadResString(IDS_WRITE_FAILED), targetPath));
    return WriteOutcome::WriteFailed;
  }

private:
  std::ostream& m_out;
};

}  // namespace

int RunConvert(const CliArgs& args, CliStreams& io)
{
  ConvertOptions options;
  std::string error;
  const bool parsed = ParseConvertArgs(args, options, error);
  const CommandUsage usage{"convert", kConvertSynopsis, kConvertDescription};
  if (const int status = AnswerUsage(usage, parsed, error, options.help, io); status >= 0)
    return status;

  CStreamMessageBox messages(io.err);
  if (options.inputs.m_nImportFormat == 0 && !StartNetworkLayer(messages))
    return 1;
  CCurlHttpClient http;
  CNoBusyCursor busy;
  // The run stores its inputs at its end; here they go nowhere, so the main
  // window's stored inputs stay as they are.
  CMemoryProfileStore discarded;
  CTerminalRecordPreview preview(io, options.yes);
  CFileEntrySink fileSink;
  CStreamEntrySink stdoutSink(io.out);
  IEntrySink& sink = options.toStdout ? static_cast<IEntrySink&>(stdoutSink) : fileSink;
  CConversionServices services{messages, messages, http, busy, discarded, preview, sink};

  CConversionRun run;
  return run.Run(options.inputs, LoadStoredSchema(), services) == RunOutcome::Written ? 0 : 1;
}
