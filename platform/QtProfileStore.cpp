#include "platform/QtProfileStore.h"

#include <QByteArray>
#include <QSettings>
#include <QString>
#include <QStringList>
#include <QVariant>

namespace {

QString Key(const std::string& section, const std::string& key)
{
  return QString::fromUtf8(section.data(), static_cast<qsizetype>(section.size())) + '/' +
         QString::fromUtf8(key.data(), static_cast<qsizetype>(key.size()));
}

// Text whose bytes come back unchanged through UTF-8 is stored as a string, so
// the file stays readable; any other bytes are stored as a byte array, which
// QSettings keeps exactly (and marks as such in the file).
QVariant ToStored(const std::string& value)
{
  const QByteArray bytes(value.data(), static_cast<qsizetype>(value.size()));
  const QString text = QString::fromUtf8(bytes);
  if (text.toUtf8() == bytes)
    return text;
  return bytes;
}

std::string FromStored(const QVariant& stored)
{
  if (stored.typeId() == QMetaType::QByteArray) {
    const QByteArray bytes = stored.toByteArray();
    return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
  }
  // A hand-edited file may hold an unquoted value with commas, which
  // QSettings reads as a list: take it back as the text it was.
  const QByteArray bytes = stored.typeId() == QMetaType::QStringList
                               ? stored.toStringList().join(", ").toUtf8()
                               : stored.toString().toUtf8();
  return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

}  // namespace

CQtProfileStore::CQtProfileStore(const std::string& company, const std::string& application)
    : m_settings(std::make_unique<QSettings>(QString::fromStdString(company),
                                             QString::fromStdString(application)))
{
}

CQtProfileStore::~CQtProfileStore() = default;

std::string CQtProfileStore::GetProfileString(const std::string& section, const std::string& key,
                                              const std::string& fallback)
{
  const QVariant stored = m_settings->value(Key(section, key));
  return stored.isValid() ? FromStored(stored) : fallback;
}

int CQtProfileStore::GetProfileInt(const std::string& section, const std::string& key,
                                   int fallback)
{
  const QVariant stored = m_settings->value(Key(section, key));
  if (!stored.isValid())
    return fallback;
  bool ok = false;
  const int value = stored.toString().trimmed().toInt(&ok);
  return ok ? value : fallback;
}

void CQtProfileStore::WriteProfileString(const std::string& section, const std::string& key,
                                         const std::string& value)
{
  m_settings->setValue(Key(section, key), ToStored(value));
  m_settings->sync();
}

void CQtProfileStore::WriteProfileInt(const std::string& section, const std::string& key,
                                      int value)
{
  m_settings->setValue(Key(section, key), value);
  m_settings->sync();
}

std::string CQtProfileStore::Location() const
{
  return m_settings->fileName().toStdString();
}
