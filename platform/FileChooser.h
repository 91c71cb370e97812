#pragma once

#include <string>

struct FileChooserRequest {
  std::string filter;            // "Name (*.x)|*.x|...||", as in the string table
  std::string defaultExtension;  // without the dot
  std::string initialName;       // e.g. "*.bib"
  bool createPrompt = false;     // ask before accepting a name that does not exist
};

// The open-file dialog. Returns true with the chosen file's full path.
class IFileChooser {
public:
  virtual ~IFileChooser() = default;
  virtual bool ChooseFile(const FileChooserRequest& request, std::string& path) = 0;
};
