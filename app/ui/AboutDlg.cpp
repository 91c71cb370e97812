#include "app/ui/AboutDlg.h"

#include "app/ui/Icons.h"

#include "ui_AboutDlg.h"

#include <QPushButton>

CAboutDlg::CAboutDlg(QWidget* parent) : QDialog(parent), m_ui(std::make_unique<Ui::AboutDlg>())
{
  m_ui->setupUi(this);
  setWindowFlag(Qt::WindowContextHelpButtonHint, false);
  m_ui->labelIcon->setPixmap(AppIcon().pixmap(64, 64));
  QFont nameFont = m_ui->labelName->font();
  nameFont.setBold(true);
  nameFont.setPointSizeF(nameFont.pointSizeF() * 1.5);
  m_ui->labelName->setFont(nameFont);
  m_ui->labelVersion->setText(QStringLiteral("Version " LEXORIA_VERSION));
  connect(m_ui->buttonOk, &QPushButton::clicked, this, &QDialog::accept);
}

CAboutDlg::~CAboutDlg() = default;
