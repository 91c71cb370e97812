#pragma once

#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

// A fresh folder under the system's temporary folder, removed with its
// content when the object ends.
class CTempDir {
public:
  CTempDir()
  {
    std::string pattern = (std::filesystem::temp_directory_path() / "lexoria-XXXXXX").string();
    if (::mkdtemp(pattern.data()) != nullptr)
      m_path = pattern;
  }
  ~CTempDir()
  {
    std::error_code ignored;
    std::filesystem::remove_all(m_path, ignored);
  }
  CTempDir(const CTempDir&) = delete;
  CTempDir& operator=(const CTempDir&) = delete;

  const std::filesystem::path& Path() const { return m_path; }
  std::string File(const std::string& name) const { return (m_path / name).string(); }

private:
  std::filesystem::path m_path;
};

// The whole file as bytes; empty when it cannot be read.
inline std::string ReadBytes(const std::string& path)
{
  std::ifstream in(path, std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

inline void WriteBytes(const std::string& path, const std::string& bytes)
{
  std::ofstream(path, std::ios::binary) << bytes;
}
