#include "platform/StringTable.h"

#include "platform/BuiltinStrings.h"
#include "platform/ProgramPaths.h"

#include <fstream>
#include <map>
#include <sstream>

namespace {

struct LoadedTable {
  bool loaded = false;
  std::map<unsigned, std::string> entries;
};

LoadedTable& Table()
{
  static LoadedTable table;
  return table;
}

std::string Unescape(const std::string& text)
{
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\\' && i + 1 < text.size()) {
      const char next = text[++i];
      out += next == 'n' ? '\n' : next == 't' ? '\t' : next;
    } else {
      out += text[i];
    }
  }
  return out;
}

void EnsureLoaded()
{
  if (!Table().loaded)
    StringTable::LoadFile(ProgramDataDir() + "/strings.txt");
}

}  // namespace

bool StringTable::LoadFile(const std::string& path)
{
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    LoadText("");
    return false;
  }
  std::ostringstream text;
  text << in.rdbuf();
  LoadText(text.str());
  return true;
}

void StringTable::LoadText(const std::string& text)
{
  LoadedTable& table = Table();
  table.loaded = true;
  table.entries.clear();
  std::istringstream lines(text);
  std::string line;
  while (std::getline(lines, line)) {
    if (!line.empty() && line.back() == '\r')
      line.pop_back();
    const std::size_t tab = line.find('\t');
    if (line.empty() || line[0] == '#' || tab == std::string::npos)
      continue;
    try {
      const unsigned long id = std::stoul(line.substr(0, tab));
      table.entries[static_cast<unsigned>(id)] = Unescape(line.substr(tab + 1));
    } catch (const std::exception&) {
      // A line without a number is not an entry.
    }
  }
}

bool StringTable::TryLoad(unsigned id, std::string& text)
{
  EnsureLoaded();
  const auto& entries = Table().entries;
  const auto it = entries.find(id);
  if (it == entries.end() || it->second.empty())
    return false;
  text = it->second;
  return true;
}

std::string LoadResString(unsigned id)
{
  std::string text;
  if (StringTable::TryLoad(id, text))
    return text;
  for (const BuiltinString& entry : BuiltinStrings())
    if (entry.id == id)
      return std::string(entry.text);
  return {};
}
