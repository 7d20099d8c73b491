#include "ovmensagemqt.h"

#include <QGuiApplication>
#include <QScreen>

#include "textoqt.h"

TForm2* Form2 = nullptr;

TForm2::TForm2(QWidget* pai) : QDialog(pai) {
  setObjectName(QStringLiteral("Form2"));
  // The window keeps its size: a long message is cut by the title bar.
  setFixedSize(373, 82);
  Button1 = new QPushButton(QStringLiteral("OK"), this);
  Button1->setObjectName(QStringLiteral("Button1"));
  Button1->setDefault(true);
  Button1->setGeometry((373 - 75) / 2, (82 - 25) / 2, 75, 25);
  connect(Button1, &QPushButton::clicked, this, [this] { Button1Click(); });
}

void TForm2::Button1Click() { accept(); }

int TForm2::mostra(const QString& mensagem) {
  setWindowTitle(mensagem);
  return servicoqt::mostraModal(*this);
}

void TForm2::showEvent(QShowEvent* e) {
  if (const QScreen* tela = QGuiApplication::primaryScreen())
    move(tela->availableGeometry().center() - rect().center());
  QDialog::showEvent(e);
}

plataforma::Botao ServicoMensagensOrvento::mensagem(plataforma::TipoMensagem tipo, const std::string& titulo,
                                                    const std::string& texto,
                                                    const std::vector<plataforma::Botao>& botoes) {
  using plataforma::Botao;
  const bool aviso = tipo == plataforma::TipoMensagem::simples && texto.empty() && !titulo.empty() &&
                     botoes == std::vector<Botao>{Botao::ok};
  if (!aviso || Form2 == nullptr) return ServicoMensagensQt::mensagem(tipo, titulo, texto, botoes);
  Botao r = Botao::nenhum;
  servicoqt::naThreadGui([&] {
    r = Form2->mostra(textoqt::paraQString(titulo)) == QDialog::Accepted ? Botao::ok : Botao::nenhum;
  });
  return r;
}
