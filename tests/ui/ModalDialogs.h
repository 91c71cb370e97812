#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QTimer>
#include <QWidget>

#include <gtest/gtest.h>

#include <functional>

// The application object for widget tests, made on first use (unless the
// program already has one). It is deleted when the tests are over, before
// the program's statics go, which Qt does not survive.
inline QApplication& TestApplication()
{
  if (auto* app = qobject_cast<QApplication*>(QCoreApplication::instance()))
    return *app;
  // Widget tests never need a display.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
    qputenv("QT_QPA_PLATFORM", "offscreen");
  static int argc = 1;
  static char name[] = "test_ui";
  static char* argv[] = {name, nullptr};

  class CApplicationEnvironment : public ::testing::Environment {
  public:
    explicit CApplicationEnvironment(QApplication* app) : m_app(app) {}
    void TearDown() override { delete m_app; }

  private:
    QApplication* m_app;
  };
  auto* app = new QApplication(argc, argv);
  ::testing::AddGlobalTestEnvironment(new CApplicationEnvironment(app));
  return *app;
}

// A base to list first, so that the application exists before any member
// widget of a fixture is made.
struct CWithTestApplication {
  CWithTestApplication() { TestApplication(); }
};

// Calls `action` with the next modal dialog once its event loop runs, so a
// test can work a dialog that a command shows with exec().
inline void WhenModal(std::function<void(QWidget&)> action)
{
  auto* timer = new QTimer;
  timer->setInterval(5);
  QObject::connect(timer, &QTimer::timeout, [timer, action] {
    QWidget* modal = QApplication::activeModalWidget();
    if (!modal)
      return;
    timer->stop();
    timer->deleteLater();
    action(*modal);
  });
  timer->start();
}

// The push button of `dialog` with the given text, or null.
inline QAbstractButton* ButtonByText(const QWidget& dialog, const QString& text)
{
  const auto buttons = dialog.findChildren<QAbstractButton*>();
  for (QAbstractButton* button : buttons)
    if (button->text() == text)
      return button;
  return nullptr;
}
