#pragma once

#include "platform/BusyCursor.h"

// The wait cursor as Qt's application-wide override cursor. Qt keeps the
// override cursors on a stack, so Begin and End nest.
class CQtBusyCursor : public IBusyCursor {
public:
  void Begin() override;
  void End() override;
};
