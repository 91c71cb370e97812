#include "app/ui/Icons.h"

#include <QString>

// The icons are compiled into this static library; registering them here
// also keeps the linker from dropping them.
static void RegisterIconResources()
{
  static const bool registered = [] {
    Q_INIT_RESOURCE(lexoria);
    return true;
  }();
  (void)registered;
}

namespace {

QIcon LoadSizes(const QString& name, std::initializer_list<int> sizes)
{
  RegisterIconResources();
  QIcon icon;
  for (const int size : sizes)
    icon.addFile(QStringLiteral(":/icons/%1-%2.png").arg(name).arg(size), QSize(size, size));
  return icon;
}

}  // namespace

QIcon AppIcon()
{
  return LoadSizes(QStringLiteral("lexoria"), {16, 32, 48, 64, 128, 256});
}

QIcon GlobeIcon()
{
  return LoadSizes(QStringLiteral("globe"), {16, 32, 48});
}
