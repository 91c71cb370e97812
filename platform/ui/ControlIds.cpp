#include "platform/ui/ControlIds.h"

#include "platform/StringTable.h"
#include "platform/QtText.h"

#include <QVariant>
#include <QWidget>

int ControlIdOf(const QWidget& widget)
{
  return widget.property("controlId").toInt();
}

QWidget* FindControl(const QWidget& root, int controlId)
{
  const auto children = root.findChildren<QWidget*>();
  for (QWidget* child : children)
    if (ControlIdOf(*child) == controlId)
      return child;
  return nullptr;
}

void ApplyToolTips(QWidget& root)
{
  const auto children = root.findChildren<QWidget*>();
  for (QWidget* child : children) {
    const int id = ControlIdOf(*child);
    if (id > 0)  // an empty tool tip shows none
      child->setToolTip(ToQString(LoadResString(static_cast<unsigned>(id))));
  }
}
