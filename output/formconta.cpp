#include "formconta.h"

#include <QGuiApplication>
#include <QScreen>
#include <QVBoxLayout>

#include "brcom.h"
#include "brconta.h"
#include "brvars.h"
#include "textoqt.h"

TFormConta* FormConta = nullptr;

namespace {

QLabel* rotuloCentrado(QWidget* pai) {
  auto* r = new QLabel(pai);
  r->setAlignment(Qt::AlignCenter);
  r->setTextFormat(Qt::PlainText);
  r->setFixedWidth(260);
  return r;
}

}  // namespace

TFormConta::TFormConta(QWidget* pai) : QWidget(pai, Qt::Dialog) {
  setWindowTitle(QStringLiteral("Imprimindo..."));
  Label1 = rotuloCentrado(this);
  Label2 = rotuloCentrado(this);
  Button1 = new QPushButton(QStringLiteral("Cancelar !"), this);
  Timer1 = new QTimer(this);
  Timer1->setInterval(500);

  auto* coluna = new QVBoxLayout(this);
  coluna->addWidget(Label1);
  coluna->addWidget(Label2);
  coluna->addWidget(Button1, 0, Qt::AlignHCenter);

  connect(Timer1, &QTimer::timeout, this, &TFormConta::Timer1Timer);
  connect(Button1, &QPushButton::clicked, this, &TFormConta::Button1Click);

  // The serial send tells its waits from the worker thread.
  instalaAvisoEspera([this](const std::string& texto) { avisoDeQualquerThread(texto); });

  adjustSize();
  if (const QScreen* tela = QGuiApplication::primaryScreen())
    move(tela->availableGeometry().center() - rect().center());
}

TFormConta::~TFormConta() { instalaAvisoEspera(nullptr); }

void TFormConta::showEvent(QShowEvent* evento) {
  QWidget::showEvent(evento);
  FormShow();
}

void TFormConta::hideEvent(QHideEvent* evento) {
  QWidget::hideEvent(evento);
  FormHide();
}

void TFormConta::FormShow() { Timer1->start(); }

void TFormConta::FormHide() { Timer1->stop(); }

void TFormConta::Timer1Timer() { Label1->setText(textoqt::paraQString(textoProgresso())); }

void TFormConta::Button1Click() {
  cancelaImpressao = true;
  hide();
}

void TFormConta::mostraDeQualquerThread() {
  QMetaObject::invokeMethod(this, [this] { show(); }, Qt::QueuedConnection);
}

void TFormConta::escondeDeQualquerThread() {
  QMetaObject::invokeMethod(this, [this] { hide(); }, Qt::QueuedConnection);
}

void TFormConta::avisoDeQualquerThread(const std::string& texto) {
  // Queued even on the GUI thread: the label changes when the event loop
  // runs, never in the middle of a handler. A window destroyed meanwhile
  // drops the call.
  const QString q = textoqt::paraQString(texto);
  QMetaObject::invokeMethod(this, [this, q] { Label2->setText(q); }, Qt::QueuedConnection);
}
