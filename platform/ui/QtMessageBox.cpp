#include "platform/ui/QtMessageBox.h"

#include "platform/QtText.h"
#include "platform/ui/QtBusyCursor.h"

#include <QAbstractButton>
#include <QMessageBox>
#include <QPushButton>
#include <QVariant>
#include <QWidget>

namespace {

// Each button carries the result it stands for.
constexpr const char* kResultProperty = "dialogResult";

QPushButton* AddButton(QMessageBox& box, const QString& label, QMessageBox::ButtonRole role, int result)
{
  QPushButton* button = box.addButton(label, role);
  button->setProperty(kResultProperty, result);
  return button;
}

QMessageBox::Icon ToQtIcon(MsgIcon icon)
{
  switch (icon) {
  case MsgIcon::Error:
    return QMessageBox::Critical;
  case MsgIcon::Information:
    return QMessageBox::Information;
  case MsgIcon::Question:
    return QMessageBox::Question;
  }
  return QMessageBox::NoIcon;
}

}  // namespace

std::unique_ptr<QMessageBox> BuildQtMessageBox(const MessageBoxRequest& request)
{
  auto* owner = static_cast<QWidget*>(const_cast<void*>(request.owner));
  auto box = std::make_unique<QMessageBox>(owner);
  box->setWindowTitle(ToQString(request.title));
  box->setText(ToQString(request.text));
  box->setTextFormat(Qt::PlainText);
  box->setIcon(ToQtIcon(request.icon));
  box->setWindowModality(owner != nullptr ? Qt::WindowModal : Qt::ApplicationModal);

  QPushButton* first = nullptr;
  QPushButton* escape = nullptr;
  switch (request.buttons) {
  case MsgButtons::Ok:
    first = escape = AddButton(*box, QStringLiteral("OK"), QMessageBox::AcceptRole, IDOK);
    break;
  case MsgButtons::YesNo:
    first = AddButton(*box, QStringLiteral("Ja"), QMessageBox::YesRole, IDYES);
    escape = AddButton(*box, QStringLiteral("Nein"), QMessageBox::NoRole, IDNO);
    break;
  case MsgButtons::YesNoCancel:
    first = AddButton(*box, QStringLiteral("Ja"), QMessageBox::YesRole, IDYES);
    AddButton(*box, QStringLiteral("Nein"), QMessageBox::NoRole, IDNO);
    escape = AddButton(*box, QStringLiteral("Abbrechen"), QMessageBox::RejectRole, IDCANCEL);
    break;
  }
  box->setDefaultButton(first);
  box->setEscapeButton(escape);
  return box;
}

int QtMessageBoxResult(const QMessageBox& box, const QAbstractButton* clicked)
{
  if (clicked != nullptr) {
    const QVariant result = clicked->property(kResultProperty);
    if (result.isValid())
      return result.toInt();
  }
  // Nothing clicked: read as closing the box, which presses its escape button.
  const QAbstractButton* escape = box.escapeButton();
  return escape != nullptr ? escape->property(kResultProperty).toInt() : IDCANCEL;
}

int CQtMessageBox::Show(const MessageBoxRequest& request)
{
  const std::unique_ptr<QMessageBox> box = BuildQtMessageBox(request);
  const CQtInteractiveCursor arrow;
  box->exec();
  return QtMessageBoxResult(*box, box->clickedButton());
}
