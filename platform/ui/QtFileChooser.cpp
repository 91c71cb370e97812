#include "platform/ui/QtFileChooser.h"

#include "platform/MessageBox.h"
#include "platform/QtText.h"

#include <QFile>
#include <QFileInfo>

QStringList QtNameFilters(const std::string& filter)
{
  const QStringList parts = ToQString(filter).split(QLatin1Char('|'));
  QStringList filters;
  for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
    const QString& name = parts[i];
    if (name.isEmpty())
      break;  // the closing "||"
    QStringList patterns = parts[i + 1].split(QLatin1Char(';'), Qt::SkipEmptyParts);
    for (QString& pattern : patterns) {
      pattern = pattern.trimmed();
      if (pattern == QLatin1String("*.*"))
        pattern = QStringLiteral("*");
    }
    filters << name + QStringLiteral(" (") + patterns.join(QLatin1Char(' ')) + QLatin1Char(')');
  }
  return filters;
}

CFileChooserDialog::CFileChooserDialog(const FileChooserRequest& request, IMessageBox& messages)
    : QFileDialog(nullptr, QStringLiteral("Öffnen")),
      m_createPrompt(request.createPrompt),
      m_messages(messages)
{
  // Qt's own dialog, so that it speaks the program's language and asks our question.
  setOption(QFileDialog::DontUseNativeDialog);
  setOption(QFileDialog::HideNameFilterDetails);
  setAcceptMode(QFileDialog::AcceptOpen);
  setFileMode(QFileDialog::AnyFile);
  setNameFilters(QtNameFilters(request.filter));
  setDefaultSuffix(ToQString(request.defaultExtension));
  selectFile(ToQString(request.initialName));
}

void CFileChooserDialog::accept()
{
  const QStringList files = selectedFiles();
  if (files.size() != 1)
    return;
  const QFileInfo chosen(files.front());
  if (chosen.isDir()) {
    QFileDialog::accept();  // opens the folder
    return;
  }
  // A pattern such as the initial "*.bib" is no file name: it picks the
  // filter that has it, and the dialog stays open.
  const QString name = chosen.fileName();
  if (name.contains(QLatin1Char('*')) || name.contains(QLatin1Char('?'))) {
    for (const QString& filter : nameFilters())
      if (filter.endsWith(QStringLiteral("(") + name + QLatin1Char(')')))
        selectNameFilter(filter);
    return;
  }
  if (!chosen.exists() && m_createPrompt) {
    const std::string question = FromQString(chosen.absoluteFilePath()) +
                                 "\nDiese Datei ist nicht vorhanden.\n\nSoll sie erstellt werden?";
    MessageBoxRequest box{question, FromQString(windowTitle()), MsgIcon::Question, MsgButtons::YesNo, this};
    if (m_messages.Show(box) != IDYES)
      return;
  }
  QFileDialog::accept();
}

bool CQtFileChooser::ChooseFile(const FileChooserRequest& request, std::string& path)
{
  CFileChooserDialog dialog(request, m_messages);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().size() != 1)
    return false;
  path = QFile::encodeName(dialog.selectedFiles().front()).toStdString();
  return true;
}
