#pragma once

#include <QDialog>

#include <memory>

namespace Ui {
class AboutDlg;
}

// "Info über Lexoria": the program's name, version, purpose and licence.
class CAboutDlg : public QDialog {
  Q_OBJECT

public:
  explicit CAboutDlg(QWidget* parent);
  ~CAboutDlg() override;

private:
  std::unique_ptr<Ui::AboutDlg> m_ui;
};
