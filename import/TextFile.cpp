#include "import/TextFile.h"

#include "core/FormatString.h"
#include "platform/MessageBox.h"
#include "platform/StringTable.h"

#include <cstdio>
#include <filesystem>
#include <memory>

namespace {

constexpr std::size_t kMaxFileBytes = std::size_t{64} << 20;

struct FileCloser {
  void operator()(std::FILE* file) const { std::fclose(file); }
};

// Reads the whole file as bytes; false when it cannot be opened or read, or
// holds more than kMaxFileBytes.
bool ReadAllBytes(const std::string& path, std::string& bytes)
{
  std::unique_ptr<std::FILE, FileCloser> file(std::fopen(path.c_str(), "rb"));
  if (!file)
    return false;
  // Refuse an oversized file before reading any of it; the count below
  // still guards what has no size, such as a pipe.
  std::error_code error;
  const std::uintmax_t size = std::filesystem::file_size(path, error);
  if (!error && size > kMaxFileBytes)
    return false;
  char chunk[65536];
  for (;;) {
    const std::size_t count = std::fread(chunk, 1, sizeof chunk, file.get());
    bytes.append(chunk, count);
    if (bytes.size() > kMaxFileBytes)
      return false;
    if (count < sizeof chunk)
      return std::ferror(file.get()) == 0;  // a folder, for one, fails here
  }
}

// The text as a text-mode read delivers it: ending at the first NUL byte,
// each CR LF pair turned into LF.
std::string AsText(const std::string& bytes)
{
  const std::size_t end = bytes.find('\0');
  const std::size_t size = end == std::string::npos ? bytes.size() : end;
  std::string text;
  text.reserve(size);
  for (std::size_t i = 0; i < size; ++i)
    if (!(bytes[i] == '\r' && i + 1 < size && bytes[i + 1] == '\n'))
      text += bytes[i];
  return text;
}

}  // namespace

bool ReadTextFile(std::string& text, const std::string& path, IMessageBox& messages)
{
  std::string bytes;
  if (!ReadAllBytes(path, bytes)) {
    ShowError(messages, FormatOneString(LoadResString(IDS_OPEN_FAILED), path));
    return false;
  }
  if (bytes.empty())
    return false;
  text = AsText(bytes);
  return true;
}
