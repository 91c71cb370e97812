#pragma once

#include "platform/FileChooser.h"

#include <optional>
#include <string>
#include <vector>

// Records every request; answers with the scripted path, or as a cancelled
// chooser when none is scripted.
class CFakeFileChooser : public IFileChooser {
public:
  bool ChooseFile(const FileChooserRequest& request, std::string& path) override
  {
    m_requests.push_back(request);
    if (!m_answer)
      return false;
    path = *m_answer;
    return true;
  }

  std::optional<std::string> m_answer;
  std::vector<FileChooserRequest> m_requests;
};
