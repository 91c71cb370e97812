#include "cli/SettingsCommand.h"

#include "cli/RecordPrinter.h"
#include "platform/ProfileStore.h"
#include "platform/QtProfileStore.h"
#include "settings/ImportSchema.h"
#include "settings/MainSettings.h"

#include <charconv>
#include <ostream>

namespace {

constexpr const char* kUsage =
    "Usage: lexoria-cli settings                  print where the settings live and all 28 values\n"
    "       lexoria-cli settings --set KEY VALUE  store one value (a key of Schema or Settings)\n"
    "       lexoria-cli settings --reset-schema   store the 23 default values of Schema\n"
    "\n"
    "Values are printed as Section/Key, a tab, the value, with \\\\, \\t, \\r and \\n\n"
    "standing for a backslash, tab, carriage return and line feed.\n";

int UsageError(CliStreams& io, const std::string& problem)
{
  io.err << "lexoria-cli settings: " << problem << "\n\n" << kUsage;
  return 2;
}

void PrintValue(std::ostream& out, const char* section, const std::string& key,
                const std::string& value)
{
  out << section << '/' << key << '\t' << EscapeFieldValue(value) << '\n';
}

int Print(CliStreams& io, IProfileStore& store)
{
  CImportSchema schema;
  schema.SetDefaults();
  schema.Load(store);
  CMainSettings settings;
  settings.Load(store);

  io.out << "Location\t" << EscapeFieldValue(store.Location()) << '\n';
  for (const std::string& key : CImportSchema::KeyNames())
    PrintValue(io.out, CImportSchema::SectionName(), key, *schema.Member(key));
  for (const std::string& key : CMainSettings::TextKeyNames())
    PrintValue(io.out, CMainSettings::SectionName(), key, *settings.TextMember(key));
  PrintValue(io.out, CMainSettings::SectionName(), CMainSettings::ImportFormatKey(),
             std::to_string(settings.m_nImportFormat));
  return 0;
}

int Set(CliStreams& io, IProfileStore& store, const std::string& key, const std::string& value)
{
  CImportSchema schema;
  if (schema.Member(key) != nullptr) {
    store.WriteProfileString(CImportSchema::SectionName(), key, value);
    return 0;
  }
  CMainSettings settings;
  if (settings.TextMember(key) != nullptr) {
    store.WriteProfileString(CMainSettings::SectionName(), key, value);
    return 0;
  }
  if (key == CMainSettings::ImportFormatKey()) {
    int number = 0;
    const char* end = value.data() + value.size();
    const auto [stop, error] = std::from_chars(value.data(), end, number);
    if (value.empty() || error != std::errc() || stop != end)
      return UsageError(io, "ImportFormat takes an integer, not '" + value + "'");
    store.WriteProfileInt(CMainSettings::SectionName(), key, number);
    return 0;
  }
  return UsageError(io, "unknown key '" + key + "'");
}

}  // namespace

int RunSettingsOn(const CliArgs& args, CliStreams& io, IProfileStore& store)
{
  if (args.empty())
    return Print(io, store);
  if (args[0] == "--help" || args[0] == "-h") {
    io.out << kUsage;
    return 0;
  }
  if (args[0] == "--set") {
    if (args.size() != 3)
      return UsageError(io, "--set takes a key and a value");
    return Set(io, store, args[1], args[2]);
  }
  if (args[0] == "--reset-schema") {
    if (args.size() != 1)
      return UsageError(io, "--reset-schema takes no arguments");
    CImportSchema schema;
    schema.SetDefaults();
    schema.Save(store);
    return 0;
  }
  return UsageError(io, "unknown option '" + args[0] + "'");
}

int RunSettings(const CliArgs& args, CliStreams& io)
{
  CQtProfileStore store;
  return RunSettingsOn(args, io, store);
}
