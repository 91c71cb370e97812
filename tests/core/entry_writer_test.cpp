#include "core/EntryWriter.h"

#include "core/ArticleRecord.h"
#include "tests/support/CaseName.h"
#include "tests/support/FakeMessageBox.h"
#include "tests/support/RecordBuilder.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <fcntl.h>
#include <functional>
#include <linux/fs.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace {

using R = CArticleRecord;

// ---- rendering ----

struct RenderCase {
  std::string name;
  FieldValues fields;
  std::string templateBlock;
  std::string entry;
};

class RenderEntryTest : public ::testing::TestWithParam<RenderCase> {};

TEST_P(RenderEntryTest, ReplacesFirstOccurrenceOfEachPlaceholderInOrder)
{
  EXPECT_EQ(RenderEntry(MakeRecord(GetParam().fields), GetParam().templateBlock),
            GetParam().entry);
}

const FieldValues kAllFields = {
    {&R::m_strAuthors, "Smith, J; Jones, K"}, {&R::m_strCiteKey, "Smith2004"},
    {&R::m_strIssue, "3"},                    {&R::m_strJournal, "Nature"},
    {&R::m_strLanguage, "English"},           {&R::m_strNote, "12345"},
    {&R::m_strPages, "1-9"},                  {&R::m_strTitle, "On {braces} & \"quotes\""},
    {&R::m_strURL, "https://doi.org/10.1/x"}, {&R::m_strVolume, "42"},
    {&R::m_strYear, "2004"},
};

INSTANTIATE_TEST_SUITE_P(
    Placeholders, RenderEntryTest,
    ::testing::ValuesIn(std::vector<RenderCase>{
        {"AllElevenFields", kAllFields,
         "###AU###|###KEY###|###IP###|###TA###|###LA###|###NOTE###|###PG###|###TI###|###URL###|"
         "###VI###|###DP###\n",
         "Smith, J; Jones, K|Smith2004|3|Nature|English|12345|1-9|On {braces} & \"quotes\"|"
         "https://doi.org/10.1/x|42|2004\n"},
        {"OnlyFirstOccurrenceReplaced", {{&R::m_strTitle, "T"}}, "###TI### ###TI###", "T ###TI###"},
        {"PlaceholderInAnyCaseTextKeepsItsCase", {{&R::m_strTitle, "T"}, {&R::m_strYear, "Y"}},
         "Title: ###ti### Year: ###Dp### END", "Title: T Year: Y END"},
        {"FieldHoldingLaterPlaceholderTakesItsValue",
         {{&R::m_strTitle, "in ###DP###:"}, {&R::m_strYear, "2004"}}, "###TI### ###DP###",
         "in 2004: ###DP###"},
        {"FieldHoldingEarlierPlaceholderStaysLiteral",
         {{&R::m_strAuthors, "A"}, {&R::m_strYear, "###AU###"}}, "###DP### ###AU###", "###AU### A"},
        {"EmptyFieldsRemovePlaceholders", {}, "[###AU###][###NOTE###][###DP###]", "[][][]"},
        {"NoPlaceholderUnchanged", kAllFields, "plain\ntext\n", "plain\ntext\n"},
        {"BytesInsertedUnchanged", {{&R::m_strAuthors, "M\xE4rz W\\ \r\n\t"}}, "<###AU###>",
         "<M\xE4rz W\\ \r\n\t>"},
        {"BrokenPlaceholderLeftAlone", {{&R::m_strTitle, "T"}}, "##TI### ###TI##", "##TI### ###TI##"},
    }),
    CaseName<RenderCase>);

// ---- writing ----

MessageBoxRequest Box(const std::string& text, const std::string& title, MsgIcon icon)
{
  return {text, title, icon, MsgButtons::Ok};
}

