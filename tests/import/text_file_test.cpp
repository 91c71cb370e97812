#include "import/TextFile.h"
#include "tests/support/CaseName.h"
#include "tests/support/FakeMessageBox.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

namespace fs = std::filesystem;

namespace {

constexpr std::uintmax_t kLimit = std::uintmax_t{64} << 20;

// A fresh folder per test for the files under test.
class TextFileTest : public testing::Test {
protected:
  void SetUp() override
  {
    const testing::TestInfo* info = testing::UnitTest::GetInstance()->current_test_info();
    std::string name = std::string("lexoria_text_file_") + info->test_suite_name() + "_" + info->name();
    for (char& c : name)
      if (c == '/')
        c = '_';
    m_dir = fs::path(testing::TempDir()) / name;
    fs::remove_all(m_dir);
    fs::create_directories(m_dir);
  }
  void TearDown() override { fs::remove_all(m_dir); }

  std::string Write(const std::string& name, const std::string& bytes)
  {
    const fs::path path = m_dir / name;
    std::ofstream(path, std::ios::binary) << bytes;
    return path.string();
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

  static void ExpectBoxes(const CFakeMessageBox& box, const std::vector<MessageBoxRequest>& expected)
  {
    ASSERT_EQ(box.m_shown.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
      EXPECT_EQ(box.m_shown[i].text, expected[i].text);
      EXPECT_EQ(box.m_shown[i].title, expected[i].title);
      EXPECT_EQ(box.m_shown[i].icon, expected[i].icon);
      EXPECT_EQ(box.m_shown[i].buttons, expected[i].buttons);
    }
  }

  fs::path m_dir;
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
  const std::string missing = (m_dir / "missing.txt").string();
  const std::string folder = m_dir.string();
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
