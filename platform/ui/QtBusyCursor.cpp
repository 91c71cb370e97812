#include "platform/ui/QtBusyCursor.h"

#include <QApplication>
#include <QCursor>

void CQtBusyCursor::Begin()
{
  QApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
}

void CQtBusyCursor::End()
{
  QApplication::restoreOverrideCursor();
}

CQtInteractiveCursor::CQtInteractiveCursor() : m_pushed(QApplication::overrideCursor() != nullptr)
{
  if (m_pushed)
    QApplication::setOverrideCursor(QCursor(Qt::ArrowCursor));
}

CQtInteractiveCursor::~CQtInteractiveCursor()
{
  if (m_pushed)
    QApplication::restoreOverrideCursor();
}
