#include "platform/QtText.h"

#include <gtest/gtest.h>

namespace {

TEST(QtTextTest, ValidUtf8IsShownAsUtf8)
{
  const CQtText text("Ströher U and Baş M");
  EXPECT_EQ(text.GetEncoding(), CQtText::Encoding::Utf8);
  EXPECT_EQ(text.Display(), QString::fromUtf8("Ströher U and Baş M"));
}

TEST(QtTextTest, OtherBytesAreShownAsWindows1252)
{
  const CQtText text("M\xE4rz W \x80 \x93x\x94");
  EXPECT_EQ(text.GetEncoding(), CQtText::Encoding::Windows1252);
  EXPECT_EQ(text.Display(), QString::fromUtf8("März W € “x”"));
}

TEST(QtTextTest, UneditedTextGoesBackByteForByte)
{
  std::string allBytes;
  for (int byte = 1; byte < 256; ++byte)
    allBytes += static_cast<char>(byte);
  for (const std::string& bytes : {allBytes, std::string("plain"), std::string("\xC3\xA4"), std::string()}) {
    const CQtText text(bytes);
    EXPECT_EQ(text.FromDisplay(text.Display()), bytes);
  }
}

TEST(QtTextTest, EditedTextKeepsTheEncodingItWasShownIn)
{
  const CQtText latin("M\xE4rz");
  EXPECT_EQ(latin.FromDisplay(QString::fromUtf8("März, W")), "M\xE4rz, W");
  EXPECT_EQ(latin.FromDisplay(QString::fromUtf8("€ 中")), "\x80 ?");

  const CQtText utf8("März");
  EXPECT_EQ(utf8.FromDisplay(QString::fromUtf8("März, W")), "M\xC3\xA4rz, W");
}

TEST(QtTextTest, EveryWindows1252ByteRoundTripsThroughDisplay)
{
  std::string allBytes;
  for (int byte = 1; byte < 256; ++byte)
    allBytes += static_cast<char>(byte);
  EXPECT_EQ(EncodeWindows1252(DecodeWindows1252(allBytes)), allBytes);
}

}  // namespace