void ExpectBoxes(const CFakeMessageBox& box, const std::vector<MessageBoxRequest>& expected)
{
  ASSERT_EQ(box.m_shown.size(), expected.size());
  for (std::size_t i = 0; i < expected.size(); ++i) {
    EXPECT_EQ(box.m_shown[i].text, expected[i].text);
    EXPECT_EQ(box.m_shown[i].title, expected[i].title);
    EXPECT_EQ(box.m_shown[i].icon, expected[i].icon);
    EXPECT_EQ(box.m_shown[i].buttons, expected[i].buttons);
  }
}

std::string Succeeded(const std::string& name)
{
  return "Der Datensatz wurde erfolgreich nach \"" + name + "\" importiert!";
}
std::string OpenFailed(const std::string& path)
{
  return "Fehler beim Öffnen von \"" + path + "\".";
}
std::string WriteFailed(const std::string& path)
{
  return "Fehler beim Schreiben von \"" + path + "\".";
}

const CArticleRecord kRecord = MakeRecord({{&R::m_strCiteKey, "Smith2004"}, {&R::m_strYear, "2004"}});

class WriteEntryTest : public ::testing::Test {
protected:
  CTempDir m_dir;
  CFakeMessageBox m_box;
};

TEST_F(WriteEntryTest, NewFileHoldsExactlyTheEntryWithLineFeeds)
{
  const std::string path = m_dir.File("lit.bib");
  EXPECT_EQ(WriteEntry(kRecord, "@article{###KEY###,\n  year = {###DP###}\n}\n\n", path, m_box),
            WriteOutcome::Written);
  EXPECT_EQ(ReadBytes(path), "@article{Smith2004,\n  year = {2004}\n}\n\n");
  ExpectBoxes(m_box, {Box(Succeeded("lit.bib"), "Hinweis", MsgIcon::Information)});
}

TEST_F(WriteEntryTest, AppendsAfterExistingBytesWithNothingInBetween)
{
  const std::string path = m_dir.File("Bibliographie 2024.txt");
  WriteBytes(path, "old \xE4ntry without line end");
  EXPECT_EQ(WriteEntry(kRecord, "[###KEY###]", path, m_box), WriteOutcome::Written);
  EXPECT_EQ(WriteEntry(kRecord, "[###KEY###]", path, m_box), WriteOutcome::Written);
  EXPECT_EQ(ReadBytes(path), "old \xE4ntry without line end[Smith2004][Smith2004]");
  const MessageBoxRequest note = Box(Succeeded("Bibliographie 2024.txt"), "Hinweis", MsgIcon::Information);
  ExpectBoxes(m_box, {note, note});
}

TEST_F(WriteEntryTest, RelativePathNamesOnlyTheFileInTheSuccessNote)
{
  std::filesystem::create_directories(m_dir.Path() / "sub");
  const auto previous = std::filesystem::current_path();
  std::filesystem::current_path(m_dir.Path());
  const WriteOutcome outcome = WriteEntry(kRecord, "x", "sub/out.csv", m_box);
  std::filesystem::current_path(previous);
  EXPECT_EQ(outcome, WriteOutcome::Written);
  EXPECT_EQ(ReadBytes(m_dir.File("sub/out.csv")), "x");
  ExpectBoxes(m_box, {Box(Succeeded("out.csv"), "Hinweis", MsgIcon::Information)});
}

// ---- targets that cannot take the entry ----

