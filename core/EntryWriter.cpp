#include "core/EntryWriter.h"

#include "core/ArticleRecord.h"
#include "core/FormatString.h"
#include "import/ImportTools.h"
#include "platform/MessageBox.h"
#include "platform/StringTable.h"

#include <array>
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

struct Placeholder {
  const char* text;
  std::string CArticleRecord::*field;
};

// The order of replacement: a field that holds a later placeholder is itself
// subject to that later step.
constexpr std::array<Placeholder, 11> kPlaceholders{{
    {"###AU###", &CArticleRecord::m_strAuthors},
    {"###KEY###", &CArticleRecord::m_strCiteKey},
    {"###IP###", &CArticleRecord::m_strIssue},
    {"###TA###", &CArticleRecord::m_strJournal},
    {"###LA###", &CArticleRecord::m_strLanguage},
    {"###NOTE###", &CArticleRecord::m_strNote},
    {"###PG###", &CArticleRecord::m_strPages},
    {"###TI###", &CArticleRecord::m_strTitle},
    {"###URL###", &CArticleRecord::m_strURL},
    {"###VI###", &CArticleRecord::m_strVolume},
    {"###DP###", &CArticleRecord::m_strYear},
}};

// Text files on Windows end their lines with CR LF; elsewhere LF stays LF,
// so a file is never given mixed line ends.
std::string ToPlatformLineEnds(const std::string& text)
{
#ifdef _WIN32
  std::string out;
  out.reserve(text.size() + text.size() / 16);
  for (const char c : text) {
    if (c == '\n')
      out += '\r';
    out += c;
  }
  return out;
#else
  return text;
#endif
}

std::string FileNameOf(const std::string& path)
{
  const std::size_t slash = path.find_last_of("/\\");
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

bool WriteAll(int fd, const std::string& bytes)
{
  std::size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
    if (n < 0 && errno == EINTR)
      continue;
    if (n <= 0)
      return false;
    done += static_cast<std::size_t>(n);
  }
  return true;
}

bool Flush(int fd)
{
  if (::fsync(fd) == 0)
    return true;
  // Pipes and character devices have nothing to flush.
  return errno == EINVAL || errno == EROFS;
}

bool Lock(int fd)
{
  while (::flock(fd, LOCK_EX) != 0)
    if (errno != EINTR)
      return false;
  return true;
}

// A file-size limit makes the kernel send SIGXFSZ, which would end the
// program with half an entry in the file; while appending, the failed write
// is handled instead.
class CIgnoreFileSizeSignal {
public:
  CIgnoreFileSizeSignal()
  {
    struct sigaction ignore {};
    ignore.sa_handler = SIG_IGN;
    sigemptyset(&ignore.sa_mask);
    m_restore = ::sigaction(SIGXFSZ, &ignore, &m_previous) == 0;
  }
  ~CIgnoreFileSizeSignal()
  {
    if (m_restore)
      ::sigaction(SIGXFSZ, &m_previous, nullptr);
  }
  CIgnoreFileSizeSignal(const CIgnoreFileSizeSignal&) = delete;
  CIgnoreFileSizeSignal& operator=(const CIgnoreFileSizeSignal&) = delete;

private:
  struct sigaction m_previous {};
  bool m_restore = false;
};

// Cuts the file at `path` back to `length` after its descriptor failed to
// close, unless another writer has appended in the meantime.
void CutBackByPath(const std::string& path, off_t length, off_t expectedLength)
{
  const int fd = ::open(path.c_str(), O_WRONLY | O_CLOEXEC);
  if (fd < 0)
    return;
  struct stat info {};
  if (Lock(fd) && ::fstat(fd, &info) == 0 && info.st_size == expectedLength)
    (void)::ftruncate(fd, length);
  ::close(fd);
}

enum class AppendResult { Appended, OpenFailed, WriteFailed };

AppendResult AppendToFile(const std::string& path, const std::string& bytes)
{
  const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0666);
  if (fd < 0)
    return AppendResult::OpenFailed;
  struct stat info {};
  // The length is taken under the lock, after any other writer has finished.
  if (!Lock(fd) || ::fstat(fd, &info) != 0) {
    ::close(fd);
    return AppendResult::OpenFailed;
  }
  const off_t formerLength = info.st_size;
  const CIgnoreFileSizeSignal ignoreSignal;
  if (!WriteAll(fd, bytes) || !Flush(fd)) {
    (void)::ftruncate(fd, formerLength);
    ::close(fd);
    return AppendResult::WriteFailed;
  }
  if (::close(fd) != 0 && errno != EINTR) {
    CutBackByPath(path, formerLength, formerLength + static_cast<off_t>(bytes.size()));
    return AppendResult::WriteFailed;
  }
  return AppendResult::Appended;
}

}  // namespace

std::string RenderEntry(const CArticleRecord& record, const std::string& templateBlock)
{
  const CImportTools tools;
  std::string entry = templateBlock;
  for (const Placeholder& placeholder : kPlaceholders)
    entry = tools.ReplaceNoCase(entry, placeholder.text, record.*placeholder.field);
  return entry;
}

WriteOutcome WriteEntry(CArticleRecord record, std::string templateBlock, std::string path,
                        IMessageBox& messages)
{
  const std::string entry = ToPlatformLineEnds(RenderEntry(record, templateBlock));
  switch (AppendToFile(path, entry)) {
  case AppendResult::OpenFailed:
    ShowError(messages, FormatOneString(LoadResString(IDS_OPEN_FAILED), path));
    return WriteOutcome::OpenFailed;
  case AppendResult::WriteFailed:
    ShowError(messages, FormatOneString(LoadResString(IDS_WRITE_FAILED), path));
    return WriteOutcome::WriteFailed;
  case AppendResult::Appended:
    break;
  }
  ShowInformation(messages, FormatOneString(LoadResString(IDS_IMPORT_SUCCEEDED), FileNameOf(path)));
  return WriteOutcome::Written;
}
