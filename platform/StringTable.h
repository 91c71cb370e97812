#pragma once

#include <string>

// Numbered user-visible texts. The table is read from the shipped file
// share/lexoria/strings.txt beside the program's bin/ folder on first use;
// an entry that the file does not hold comes from the compiled-in copy.
namespace StringTable {

// Replaces the loaded table with the entries of the file at `path`. Returns
// false, and leaves the table empty, when the file cannot be read.
bool LoadFile(const std::string& path);

// Replaces the loaded table with the entries of `text` (the file's format).
void LoadText(const std::string& text);

// The entry's text from the loaded table; false when it has no such entry
// or the entry is empty.
bool TryLoad(unsigned id, std::string& text);

}  // namespace StringTable

// The text of entry `id`: the loaded table's, else the compiled-in copy.
std::string LoadResString(unsigned id);

// Numbers of the table's entries.
enum StringId : unsigned {
  IDS_ABOUTBOX = 101,
  IDS_SOCKETS_INIT_FAILED = 103,
  IDS_SEARCH_AUTHORS_TIP = 1012,
  IDS_DEFAULT_END_AUTHOR = 57666,  // 57666..57675: end markers, Author..Year
  IDS_DEFAULT_START_AUTHOR = 57676,  // 57676..57685: start markers, Author..Year
  IDS_ARE_YOU_SURE = 57686,
  IDS_SAVE_SETTINGS_QUESTION = 57687,
  IDS_FILTER_TARGET = 57688,
  IDS_FILTER_TEMPLATE = 57689,
  IDS_FILTER_MEDLINE = 57690,
  IDS_ERROR = 57691,
  IDS_REQUIRED_FIELDS = 57692,
  IDS_DEFAULT_COMMAND = 57693,
  IDS_CONNECTION_FAILED = 57694,
  IDS_NO_RECORDS_FOUND = 57695,
  IDS_OPEN_FAILED = 57696,
  IDS_IMPORT_SUCCEEDED = 57697,
  IDS_NOTE = 57698,
  IDS_DEFAULT_COMMAND_SEARCH = 57699,
  IDS_TAKE_OVER_PMID = 57700,
  IDS_NO_PMID_SELECTED = 57701,
  IDS_DEFAULT_COMMAND_URL = 57702,
  IDS_SAVE_RECORD_QUESTION = 57703,
  IDS_TEMPLATE_FAULTY = 57704,
  IDS_WRITE_FAILED = 57705,
  IDS_MAX_CHARS = 61715,
};
