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
