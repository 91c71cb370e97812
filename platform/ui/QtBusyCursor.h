#pragma once

#include "platform/BusyCursor.h"

// The wait cursor as Qt's application-wide override cursor. Qt keeps the
// override cursors on a stack, so Begin and End nest.
class CQtBusyCursor : public IBusyCursor {
public:
  void Begin() override;
  void End() override;
};

// Shows the arrow for the life of the object when a busy indication is on,
// so that a modal window that waits for the user inside a busy phase (the
// preview, a message box) does not show the wait cursor over itself.
class CQtInteractiveCursor {
public:
  CQtInteractiveCursor();
  ~CQtInteractiveCursor();
  CQtInteractiveCursor(const CQtInteractiveCursor&) = delete;
  CQtInteractiveCursor& operator=(const CQtInteractiveCursor&) = delete;

private:
  bool m_pushed;
};
