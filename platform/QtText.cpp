#include "platform/QtText.h"

#include <QStringDecoder>

namespace {

// Code points of the bytes 0x80..0x9F in Windows-1252. The five bytes it
// leaves undefined map to the C1 control of the same value, so every byte
// sequence survives a round trip.
constexpr char16_t kHighControls[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

}  // namespace

bool IsValidUtf8(const std::string& bytes)
{
  QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
  const QString text = decoder.decode(QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size())));
  return !decoder.hasError() && text.toUtf8() == QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

QString DecodeWindows1252(const std::string& bytes)
{
  QString text;
  text.reserve(static_cast<qsizetype>(bytes.size()));
  for (const char c : bytes) {
    const auto byte = static_cast<unsigned char>(c);
    text += (byte >= 0x80 && byte < 0xA0) ? QChar(kHighControls[byte - 0x80]) : QChar(byte);
  }
  return text;
}

std::string EncodeWindows1252(const QString& text)
{
  std::string bytes;
  bytes.reserve(static_cast<std::size_t>(text.size()));
  for (const QChar ch : text) {
    const char16_t code = ch.unicode();
    if (code < 0x80 || (code >= 0xA0 && code < 0x100)) {
      bytes += static_cast<char>(code);
      continue;
    }
    char replacement = '?';
    for (unsigned i = 0; i < 32; ++i)
      if (kHighControls[i] == code)
        replacement = static_cast<char>(0x80 + i);
    bytes += replacement;
  }
  return bytes;
}

QString ToQString(const std::string& bytes)
{
  return IsValidUtf8(bytes) ? QString::fromUtf8(bytes.data(), static_cast<qsizetype>(bytes.size()))
                            : DecodeWindows1252(bytes);
}

std::string FromQString(const QString& text)
{
  return text.toUtf8().toStdString();
}

CQtText::CQtText(std::string bytes)
    : m_bytes(std::move(bytes)),
      m_encoding(IsValidUtf8(m_bytes) ? Encoding::Utf8 : Encoding::Windows1252),
      m_display(ToQString(m_bytes))
{
}

std::string CQtText::FromDisplay(const QString& edited) const
{
  if (edited == m_display)
    return m_bytes;
  return m_encoding == Encoding::Utf8 ? FromQString(edited) : EncodeWindows1252(edited);
}
