#include "brexgraf.h"

#include <gtest/gtest.h>

#include "apoio_testes.h"
#include "cp1252.h"
#include "servicoqt.h"

namespace {

int pretos(const QImage& imagem) {
  int n = 0;
  for (int y = 0; y < imagem.height(); ++y)
    for (int x = 0; x < imagem.width(); ++x) n += imagem.pixel(x, y) == qRgb(0, 0, 0);
  return n;
}

TEST(ExibeGraf, DesenhaOsPontos) {
  std::string altas;
  for (int i = 0; i < 300; ++i) altas += "*\r\n";
  struct Caso { std::string conteudo; std::vector<QPoint> pretos, brancos; int total; };
  QImage imagem(larguraImagemGrafico, alturaImagemGrafico, QImage::Format_RGB32);
  imagem.fill(Qt::black);  // cleared first
  for (const Caso& c : {Caso{"* *\r\n", {{1, 1}, {5, 1}}, {{3, 1}, {0, 0}, {2, 2}}, 2},
                        Caso{"*\r*\n *\r\n\r\n*", {{1, 3}, {3, 5}, {1, 9}}, {{1, 5}, {1, 7}}, 4},
                        Caso{std::string(301, '*'), {{463, 1}}, {{464, 1}, {1, 3}}, 232},
                        Caso{altas, {{1, 511}}, {{1, 512}}, 256},
                        Caso{std::string("\0\x7F\xFF", 3), {{1, 1}, {5, 1}}, {}, 3}}) {
    SCOPED_TRACE(c.conteudo.substr(0, 12));
    desenhaGrafico(imagem, c.conteudo);
    for (const QPoint& p : c.pretos) EXPECT_EQ(imagem.pixel(p), qRgb(0, 0, 0)) << p.x();
    for (const QPoint& p : c.brancos) EXPECT_EQ(imagem.pixel(p), qRgb(255, 255, 255)) << p.x();
    EXPECT_EQ(pretos(imagem), c.total);
  }
}

// The seam shows the window, then presses a button (or the close box).
TEST(ExibeGraf, ExibeEDevolveAResposta) {
  apoio::PastaTemporaria pasta;
  pasta.grava("casa.grb", "* *\r\n");
  const std::string casa = pasta.arquivo("casa.grb"), falta = pasta.arquivo("falta.grb");
  struct Caso { std::string nome; int botao; bool resposta; };  // botao: 0 ok, 1 cancel, 2 close
  for (const Caso& c : {Caso{casa, 0, true}, Caso{casa, 2, false}, Caso{falta, 0, true},
                        Caso{casa, 1, false}, Caso{falta, 2, false}}) {
    SCOPED_TRACE(c.nome + " " + std::to_string(c.botao));
    apoio::Mensagens mensagens;
    if (c.nome == falta) mensagens.esperaOk();
    servicoqt::defineMostraModal([&](QDialog& janela) {
      auto& f = static_cast<TformExibeGraf&>(janela);
      f.show();
      if (c.botao == 0) f.b_confirma->click();
      if (c.botao == 1) f.b_cancela->click();
      if (c.botao == 2) f.close();
      return f.result();
    });
    EXPECT_EQ(exibeGrafico(c.nome), c.resposta);
    EXPECT_EQ(pretos(formExibeGraf->imagem), c.nome == casa ? 2 : 0);
    EXPECT_EQ(formExibeGraf->Image1->pixmap().toImage().convertToFormat(QImage::Format_RGB32),
              formExibeGraf->imagem);
    EXPECT_EQ(mensagens.servico.textos(),
              (c.nome == casa ? std::vector<std::string>{}
                              : std::vector<std::string>{"Arquivo " + falta + " não achado"_cp}));
  }
  EXPECT_EQ(formExibeGraf->windowTitle(), QStringLiteral(u"Verificação do gráfico"));
  servicoqt::defineMostraModal({});
  delete formExibeGraf;
  formExibeGraf = nullptr;
}

}  // namespace
