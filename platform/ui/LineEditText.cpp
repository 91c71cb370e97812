#include "platform/ui/LineEditText.h"

#include <QLineEdit>

#include <algorithm>

CLineEditText::CLineEditText(QLineEdit& edit, int limit) : m_edit(edit), m_limit(limit)
{
  m_edit.setMaxLength(m_limit);
  QObject::connect(&m_edit, &QLineEdit::textChanged, &m_edit, [this] { KeepLimit(); });
}

void CLineEditText::Show(const std::string& bytes)
{
  m_shown = CQtText(bytes);
  // Raised first: setText cuts at the limit in force.
  m_edit.setMaxLength(std::max(m_limit, static_cast<int>(m_shown.Display().size())));
  m_edit.setText(m_shown.Display());
  m_edit.setCursorPosition(0);
}

std::string CLineEditText::Take() const
{
  return m_shown.FromDisplay(m_edit.text());
}

void CLineEditText::KeepLimit()
{
  m_edit.setMaxLength(std::max(m_limit, static_cast<int>(m_edit.text().size())));
}
