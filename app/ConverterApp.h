#pragma once

class IMessageBox;

// What start-up needs from the platform.
class IAppPlatform {
public:
  virtual ~IAppPlatform() = default;
  // Starts the network layer once per process; false when it cannot.
  virtual bool InitNetworkLayer() = 0;
  // Builds the main window on the store rooted at `Tovra`/`lexoria` and
  // runs it until it closes.
  virtual void RunMainWindow() = 0;
  // Message boxes without an owner window.
  virtual IMessageBox& Messages() = 0;
};

// The application: starts the platform's services and runs the main window.
class CConverterApp {
public:
  // Returns the process's exit status: 0 after the main window closed, 1 when
  // the network layer could not be started (reported in a message box).
  int InitInstance(IAppPlatform& platform);
};
