#include "brexgraf.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QPixmap>
#include <QScreen>
#include <QShowEvent>
#include <QVBoxLayout>
#include <algorithm>

#include "arquivos.h"
#include "brgrafpr.h"
#include "cp1252.h"
#include "mensagens.h"
#include "servicoqt.h"
#include "textoqt.h"

std::string nomeGraficoExibido;
bool graficoConfirmado = false;
TformExibeGraf* formExibeGraf = nullptr;

namespace {

// The text up to the end of its first n lines (line ends as linhasGrafico
// takes them).
std::string_view primeirasLinhas(std::string_view texto, std::size_t n) {
  std::size_t i = 0;
  for (std::size_t k = 0; k < n; ++k) {
    const std::size_t fim = texto.find_first_of("\r\n", i);
    if (fim == std::string_view::npos) return texto;
    i = fim + 1;
    if (texto[fim] == '\r' && i < texto.size() && texto[i] == '\n') ++i;
  }
  return texto.substr(0, i);
}

}  // namespace

void desenhaGrafico(QImage& imagem, std::string_view conteudo) {
  imagem.fill(Qt::white);
  // Only the dots that land in the picture are looked at, so a huge or
  // binary file costs no more than a real graphic.
  const auto maxLinhas = static_cast<std::size_t>(std::max(0, imagem.height() / 2));
  const auto maxColunas = static_cast<std::size_t>(std::max(0, imagem.width() / 2));
  const std::vector<std::string_view> linhas =
      linhasGrafico(primeirasLinhas(conteudo, maxLinhas));
  const std::size_t nLinhas = std::min(linhas.size(), maxLinhas);
  for (std::size_t r = 0; r < nLinhas; ++r) {
    const std::size_t nColunas = std::min(linhas[r].size(), maxColunas);
    for (std::size_t c = 0; c < nColunas; ++c)
      if (linhas[r][c] != ' ')
        imagem.setPixel(static_cast<int>(2 * c + 1), static_cast<int>(2 * r + 1), qRgb(0, 0, 0));
  }
}

TformExibeGraf::TformExibeGraf(QWidget* pai)
    : QDialog(pai), imagem(larguraImagemGrafico, alturaImagemGrafico, QImage::Format_RGB32) {
  setWindowTitle(textoqt::paraQString("Verificação do gráfico"_cp));
  imagem.fill(Qt::white);

  Image1 = new QLabel(this);
  Image1->setFixedSize(larguraImagemGrafico, alturaImagemGrafico);
  Image1->setPixmap(QPixmap::fromImage(imagem));

  b_confirma = new QPushButton(QStringLiteral("Ok, confirma"), this);
  b_cancela = new QPushButton(QStringLiteral("Cancela"), this);
  connect(b_confirma, &QPushButton::clicked, this, [this] { b_confirmaClick(); });
  connect(b_cancela, &QPushButton::clicked, this, [this] { b_cancelaClick(); });

  auto* botoes = new QHBoxLayout;
  botoes->addStretch();
  botoes->addWidget(b_confirma);
  botoes->addWidget(b_cancela);
  botoes->addStretch();
  auto* coluna = new QVBoxLayout(this);
  coluna->addWidget(Image1);
  coluna->addLayout(botoes);
  coluna->setSizeConstraint(QLayout::SetFixedSize);

  adjustSize();
  if (const QScreen* tela = QGuiApplication::primaryScreen())
    move(tela->availableGeometry().center() - rect().center());
}

void TformExibeGraf::FormShow() {
  graficoConfirmado = false;
  imagem.fill(Qt::white);
  std::string conteudo;
  if (plataforma::leArquivo(nomeGraficoExibido, conteudo)) {
    desenhaGrafico(imagem, conteudo);
  } else {
    // The window still opens, empty, so the user can answer it.
    plataforma::mostraMensagem("Arquivo " + nomeGraficoExibido + " não achado"_cp);
  }
  Image1->setPixmap(QPixmap::fromImage(imagem));
}

void TformExibeGraf::b_confirmaClick() {
  graficoConfirmado = true;
  done(QDialog::Accepted);
}

void TformExibeGraf::b_cancelaClick() {
  graficoConfirmado = false;
  done(QDialog::Rejected);
}

void TformExibeGraf::showEvent(QShowEvent* e) {
  QDialog::showEvent(e);
  // A window restored from the task bar shows again spontaneously: the
  // picture and the answer stand.
  if (!e->spontaneous()) FormShow();
}

bool exibeGrafico(const std::string& nome) {
  nomeGraficoExibido = nome;
  if (!formExibeGraf) formExibeGraf = new TformExibeGraf;
  servicoqt::mostraModal(*formExibeGraf);
  return graficoConfirmado;
}
