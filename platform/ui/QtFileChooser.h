#pragma once

#include "platform/FileChooser.h"

#include <QFileDialog>
#include <QStringList>

class IMessageBox;

// The name filters of a "Name (*.a; *.b)|*.a;*.b|...||" filter, for Qt. Each
// keeps its name, shown as it stands, and carries its patterns in a final
// "(...)" that the dialog hides; "*.*" means every file.
QStringList QtNameFilters(const std::string& filter);

// Qt's own open-file dialog (German with Qt's translation loaded). A name that
// does not exist yet is accepted; with a create prompt only after a Yes to the
// question. The file is not created.
class CFileChooserDialog : public QFileDialog {
  Q_OBJECT

public:
  CFileChooserDialog(const FileChooserRequest& request, IMessageBox& messages);

  void accept() override;

private:
  bool m_createPrompt;
  IMessageBox& m_messages;
};

class CQtFileChooser : public IFileChooser {
public:
  // `messages` shows the create prompt, owned by the file dialog.
  explicit CQtFileChooser(IMessageBox& messages) : m_messages(messages) {}
  bool ChooseFile(const FileChooserRequest& request, std::string& path) override;

private:
  IMessageBox& m_messages;
};
