#pragma once

#include <string>

// Results of a message box or a modal dialog, numbered as the desktop
// platforms number them.
enum DialogResult : int { IDOK = 1, IDCANCEL = 2, IDYES = 6, IDNO = 7 };

enum class MsgIcon { Error, Information, Question };
enum class MsgButtons { Ok, YesNo, YesNoCancel };

struct MessageBoxRequest {
  std::string text;
  std::string title;
  MsgIcon icon = MsgIcon::Error;
  MsgButtons buttons = MsgButtons::Ok;
  const void* owner = nullptr;  // the owner window (a QWidget*), or none
};

// Shows a modal message box and returns the button pressed (IDOK, IDYES,
// IDNO, IDCANCEL). Closing a box by its close box or Esc answers IDCANCEL
// where it has a Cancel button, else IDNO for Yes/No and IDOK for OK.
// The owner window travels in the request; GUI-free code receives a box
// already bound to its window (COwnedMessageBox) and never sees the window.
class IMessageBox {
public:
  virtual ~IMessageBox() = default;
  virtual int Show(const MessageBoxRequest& request) = 0;
};

// Shows every box through `inner`, owned by `owner`.
class COwnedMessageBox : public IMessageBox {
public:
  COwnedMessageBox(IMessageBox& inner, const void* owner) : m_inner(inner), m_owner(owner) {}
  int Show(const MessageBoxRequest& request) override
  {
    MessageBoxRequest owned = request;
    owned.owner = m_owner;
    return m_inner.Show(owned);
  }

private:
  IMessageBox& m_inner;
  const void* m_owner;
};

// Shorthands for the program's three kinds of box; texts are taken as given.
int ShowError(IMessageBox& box, const std::string& text);  // title "Fehler"
int ShowInformation(IMessageBox& box, const std::string& text);  // title "Hinweis"
int AskQuestion(IMessageBox& box, const std::string& text, MsgButtons buttons);  // title "Sind Sie sicher?"
