#include "import/TextFile.h"
#include "tests/support/CaseName.h"
#include "tests/support/FakeMessageBox.h"
#include "tests/support/MessageBoxChecks.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

namespace fs = std::filesystem;

namespace {

constexpr std::uintmax_t kLimit = std::uintmax_t{64} << 20;

class TextFileTest : public testing::Test {
protected:
  std::string Write(const std::string& name, const std::string& bytes)
  {
    WriteBytes(m_dir.File(name), bytes);
    return m_dir.File(name);
  }

  std::string Sized(const std::string& name, std::uintmax_t size)
  {
    const std::string path = Write(name, "");
    fs::resize_file(path, size);
    return path;
  }

  static MessageBoxRequest OpenError(const std::string& path)
  {
    return {"Fehler beim \xC3\x96""ffnen von \"" + path + "\".", "Fehler", MsgIcon::Error,
            MsgButtons::Ok};
  }

  CTempDir m_dir;
};

struct ContentCase {
  const char* name;
  std::string bytes;
  std::string expected;
};

class ReadTextFileContent : public TextFileTest, public testing::WithParamInterface<ContentCase> {};

TEST_P(ReadTextFileContent, ReadsText)
{
  const ContentCase& c = GetParam();
  const std::string path = Write("in.txt", c.bytes);
  CFakeMessageBox box;
  std::string text = "before";
  EXPECT_TRUE(ReadTextFile(text, path, box));
  EXPECT_EQ(text, c.expected);
  EXPECT_TRUE(box.m_shown.empty());
}

const ContentCase kContentCases[] = {
    {"Plain", "AU  - Smith J\nTI  - T.\n", "AU  - Smith J\nTI  - T.\n"},
    {"NoFinalLineFeed", "a\nb", "a\nb"},
    {"CrLfBecomesLf", "a\r\nb\r\n", "a\nb\n"},
    {"LoneCrStays", "a\rb\r", "a\rb\r"},
    {"CrCrLf", "a\r\r\n", "a\r\n"},
    {"EndsAtNul", std::string("abc\0def", 7), "abc"},
    {"CrBeforeNulStays", std::string("a\r\0\n", 4), "a\r"},
    {"OnlyNulGivesEmptyText", std::string("\0x", 2), ""},
    {"OnlyCrLf", "\r\n", "\n"},
    {"HighBytesKept", "M\xFCller \xC3\xA9", "M\xFCller \xC3\xA9"},
};

INSTANTIATE_TEST_SUITE_P(Cases, ReadTextFileContent, testing::ValuesIn(kContentCases),
                         CaseName<ContentCase>);

TEST_F(TextFileTest, TextLongerThanOneReadBufferIsWhole)
{
  std::string bytes;
  std::string expected;
  for (int i = 0; bytes.size() < 300000; ++i) {
    bytes += "AU  - Author" + std::to_string(i) + " A\r\n";
    expected += "AU  - Author" + std::to_string(i) + " A\n";
  }
  const std::string path = Write("long.txt", bytes);
  CFakeMessageBox box;
  std::string text;
  EXPECT_TRUE(ReadTextFile(text, path, box));
  EXPECT_EQ(text, expected);
}

TEST_F(TextFileTest, EmptyFileReturnsFalseSilently)
{
  const std::string path = Write("empty.txt", "");
  CFakeMessageBox box;
  std::string text = "before";
  EXPECT_FALSE(ReadTextFile(text, path, box));
  EXPECT_EQ(text, "before");
  EXPECT_TRUE(box.m_shown.empty());
}

TEST_F(TextFileTest, UnreadablePathsShowTheOpenError)
{
  const std::string missing = m_dir.File("missing.txt");
  const std::string folder = m_dir.Path().string();
  for (const std::string& path : {missing, folder, std::string()}) {
    CFakeMessageBox box;
    std::string text = "before";
    EXPECT_FALSE(ReadTextFile(text, path, box)) << path;
    EXPECT_EQ(text, "before");
    ExpectBoxes(box, {OpenError(path)});
  }
}

TEST_F(TextFileTest, FileOverTheLimitIsRefused)
{
  const std::string path = Sized("huge.txt", kLimit + 1);
  CFakeMessageBox box;
  std::string text = "before";
  EXPECT_FALSE(ReadTextFile(text, path, box));
  EXPECT_EQ(text, "before");
  ExpectBoxes(box, {OpenError(path)});
}

TEST_F(TextFileTest, FileAtTheLimitIsRead)
{
  // All NUL bytes: read whole, the text ends at once.
  const std::string path = Sized("limit.txt", kLimit);
  CFakeMessageBox box;
  std::string text = "before";
  EXPECT_TRUE(ReadTextFile(text, path, box));
  EXPECT_EQ(text, "");
  EXPECT_TRUE(box.m_shown.empty());
}

}  // namespace
