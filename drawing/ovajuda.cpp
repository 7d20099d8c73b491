#include "ovajuda.h"

#include <QFrame>
#include <QGuiApplication>
#include <QScreen>
#include <QVBoxLayout>

TAboutBox* AboutBox = nullptr;

TAboutBox::TAboutBox(QWidget* pai) : QDialog(pai) {
  setObjectName(QStringLiteral("AboutBox"));
  setWindowTitle(QStringLiteral("Sobre este programa"));
  setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint);
  auto* coluna = new QVBoxLayout(this);
  auto* painel = new QFrame(this);
  painel->setObjectName(QStringLiteral("Panel1"));
  painel->setFrameShape(QFrame::StyledPanel);
  painel->setFrameShadow(QFrame::Sunken);
  auto* textos = new QVBoxLayout(painel);
  ProductName = new QLabel(QStringLiteral("Orvento"), painel);
  QFont grande = ProductName->font();
  grande.setPointSize(grande.pointSize() + 4);
  grande.setBold(true);
  ProductName->setFont(grande);
  Version = new QLabel(painel);
  Version->setObjectName(QStringLiteral("Version"));
  Comments = new QLabel(QString::fromUtf8("Desenhos em pontos para impressão em Braille"), painel);
  Comments->setWordWrap(true);
  for (QLabel* l : {ProductName, Version, Comments}) textos->addWidget(l);
  coluna->addWidget(painel);
  OKButton = new QPushButton(QStringLiteral("OK"), this);
  OKButton->setObjectName(QStringLiteral("OKButton"));
  OKButton->setDefault(true);
  coluna->addWidget(OKButton, 0, Qt::AlignHCenter);
  connect(OKButton, &QPushButton::clicked, this, [this] { OKButtonClick(); });
  adjustSize();
  setFixedSize(size());
}

void TAboutBox::FormActivate() { Version->setText(QString::fromUtf8("Versão 2.0")); }

void TAboutBox::OKButtonClick() { hide(); }

void TAboutBox::showEvent(QShowEvent* e) {
  FormActivate();
  if (const QScreen* tela = QGuiApplication::primaryScreen())
    move(tela->availableGeometry().center() - rect().center());
  QDialog::showEvent(e);
}