// Makes a file that even root cannot write to: read-only permissions and,
// for root, the immutable attribute. Clears the attribute when it ends.
class CUnwritableFile {
public:
  explicit CUnwritableFile(const std::string& path) : m_path(path)
  {
    ::chmod(path.c_str(), 0444);
    if (::geteuid() != 0) {
      m_ok = true;
      return;
    }
    m_ok = SetFlag(true);
  }
  ~CUnwritableFile()
  {
    if (m_ok && ::geteuid() == 0)
      SetFlag(false);
  }
  bool Ok() const { return m_ok; }

private:
  bool SetFlag(bool on)
  {
    const int fd = ::open(m_path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
      return false;
    int flags = 0;
    bool done = ::ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0;
    if (done) {
      flags = on ? (flags | FS_IMMUTABLE_FL) : (flags & ~FS_IMMUTABLE_FL);
      done = ::ioctl(fd, FS_IOC_SETFLAGS, &flags) == 0;
    }
    ::close(fd);
    return done;
  }
  std::string m_path;
  bool m_ok = false;
};

struct OpenFaultCase {
  std::string name;
  std::string target;  // relative to the test's folder
  std::function<void(const CTempDir&)> prepare;
  bool unwritable = false;  // "old.bib" is made unwritable
};

class WriteEntryOpenFaultTest : public WriteEntryTest,
                                public ::testing::WithParamInterface<OpenFaultCase> {};

TEST_P(WriteEntryOpenFaultTest, NothingChangesAndThePathIsNamedAsEntered)
{
  const std::string existing = "@article{Old,}\n";
  WriteBytes(m_dir.File("old.bib"), existing);
  GetParam().prepare(m_dir);
  std::unique_ptr<CUnwritableFile> guard;
  if (GetParam().unwritable) {
    guard = std::make_unique<CUnwritableFile>(m_dir.File("old.bib"));
    if (!guard->Ok())
      GTEST_SKIP() << "this file system cannot make a file unwritable for root";
  }
  const std::string path = m_dir.File(GetParam().target);

  EXPECT_EQ(WriteEntry(kRecord, "@article{###KEY###}\n", path, m_box), WriteOutcome::OpenFailed);
  ExpectBoxes(m_box, {Box(OpenFailed(path), "Fehler", MsgIcon::Error)});
  EXPECT_EQ(ReadBytes(m_dir.File("old.bib")), existing);
  EXPECT_FALSE(std::filesystem::exists(m_dir.Path() / "missing"));
  if (std::filesystem::is_directory(path)) {
    EXPECT_TRUE(std::filesystem::is_empty(path));
  }
}

INSTANTIATE_TEST_SUITE_P(
    Targets, WriteEntryOpenFaultTest,
    ::testing::ValuesIn(std::vector<OpenFaultCase>{
        {"MissingFolder", "missing/lit.bib", [](const CTempDir&) {}},
        {"FolderAsTarget", "folder.bib",
         [](const CTempDir& dir) { std::filesystem::create_directory(dir.Path() / "folder.bib"); }},
        {"ReadOnlyFile", "old.bib", [](const CTempDir&) {}, true},
    }),
    CaseName<OpenFaultCase>);

// Runs WriteEntry in a child process and reports its outcome and boxes.
struct ChildResult {
  int outcome = -1;
  std::string boxes;  // "title|text|icon" per box, one line each
  bool signalRestored = false;
};

ChildResult WriteInChild(const std::string& path, const std::string& entry, rlim_t fileSizeLimit)
{
  int pipeEnds[2];
  if (::pipe(pipeEnds) != 0)
    return {};
  const pid_t pid = ::fork();
  if (pid == 0) {
    ::close(pipeEnds[0]);
    const rlimit limit{fileSizeLimit, fileSizeLimit};
    ::setrlimit(RLIMIT_FSIZE, &limit);
    CFakeMessageBox box;
    const WriteOutcome outcome = WriteEntry(CArticleRecord(), entry, path, box);
    struct sigaction now {};
    ::sigaction(SIGXFSZ, nullptr, &now);
    std::string report = std::to_string(static_cast<int>(outcome)) + "\n" +
                         (now.sa_handler == SIG_DFL ? "restored" : "changed") + "\n";
    for (const MessageBoxRequest& shown : box.m_shown)
      report += shown.title + "|" + shown.text + "|" + std::to_string(static_cast<int>(shown.icon)) + "\n";
    const ssize_t written = ::write(pipeEnds[1], report.data(), report.size());
    ::_exit(written == static_cast<ssize_t>(report.size()) ? 0 : 1);
  }
  ::close(pipeEnds[1]);
  std::string report;
  char buffer[4096];
  ssize_t n = 0;
  while ((n = ::read(pipeEnds[0], buffer, sizeof buffer)) > 0)
    report.append(buffer, static_cast<std::size_t>(n));
  ::close(pipeEnds[0]);
  int status = 0;
  ::waitpid(pid, &status, 0);
  ChildResult result;
  if (!WIFEXITED(status) || WEXITSTATUS(status) != 0 || report.empty())
    return result;
  const std::size_t first = report.find('\n');
  const std::size_t second = report.find('\n', first + 1);
  result.outcome = std::stoi(report.substr(0, first));
  result.signalRestored = report.substr(first + 1, second - first - 1) == "restored";
  result.boxes = report.substr(second + 1);
  return result;
}

std::string ErrorLine(const std::string& text)
{
  return "Fehler|" + text + "|" + std::to_string(static_cast<int>(MsgIcon::Error)) + "\n";
}

TEST_F(WriteEntryTest, FullDiskLeavesTheFileByteIdentical)
{
  const std::string path = m_dir.File("lit.bib");
  const std::string existing = "@article{Old,\n  title = {Kept}\n}\n";
  WriteBytes(path, existing);
  // Room for a few bytes of the entry only: the write stops part way, and the
  // kernel's SIGXFSZ is not ignored by the child itself.
  const ChildResult result = WriteInChild(path, std::string(8192, 'x'), existing.size() + 10);
  EXPECT_EQ(result.outcome, static_cast<int>(WriteOutcome::WriteFailed));
  EXPECT_EQ(result.boxes, ErrorLine(WriteFailed(path)));
  EXPECT_TRUE(result.signalRestored);
  EXPECT_EQ(ReadBytes(path), existing);
}

TEST_F(WriteEntryTest, FullDiskWithNoRoomAtAllLeavesNewFileEmpty)
{
  const std::string path = m_dir.File("new.bib");
  const ChildResult result = WriteInChild(path, "entry\n", 0);
  EXPECT_EQ(result.outcome, static_cast<int>(WriteOutcome::WriteFailed));
  EXPECT_EQ(result.boxes, ErrorLine(WriteFailed(path)));
  EXPECT_EQ(ReadBytes(path), "");
}

TEST_F(WriteEntryTest, DeviceWithNoSpaceReportsWriteFailure)
{
  if (::access("/dev/full", W_OK) != 0)
    GTEST_SKIP() << "/dev/full is not available";
  EXPECT_EQ(WriteEntry(kRecord, "entry\n", "/dev/full", m_box), WriteOutcome::WriteFailed);
  ExpectBoxes(m_box, {Box(WriteFailed("/dev/full"), "Fehler", MsgIcon::Error)});
}

TEST_F(WriteEntryTest, WaitsForAnotherWritersLockBeforeAppending)
{
  const std::string path = m_dir.File("shared.bib");
  WriteBytes(path, "first\n");
  const int holder = ::open(path.c_str(), O_WRONLY | O_APPEND | O_CLOEXEC);
  ASSERT_GE(holder, 0);
  ASSERT_EQ(::flock(holder, LOCK_EX), 0);

  const pid_t pid = ::fork();
  if (pid == 0) {
    ::close(holder);  // the inherited copy would keep the lock alive
    CFakeMessageBox box;
    ::_exit(WriteEntry(kRecord, "second\n", path, box) == WriteOutcome::Written ? 0 : 1);
  }
  std::this_thread::sleep_for(std::chrono::milliseconds(300));
  int status = 0;
  EXPECT_EQ(::waitpid(pid, &status, WNOHANG), 0) << "the writer did not wait for the lock";
  EXPECT_EQ(ReadBytes(path), "first\n");

  // The holder finishes its own entry, then lets go.
  ASSERT_EQ(::write(holder, "held\n", 5), 5);
  ::close(holder);
  ASSERT_EQ(::waitpid(pid, &status, 0), pid);
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
  EXPECT_EQ(ReadBytes(path), "first\nheld\nsecond\n");
}

}  // namespace
