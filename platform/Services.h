#pragma once

class IBrowser;
class IBusyCursor;
class IFileChooser;
class IHttpClient;
class IMessageBox;
class IProfileStore;

// The platform services the program runs on, handed to each window. The
// program installs the real ones; tests install fakes.
struct CServices {
  IMessageBox& messages;  // unowned; bind with COwnedMessageBox
  IProfileStore& store;
  IHttpClient& http;
  IBusyCursor& busy;
  IFileChooser& files;
  IBrowser& browser;
};
