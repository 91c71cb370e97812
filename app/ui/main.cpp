// The desktop program: starts the platform's services and runs the main
// window until it closes.
#include "app/ConverterApp.h"
#include "app/ui/MainDlg.h"
#include "platform/CurlHttpClient.h"
#include "platform/QtProfileStore.h"
#include "platform/Services.h"
#include "platform/ui/QtBrowser.h"
#include "platform/ui/QtBusyCursor.h"
#include "platform/ui/QtFileChooser.h"
#include "platform/ui/QtMessageBox.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace {

class CDesktopPlatform : public IAppPlatform {
public:
  bool InitNetworkLayer() override { return ::InitNetworkLayer(); }

  void RunMainWindow() override
  {
    CQtProfileStore store("Tovra", "lexoria");
    CCurlHttpClient http;
    CQtBusyCursor busy;
    CQtFileChooser files(m_messages);
    CQtBrowser browser;
    CServices services{m_messages, store, http, busy, files, browser};
    CMainDlg mainWindow(nullptr, services);
    mainWindow.exec();
  }

  IMessageBox& Messages() override { return m_messages; }

private:
  CQtMessageBox m_messages;
};

}  // namespace

int main(int argc, char** argv)
{
  QApplication app(argc, argv);
  QApplication::setOrganizationName(QStringLiteral("Tovra"));
  QApplication::setApplicationName(QStringLiteral("lexoria"));
  QApplication::setApplicationVersion(QStringLiteral(LEXORIA_VERSION));
  QApplication::setDesktopFileName(QStringLiteral("lexoria"));

  // The program speaks German, so Qt's own dialogs (the file chooser) do too,
  // when Qt's German translation is installed.
  QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
  QTranslator qtGerman;
  if (qtGerman.load(QStringLiteral("qtbase_de"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
    QApplication::installTranslator(&qtGerman);

  CDesktopPlatform platform;
  return CConverterApp().InitInstance(platform);
}
