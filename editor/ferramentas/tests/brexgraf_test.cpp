#include "brexgraf.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <utility>

#include "apoio_testes.h"
#include "casos.h"
#include "cp1252.h"
#include "servicoqt.h"

namespace {

const QRgb preto = qRgb(0, 0, 0), branco = qRgb(255, 255, 255);

TEST(ExibeGraf, DesenhaOsPontos) {
  QImage imagem(larguraImagemGrafico, alturaImagemGrafico, QImage::Format_RGB32);
  imagem.fill(Qt::black);  // cleared first
  for (const auto& c : casos::le("desenhaGrafico.tsv")) {
    SCOPED_TRACE(c);
    desenhaGrafico(imagem, c[1]);
    for (auto [x, y] : c.pontos(2)) EXPECT_EQ(imagem.pixel(x, y), preto) << x << "," << y;
    for (auto [x, y] : c.pontos(3)) EXPECT_EQ(imagem.pixel(x, y), branco) << x << "," << y;
    const auto* p = reinterpret_cast<const QRgb*>(imagem.constBits());
    EXPECT_EQ(std::count(p, p + imagem.width() * imagem.height(), preto), c.n(4));
  }
}

// The seam shows the window, then presses a button (none: the close box). A
// file not found leaves the window empty, and it still answers.
TEST(ExibeGraf, ExibeEDevolveAResposta) {
  apoio::PastaTemporaria pasta;
  pasta.grava("casa.grb", "* *\r\n");
  using F = TformExibeGraf;
  QPushButton* F::*botao = nullptr;
  servicoqt::defineMostraModal([&](QDialog& f) {
    f.show();
    botao ? (formExibeGraf->*botao)->click() : void(f.close());
    return f.result();
  });
  for (const auto& [nome, b, resposta] :
       {std::tuple{"casa.grb", &F::b_confirma, true}, {"casa.grb", nullptr, false}, {"falta.grb", &F::b_confirma, true},
        {"casa.grb", &F::b_cancela, false}, {"falta.grb", nullptr, false}}) {
    const std::string arquivo = pasta.arquivo(nome);
    const bool achado = *nome == 'c';
    SCOPED_TRACE(arquivo + (b ? "" : " closed") + (resposta ? " confirmed" : ""));
    apoio::Mensagens mensagens;
    mensagens.esperaOk(!achado);
    botao = b;
    EXPECT_EQ(exibeGrafico(arquivo), resposta);
    EXPECT_EQ(formExibeGraf->Image1->pixmap().toImage().pixel(1, 1), achado ? preto : branco);  // shown
    EXPECT_EQ(mensagens.servico.textos(),
              std::vector<std::string>(!achado, "Arquivo " + arquivo + " não achado"_cp));
  }
  EXPECT_EQ(formExibeGraf->windowTitle(), QStringLiteral(u"Verificação do gráfico"));
  servicoqt::defineMostraModal({});
  delete std::exchange(formExibeGraf, nullptr);
}

}  // namespace
