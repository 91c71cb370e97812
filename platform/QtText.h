#pragma once

#include <QString>

#include <string>

// Bytes shown in Qt: as UTF-8 where they are valid UTF-8, else as
// Windows-1252. Edited text goes back in the encoding it was shown in, and
// text that was not edited goes back as the very bytes it came from.
class CQtText {
public:
  enum class Encoding { Utf8, Windows1252 };

  explicit CQtText(std::string bytes = {});

  const QString& Display() const { return m_display; }
  Encoding GetEncoding() const { return m_encoding; }

  // The bytes for `edited`: the original bytes when it equals what was shown.
  std::string FromDisplay(const QString& edited) const;

private:
  std::string m_bytes;
  Encoding m_encoding;
  QString m_display;
};

// Decodes bytes for display, with the rule above.
QString ToQString(const std::string& bytes);
// Encodes text typed by the user as UTF-8.
std::string FromQString(const QString& text);

bool IsValidUtf8(const std::string& bytes);
QString DecodeWindows1252(const std::string& bytes);
// Characters outside Windows-1252 become '?'.
std::string EncodeWindows1252(const QString& text);
