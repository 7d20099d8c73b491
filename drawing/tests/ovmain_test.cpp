// The drawing window offscreen: mouse and keys reach the tools, the picture
// shows the dots, the overlay and the rubber band, and the start, the close,
// the notice and the menus behave.
#include "ovmain.h"

#include <fcntl.h>
#include <gtest/gtest.h>

#include <QAction>
#include <QClipboard>
#include <QApplication>
#include <QMouseEvent>
#include <QTest>
#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <functional>
#include <sys/stat.h>

#include "apoio_testes.h"
#include "cp1252.h"
#include "formconta.h"
#include "dados.h"
#include "ovajuda.h"
#include "ovcomandos.h"
#include "ovdialogos.h"
#include "ovmodelo.h"
#include "ovprint.h"
#include "ovtexto.h"
#include "ovmensagem.h"
#include "ovmensagemqt.h"
#include "ovtelavirt.h"
#include "programas.h"
#include "servicoqt.h"

using namespace orvento;

using namespace std::chrono_literals;

namespace {

constexpr QRgb branco = 0xFFFFFFFF, preto = 0xFF000000, prata = 0xFFC0C0C0;

// Nothing to show: the reference run of the tools without a window.
struct SemJanela : JanelaFerramentas {
  void desenhaElastico(Elastico, int, int, int, int) override {}
};

class Janela : public ::testing::Test {
 protected:
  apoio::WindowsTemporario windows;
  apoio::Mensagens mensagens;
  std::unique_ptr<TForm1> form;

  void SetUp() override {
    reiniciaEstadoDesenho();
    const char* dados = std::getenv("LUMAREL_DATA_DIR");
    windows.gravaIni("[LUMAREL]\r\nambCode2=" + std::string(dados ? dados : ".") +
                     "/ambcode2.cfg\r\n[IMPBRAILLE]\r\nNomeArq=" + windows.pasta().arquivo("saida.brl") +
                     "\r\n");
    form = std::make_unique<TForm1>();
    form->show();  // the first activation
  }
  void TearDown() override {
    tela.limpa();  // closing asks nothing
    form.reset();
    reiniciaEstadoDesenho();
  }

  QWidget* area() { return form->PaintBox2; }
  void pressiona(int x, int y, Qt::MouseButton b = Qt::LeftButton) {
    QTest::mousePress(area(), b, Qt::NoModifier, QPoint(x, y));
  }
  void move(int x, int y) { QTest::mouseMove(area(), QPoint(x, y)); }
  void solta(int x, int y, Qt::MouseButton b = Qt::LeftButton) {
    QTest::mouseRelease(area(), b, Qt::NoModifier, QPoint(x, y));
  }
  void arrasta(const std::vector<int>& p, Qt::MouseButton b = Qt::LeftButton) {
    pressiona(p[0], p[1], b);
    for (size_t i = 2; i + 2 < p.size(); i += 2) move(p[i], p[i + 1]);
    solta(p[p.size() - 2], p.back(), b);
  }

  // The window's picture must be the overlay with the mark of every raised
  // dot in black, and nothing else.
  void confereImagem() {
    const QImage img = form->imagemComposta();
    for (int y = 0; y < ladoImagem; ++y)
      for (int x = 0; x < ladoImagem; ++x) {
        const int px = x / tamPonto, py = y / tamPonto;
        const bool marca = x % 4 < 2 && y % 4 < 3 && px <= 300 && py <= 300 && tela.le(px, py) != 0;
        const QRgb esperado = marca ? preto : form->bmpGrade.pixel(x, y);
        if (img.pixel(x, y) != esperado) {
          ADD_FAILURE() << "pixel " << x << "," << y << " is " << std::hex << img.pixel(x, y);
          return;
        }
      }
  }
};

TEST_F(Janela, PrimeiraAtivacaoPreparaODesenho) {
  EXPECT_EQ(form->windowTitle(), "Orvento");
  EXPECT_EQ(dispositivo, windows.pasta().arquivo("saida.brl"));
  EXPECT_EQ(dirAtual.back(), '/');
  EXPECT_EQ(form->ferramentas.modoFerramenta, 2);
  EXPECT_TRUE(form->B_ponto->isChecked());
  EXPECT_FALSE(form->B_moveImagem->isEnabled());
  EXPECT_TRUE(form->B_texto->isEnabled());
  EXPECT_EQ(std::vector<int>({selecao.x1, selecao.y1, selecao.x2, selecao.y2}), std::vector<int>({0, 0, -1, -1}));
  EXPECT_TRUE(mensagens.servico.registro.empty());  // the code table was found
  // Grid every 4 pixels, the frame and the axes at the origin over it.
  const QImage img = form->imagemComposta();
  EXPECT_EQ(img.size(), QSize(ladoImagem, ladoImagem));
  const std::tuple<int, int, QRgb> pixels[] = {
      {2, 2, branco},      {8, 2, prata},       {1199, 1199, branco}, {1196, 1000, prata},
      {0, 10, 0xFFFFFF00}, {10, 0, 0xFFFFFF00}, {479, 10, 0xFF008000}, {10, 479, 0xFF008000},
      {480, 10, prata},    {1201, 10, branco}};
  for (const auto& [x, y, cor] : pixels) EXPECT_EQ(img.pixel(x, y), cor) << x << "," << y;
  // Items that later versions build are there, disabled.
  for (const char* nome : {"Brailizar1"}) {  // until a model picture is shown
    ASSERT_NE(form->acao(nome), nullptr) << nome;
    EXPECT_FALSE(form->acao(nome)->isEnabled()) << nome;
  }
  for (const char* nome : {"Imprimir1", "Sair1", "XY1", "Paintbrush1", "Ajuda1", "CurvaInterpolada1", "Novo1",
                           "Desfazer1", "Origem1", "Alta2", "trazer1"})
    EXPECT_TRUE(form->acao(nome)->isEnabled()) << nome;
}

TEST(JanelaInicio, SemIniETabelaDaOAvisoEPadrao) {
  apoio::WindowsTemporario windows;  // no LUMAREL.INI: ambcode2.cfg looked for here, not found
  apoio::Mensagens mensagens;
  mensagens.esperaOk();
  const std::string antes = plataforma::diretorioAtual();
  ASSERT_EQ(::chdir(windows.pasta().caminho().c_str()), 0);
  {
    TForm1 form;
    EXPECT_TRUE(form.FormActivate());
    EXPECT_EQ(dispositivo, "LPT1");
    EXPECT_EQ(mensagens.servico.textos(), std::vector<std::string>{"Arquivo ambcode2.cfg não achado"_cp});
  }
  ASSERT_EQ(::chdir(antes.c_str()), 0);
  reiniciaEstadoDesenho();
}

TEST_F(Janela, CadaFerramentaArrastadaComoSemJanela) {
  SemJanela nada;
  FerramentasDesenho referencia(nada);
  const std::vector<int> arrastos[] = {
      {40, 40, 50, 47, 80, 90, 80, 90}, {100, 20, 60, 60, 7, 3, 7, 3}, {200, 200, 200, 200}, {12, 0, -30, 50, 900, 400, 900, 400},
      {600, 600, -50000, 90000, 1100, -70000, 1100, -70000}};  // far outside the window
  for (int modo = 2; modo <= 9; ++modo)
    for (const auto& a : arrastos) {
      SCOPED_TRACE(::testing::Message() << "mode " << modo << " from " << a[0] << "," << a[1]);
      tela.limpa();
      referencia.escolheModo(modo);
      referencia.pressiona(a[0], a[1], true);
      for (size_t i = 2; i + 2 < a.size(); i += 2) referencia.move(a[i], a[i + 1]);
      referencia.solta(a[a.size() - 2], a.back());
      const TMatrizPontos esperado = tela;
      tela.limpa();
      limpaBitmapTela();
      form->escolheFerramenta(modo);
      arrasta(a);
      EXPECT_TRUE(tela.pontos == esperado.pontos);
      confereImagem();
    }
  // The right button erases a block in the area tool. (QTest takes the
  // point 0,0 for the widget's centre: 1,1 is dot 0,0 too.)
  form->escolheFerramenta(5);
  arrasta({1, 1, 1203, 1203, 1203, 1203}, Qt::RightButton);
  EXPECT_FALSE(telaTemPontos());
}

TEST_F(Janela, ElasticoInvertidoEnquantoArrasta) {
  form->escolheFerramenta(3);
  pressiona(40, 40);
  move(80, 80);
  QImage img = form->imagemComposta();
  EXPECT_EQ(img.pixel(60, 40), ~prata | 0xFF000000);  // the band's top edge over the grid
  int invertidos = 0;  // two pixels wide
  for (int y = 34; y < 46; ++y) invertidos += img.pixel(62, y) != form->bmpGrade.pixel(62, y);
  EXPECT_EQ(invertidos, 2);
  EXPECT_EQ(img.pixel(80, 60), ~prata | 0xFF000000);
  move(100, 60);
  img = form->imagemComposta();
  EXPECT_EQ(img.pixel(80, 70), prata);  // the old band is gone
  EXPECT_EQ(img.pixel(100, 50), ~prata | 0xFF000000);
  solta(100, 60);
  confereImagem();  // the rectangle, and no band
  EXPECT_EQ(tela.le(10, 10), 1);
  EXPECT_EQ(tela.le(25, 15), 1);
}

TEST_F(Janela, SelecaoEmVermelhoSoNaFerramentaDeSelecao) {
  form->escolheFerramenta(0);
  arrasta({40, 40, 60, 52, 60, 52});
  EXPECT_EQ(std::vector<int>({selecao.x1, selecao.y1, selecao.x2, selecao.y2}), std::vector<int>({10, 10, 15, 13}));
  EXPECT_EQ(form->imagemComposta().pixel(64, 50), 0xFFFF0000);
  EXPECT_EQ(form->imagemComposta().pixel(68, 50), prata);  // column x2 + 1 is 16: x = 64
  form->escolheFerramenta(4);
  EXPECT_EQ(form->imagemComposta().pixel(64, 50), prata);
  EXPECT_TRUE(form->findChild<QToolButton*>("B_reta")->isChecked());
  EXPECT_FALSE(form->B_selArea->isChecked());
}

TEST_F(Janela, CurvaTerminaNoDuploClique) {
  form->escolheFerramenta(10);
  const QPoint pontos[] = {{40, 200}, {120, 100}, {200, 220}};
  for (const QPoint& p : pontos) {
    pressiona(p.x(), p.y());
    solta(p.x(), p.y());
  }
  EXPECT_EQ(numPontosCurva, 3);
  // Qt's double click: press, release, double click, release.
  QMouseEvent duplo(QEvent::MouseButtonDblClick, QPointF(280, 120), area()->mapToGlobal(QPointF(280, 120)),
                    Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
  pressiona(280, 120);
  solta(280, 120);
  QApplication::sendEvent(area(), &duplo);
  solta(280, 120);
  EXPECT_EQ(numPontosCurva, 0);
  const TMatrizPontos desenhado = tela;
  limpaTela();
  for (const QPoint& p : pontos) tracaReta(p.x() / 4, p.y() / 4, p.x() / 4, p.y() / 4);
  tracaReta(70, 30, 70, 30);
  numPontosCurva = 4;
  pontosCurva[1] = {40, 200}, pontosCurva[2] = {120, 100}, pontosCurva[3] = {200, 220}, pontosCurva[4] = {280, 120};
  tracaCurva();
  EXPECT_TRUE(tela.pontos == desenhado.pontos);
  confereImagem();
}

TEST_F(Janela, TecladoDesenhaSemPonteiroDeVerdade) {
  form->escolheFerramenta(4);
  move(41, 42);  // dot 10, 10
  for (int tecla : {Qt::Key_Insert, Qt::Key_Right, Qt::Key_Right, Qt::Key_Right, Qt::Key_Down, Qt::Key_Return})
    QTest::keyClick(area(), static_cast<Qt::Key>(tecla));
  EXPECT_EQ(tela.le(10, 10), 1);
  EXPECT_EQ(tela.le(13, 11), 1);
  EXPECT_FALSE(form->ferramentas.desenhando);
  EXPECT_EQ(form->l_x->text(), "13");
  // Ctrl+Right from dot 115 asks for 125: limited to 120, with the notice.
  move(460, 40);
  mensagens.esperaOk();
  QTest::keyClick(area(), Qt::Key_Right, Qt::ControlModifier);
  EXPECT_EQ(form->ferramentas.ponteiroX, 480);
  ASSERT_EQ(mensagens.servico.registro.size(), 1u);
  EXPECT_EQ(mensagens.servico.registro[0].titulo, "Cursor fora da tela, foi reposicionado");
  EXPECT_EQ(form->l_x->text(), "120");
  confereImagem();
}

TEST_F(Janela, PosicaoDigitadaEInformada) {
  origemX = 10, origemY = 20;
  escalaX = 2, escalaY = 0.5;
  mensagens.servico.respostasTexto = {"3 4", std::nullopt};
  mensagens.esperaOk(2);
  form->XY1Click();  // dot (16, 22)
  EXPECT_EQ(std::pair(form->ferramentas.ponteiroX, form->ferramentas.ponteiroY), std::pair(64, 88));
  form->XY1Click();  // cancelled: an empty text
  EXPECT_EQ(form->ferramentas.ponteiroX, 64);
  form->InformaXYatual1Click();
  ASSERT_EQ(mensagens.servico.registro.size(), 4u);
  EXPECT_EQ(mensagens.servico.registro[0].titulo, "Digite x y");
  EXPECT_EQ(mensagens.servico.registro[0].texto, "Informe a coordenada x y");
  EXPECT_EQ(mensagens.servico.registro[2].titulo, "Entre os números separados por espaço"_cp);
  EXPECT_EQ(mensagens.servico.registro[3].titulo, "Coordenadas 12 1");
}

TEST_F(Janela, CanetaEPadronagemDoMenu) {
  form->acao("Caneta3")->trigger();
  form->acao("Padronagem50")->trigger();
  EXPECT_EQ(espessura, 3);
  EXPECT_EQ(padronagem, 1);
  EXPECT_TRUE(form->acao("Caneta3")->isChecked());
  EXPECT_FALSE(form->acao("Caneta1")->isChecked());
  EXPECT_TRUE(form->acao("Padronagem50")->isChecked());
  form->acao("Padronagem25")->trigger();
  EXPECT_EQ(padronagem, 0);
}

TEST_F(Janela, FecharPerguntaSoComPontos) {
  using plataforma::Botao;
  tela.poe(5, 5, 1);
  mensagens.servico.respostasBotao = {Botao::cancelar, Botao::nao, Botao::ok};
  EXPECT_FALSE(form->close());
  EXPECT_FALSE(form->close());
  EXPECT_TRUE(form->close());
  ASSERT_EQ(mensagens.servico.registro.size(), 3u);
  EXPECT_EQ(mensagens.servico.registro[0].texto, "Já gravou ?"_cp);
  EXPECT_EQ(mensagens.servico.registro[0].tipo, plataforma::TipoMensagem::simples);
  EXPECT_EQ(mensagens.servico.registro[0].botoes, (std::vector<Botao>{Botao::nao, Botao::ok, Botao::cancelar}));
  form->show();
  tela.limpa();
  EXPECT_TRUE(form->close());  // empty: nothing asked
  EXPECT_EQ(mensagens.servico.registro.size(), 3u);
}

TEST(JanelaAviso, Form2MostraAMensagemComoTitulo) {
  TForm2 janela;
  Form2 = &janela;
  ServicoMensagensOrvento servico;
  plataforma::instalaServicoMensagens(&servico);
  QString titulo;
  QSize tamanho;
  servicoqt::defineMostraModal([&](QDialog& d) {
    titulo = d.windowTitle();
    tamanho = d.size();
    static_cast<TForm2&>(d).Button1->click();
    return d.result();
  });
  const std::string longa(200, 'x');
  exibeAviso("Arquivo não pode ser aberto"_cp);
  EXPECT_EQ(titulo, QString::fromUtf8("Arquivo não pode ser aberto"));
  EXPECT_EQ(tamanho, QSize(373, 82));
  EXPECT_EQ(servico.mensagem(plataforma::TipoMensagem::simples, longa, {}, {plataforma::Botao::ok}),
            plataforma::Botao::ok);
  EXPECT_EQ(tamanho, QSize(373, 82));  // a long message does not make it grow
  servicoqt::defineMostraModal({});
  plataforma::instalaServicoMensagens(nullptr);
  Form2 = nullptr;
}

TEST(JanelaAviso, SobreMostraAVersaoSempre) {
  TAboutBox sobre;
  for (int i = 0; i < 2; ++i) {
    sobre.show();
    EXPECT_EQ(sobre.Version->text(), QString::fromUtf8("Versão 2.0"));
    sobre.Version->clear();
    sobre.OKButton->click();
    EXPECT_FALSE(sobre.isVisible());
  }
}

TEST_F(Janela, AjudaEPinturaDoDesktop) {
  // No help file where the program started: the error box.
  mensagens.esperaOk();
  const std::string antes = plataforma::diretorioAtual();
  ASSERT_EQ(::chdir(windows.pasta().caminho().c_str()), 0);
  form->Ajuda1Click();
  ASSERT_EQ(::chdir(antes.c_str()), 0);
  EXPECT_EQ(mensagens.servico.textos(), std::vector<std::string>{"Arquivo de ajuda não encontrado"_cp});
  // The paint program found on PATH is started; none found: nothing shown.
  const apoio::PastaTemporaria bin;
  bin.grava("pinta", "#!/bin/sh\n/usr/bin/touch \"$0.rodou\"\n");
  ::chmod(bin.arquivo("pinta").c_str(), 0755);
  const std::string path = std::getenv("PATH");
  ::setenv("PATH", bin.caminho().c_str(), 1);
  form->Paintbrush1Click();
  EXPECT_TRUE(apoio::ate([&] { return ::access(bin.arquivo("pinta.rodou").c_str(), F_OK) == 0; }));
  ::setenv("PATH", "/nenhuma", 1);
  form->Paintbrush1Click();
  ::setenv("PATH", path.c_str(), 1);
  EXPECT_EQ(mensagens.servico.registro.size(), 1u);
}

TEST_F(Janela, NovoEAbrirPerguntamEMostram) {
  using plataforma::Botao;
  const apoio::PastaTemporaria pasta;
  pasta.grava("casa.grb", "*\r\n **\r\n");
  tela.poe(9, 9, 1);
  form->Mostrar1Click();
  mensagens.servico.respostasBotao = {Botao::nao, Botao::ok, Botao::ok};
  form->Novo1Click();  // No: nothing changes
  EXPECT_EQ(tela.le(9, 9), 1);
  EXPECT_TRUE(form->B_moveImagem->isEnabled());
  mensagens.servico.respostasTexto = {pasta.arquivo("casa.grb"), std::nullopt};
  form->Abrir1Click();  // OK, then the file
  EXPECT_EQ(form->windowTitle(), "Orvento casa.grb");
  EXPECT_FALSE(form->B_moveImagem->isEnabled());  // the model hidden
  EXPECT_TRUE(form->modeloOculto);
  EXPECT_EQ(tela.le(9, 9), 0);
  EXPECT_EQ(tela.le(2, 1), 1);
  confereImagem();
  form->Abrir1Click();  // dots on the canvas: asked again, then cancelled
  EXPECT_EQ(form->windowTitle(), "Orvento casa.grb");
  EXPECT_EQ(mensagens.servico.registro.size(), 5u);
  mensagens.servico.respostasBotao = {Botao::ok};
  form->Novo1Click();
  EXPECT_EQ(form->windowTitle(), "Orvento");
  EXPECT_FALSE(telaTemPontos());
  confereImagem();
  // The first save names the new drawing.
  mensagens.servico.respostasTexto = {pasta.arquivo("nova")};
  form->Salvar1Click();
  EXPECT_EQ(form->windowTitle(), "Orvento nova.grb");
}

TEST_F(Janela, ModeloDaAreaDeTransferenciaEDeArquivo) {
  const apoio::PastaTemporaria pasta;
  QImage quadro(40, 30, QImage::Format_ARGB32);
  quadro.fill(QColor(0, 0, 255));
  quadro.setPixel(0, 0, qRgba(0, 0, 0, 0));  // transparent shows white
  QGuiApplication::clipboard()->setImage(quadro);
  form->Areadetransferncia1Click();
  EXPECT_TRUE(form->B_moveImagem->isEnabled());
  QImage img = form->imagemComposta();
  EXPECT_EQ(img.pixel(2, 2), 0xFF0000FFu);                 // blue AND white
  EXPECT_EQ(img.pixel(8, 2), 0xFF0000C0u);                 // blue AND the grid
  EXPECT_EQ(img.pixel(0, 0), 0xFFFFFF00u);                 // the axes over a transparent pixel
  EXPECT_EQ(img.pixel(41, 2), 0xFFFFFFFFu);
  // The move-model tool drags it.
  form->escolheFerramenta(1);
  arrasta({10, 10, 110, 60, 110, 60});
  EXPECT_EQ(std::pair(modeloX, modeloY), std::pair(100, 50));
  img = form->imagemComposta();
  EXPECT_EQ(img.pixel(102, 53), 0xFF0000FFu);
  EXPECT_EQ(img.pixel(2, 2), 0xFFFFFFFFu);
  form->Esconder1Click();
  EXPECT_EQ(form->imagemComposta().pixel(102, 53), 0xFFFFFFFFu);
  EXPECT_FALSE(form->B_moveImagem->isEnabled());
  // A BMP file; then one cut short, and a clipboard with text only.
  ASSERT_TRUE(quadro.save(QString::fromStdString(pasta.arquivo("m.bmp")), "BMP"));
  std::string bmp = pasta.le("m.bmp");
  pasta.grava("curto.bmp", bmp.substr(0, 40));
  mensagens.servico.respostasTexto = {pasta.arquivo("m.bmp"), pasta.arquivo("curto.bmp")};
  form->trazer1Click();
  EXPECT_EQ(std::pair(modeloX, modeloY), std::pair(0, 0));
  EXPECT_EQ(form->imagemComposta().pixel(2, 2), 0xFF0000FFu);
  form->Esconder1Click();
  mensagens.esperaOk(2);
  form->trazer1Click();
  EXPECT_TRUE(form->B_moveImagem->isEnabled());  // enabled all the same
  QGuiApplication::clipboard()->setText(QStringLiteral("texto"));
  form->Areadetransferncia1Click();
  ASSERT_EQ(mensagens.servico.registro.size(), 4u);
  EXPECT_EQ(mensagens.servico.registro[2].titulo, "Arquivo não pode ser carregado"_cp);
  EXPECT_EQ(mensagens.servico.registro[3].titulo,
            "Este gráfico não pode ser copiado diretamente.\nCole no Paint Brush, e depois copie dali."_cp);
}

// A picture file is taken only whole: one cut short in its pixel rows would
// bring rows of stale memory, which "&Brailizar" turns into dots.
TEST_F(Janela, ModeloDeArquivoSoInteiro) {
  const auto dado = [](const char* nome) { return std::string(LUMAREL_DIR_TESTES "/dados/") + nome; };
  const struct { const char* arquivo; QSize lido; } casos[] = {
      {"modelo.bmp", {8, 6}},       {"modelo_rle.bmp", {8, 6}}, {"modelo_minimo.bmp", {1, 1}},
      {"modelo_linhas_cortadas.bmp", {0, 0}}, {"modelo_rle_cortado.bmp", {0, 0}}};  // refused
  for (const auto& c : casos) EXPECT_EQ(leImagemModelo(dado(c.arquivo)).size(), c.lido) << c.arquivo;
  // The model the user had stays, with the notice.
  QImage antes(3, 3, QImage::Format_RGB32);
  antes.fill(Qt::red);
  form->defineModelo(antes);
  modeloX = 5;
  mensagens.servico.respostasTexto = {dado("modelo_linhas_cortadas.bmp")};
  mensagens.esperaOk();
  form->trazer1Click();
  EXPECT_EQ(mensagens.servico.registro.back().titulo, "Arquivo não pode ser carregado"_cp);
  EXPECT_EQ(form->bmpModelo, antes);
  EXPECT_EQ(modeloX, 5);
}

TEST_F(Janela, DesfazerBlocosEAjustes) {
  form->escolheFerramenta(3);
  for (int i = 0; i < 3; ++i) arrasta({4 + 40 * i, 4, 30 + 40 * i, 30, 30 + 40 * i, 30});
  form->escolheFerramenta(0);
  arrasta({0 + 1, 0 + 1, 36, 36, 36, 36});
  form->Recortar1Click();
  EXPECT_EQ(tela.le(1, 1), 0);
  EXPECT_EQ(tela.le(11, 1), 1);
  confereImagem();
  form->Desfazer1Click();  // back to when the rectangle tool was chosen: empty
  EXPECT_FALSE(telaTemPontos());
  confereImagem();
  form->Desfazer1Click();  // and forth again
  EXPECT_EQ(tela.le(11, 1), 1);
  EXPECT_EQ(tela.le(1, 1), 0);
  form->Alta2Click();
  EXPECT_TRUE(altaResolucao);
  EXPECT_TRUE(form->acao("Alta2")->isChecked());
  form->Baixa2Click();
  EXPECT_FALSE(altaResolucao);
  // A new origin moves the axes at once.
  mensagens.servico.respostasTexto = {"10 5"};
  form->Origem1Click();
  EXPECT_EQ(form->imagemComposta().pixel(40, 100), 0xFFFFFF00u);
  EXPECT_EQ(form->imagemComposta().pixel(100, 20), 0xFFFFFF00u);
  // So do a new paper size, alone, and a replayed origin.
  const apoio::PastaTemporaria pasta;
  pasta.grava("o.gbr", "ORIGEM 20 5\r\n");
  mensagens.servico.respostasTexto = {"60 60", pasta.arquivo("o.gbr")};
  form->Nmerodepontos1Click();
  form->Carregaraes1Click();
  const QImage img = form->imagemComposta();
  EXPECT_EQ(std::vector<QRgb>({img.pixel(239, 10), img.pixel(479, 10), img.pixel(80, 10), img.pixel(40, 100)}),
            std::vector<QRgb>({0xFF008000, branco, 0xFFFFFF00, prata}));
  reiniciaComandos();
}

TEST_F(Janela, TextoBrailleEBrailizacaoPelosDialogos) {
  TformTexto texto;
  TformBraille braille;
  TformBrailizar brailizar;
  formTexto = &texto, formBraille = &braille, formBrailizar = &brailizar;
  // The dialogs are filled and answered as the user would.
  std::function<void(QDialog&)> preenche;
  servicoqt::defineMostraModal([&](QDialog& d) {
    preenche(d);
    return d.result();
  });
  const apoio::PastaTemporaria pasta;
  mensagens.servico.respostasTexto = {pasta.arquivo("acoes")};
  mensagens.esperaOk(2);
  form->RegistrarAes1Click();  // "Arquivo novo criado."
  preenche = [&](QDialog&) {
    texto.e_texto->setText(QStringLiteral("Aj"));
    texto.b_transcrever->click();
  };
  form->escolheFerramenta(11);
  pressiona(41, 83);  // dot 10, 20
  solta(41, 83);
  EXPECT_EQ(textoDigitado, "Aj");
  const TMatrizPontos comTexto = tela;
  tela.limpa();
  ASSERT_TRUE(desenhaTexto("Aj", 10, 20, 0));
  EXPECT_TRUE(tela.pontos == comTexto.pontos);
  preenche = [&](QDialog&) {
    braille.e_braille->setText(QStringLiteral("a"));
    braille.r_braille->defineIndice(0);
    braille.FormActivate();  // what showing it does: the dot table is read
    braille.b_transcrever->click();
  };
  form->escolheFerramenta(12);
  tela.limpa();
  pressiona(200, 200);
  solta(200, 200);
  EXPECT_EQ(tela.le(50, 48), 1);  // "a" is dot 1, two rows above dot 3's place
  EXPECT_EQ(std::count(tela.pontos.begin(), tela.pontos.end(), 1), 1);
  preenche = [&](QDialog&) { braille.b_cancelar->click(); };  // nothing drawn, nothing recorded
  pressiona(200, 200);
  solta(200, 200);
  EXPECT_EQ(textoDigitado, "");
  form->Fimdoregistro1Click();  // "Arquivo gravado"
  const std::string gravado = pasta.le("acoes.gbr");
  EXPECT_EQ(gravado.substr(0, 9), "TEXTO   1");  // the keyword's field, then x
  EXPECT_NE(gravado.find("\r\nBRAILLE "), std::string::npos);
  EXPECT_EQ(std::count(gravado.begin(), gravado.end(), '\n'), 2);
  // The replay draws both again.
  tela.limpa();
  mensagens.servico.respostasTexto = {pasta.arquivo("acoes.gbr")};
  form->Carregaraes1Click();
  EXPECT_EQ(tela.le(50, 48), 1);
  EXPECT_EQ(std::count(tela.pontos.begin(), tela.pontos.end(), 1),
            std::count(comTexto.pontos.begin(), comTexto.pontos.end(), 1) + 1);
  confereImagem();
  // A black model picture turns into dots where it lies.
  QImage preto(40, 20, QImage::Format_RGB32);
  preto.fill(Qt::black);
  QGuiApplication::clipboard()->setImage(preto);
  EXPECT_FALSE(form->acao("Brailizar1")->isEnabled());
  form->Areadetransferncia1Click();
  EXPECT_TRUE(form->acao("Brailizar1")->isEnabled());
  modeloX = 400;
  tela.limpa();
  preenche = [&](QDialog&) { brailizar.B_OK->click(); };
  form->Brailizar1Click();
  EXPECT_EQ(tela.le(102, 2), 1);
  EXPECT_EQ(tela.le(98, 2), 0);
  EXPECT_EQ(tela.le(102, 7), 0);
  form->Esconder1Click();
  EXPECT_FALSE(form->acao("Brailizar1")->isEnabled());
  confereImagem();
  servicoqt::defineMostraModal({});
  formTexto = nullptr, formBraille = nullptr, formBrailizar = nullptr;
  reiniciaComandos();
}

// A modal window opened by a press, or while a button is held, takes the
// release: afterwards the area must know that no button is down.
TEST_F(Janela, DepoisDeUmaJanelaModalNenhumBotaoFicaPressionado) {
  TformTexto texto;
  TformBraille braille;
  formTexto = &texto, formBraille = &braille;
  QPushButton* resposta = nullptr;  // the release lands in the dialog, then this is clicked
  servicoqt::defineMostraModal([&](QDialog& d) { return QTest::mouseClick(resposta, Qt::LeftButton), d.result(); });
  // Mode 3: a rectangle begun, and a key that brings up the notice.
  const std::pair<int, QPushButton*> aberturas[] = {{11, texto.b_transcrever}, {11, texto.b_cancelar},
                                                    {12, braille.b_transcrever}, {12, braille.b_cancelar},
                                                    {3, nullptr}};
  for (const auto& [modo, botao] : aberturas) {
    SCOPED_TRACE(modo);
    tela.limpa();
    form->escolheFerramenta(modo);
    resposta = botao;
    move(472, 40);  // dot 118
    pressiona(472, 40);
    if (botao == nullptr) {
      mensagens.esperaOk();
      QTest::keyClick(area(), Qt::Key_Right, Qt::ControlModifier);
      QTest::mouseRelease(form->l_x, Qt::LeftButton);
    }
    EXPECT_FALSE(form->ferramentas.desenhando);
    form->escolheFerramenta(2);  // freehand: a move with no button draws nothing
    move(100, 100);
    move(200, 160);
    EXPECT_FALSE(telaTemPontos());
  }
  // A release the area never saw: a move with no button ends the figure.
  tela.limpa();
  form->escolheFerramenta(4);
  pressiona(40, 40);
  QTest::mouseRelease(form->l_x, Qt::LeftButton);
  move(80, 80);
  QTest::keyClick(area(), Qt::Key_Return);  // one dot at the pointer, no line from 40, 40
  EXPECT_EQ(dados::pontosDe(tela), "20,20");
  servicoqt::defineMostraModal({});
  formTexto = nullptr, formBraille = nullptr;
}

TEST_F(Janela, AtalhosEmQualquerPontoETeclasSoDaArea) {
  form->resize(900, 700);  // dot 150 in view
  for (int x = 10; x <= 12; ++x) tela.poe(x, 10, 1);
  form->escolheFerramenta(0);
  arrasta({40, 40, 52, 44, 52, 44});
  move(600, 40);
  // Modifier keys alone are no keys; the shortcuts act past dot 120 too.
  for (Qt::Key k : {Qt::Key_Control, Qt::Key_Shift, Qt::Key_Alt, Qt::Key_AltGr, Qt::Key_Meta, Qt::Key_Super_L}) {
    QKeyEvent sozinha(QEvent::KeyPress, k, Qt::NoModifier);
    QApplication::sendEvent(area(), &sozinha);
  }
  QTest::keyClick(area(), Qt::Key_X, Qt::ControlModifier);
  EXPECT_FALSE(telaTemPontos());
  QTest::keyClick(area(), Qt::Key_V, Qt::ControlModifier);
  // Over the tool panel a key draws nothing: the pointer comes to the
  // nearest dot, with the notice.
  form->escolheFerramenta(2);
  move(100, 100);
  QTest::mouseMove(form->B_ponto, QPoint(20, 5));
  mensagens.esperaOk();
  QTest::keyClick(area(), Qt::Key_Insert);
  EXPECT_EQ(mensagens.servico.registro.size(), 1u);
  EXPECT_EQ(dados::pontosDe(tela), "10,10 11,10 12,10");
  EXPECT_EQ(form->ferramentas.ponteiroX, 0);
}

// A FIFO whose reader holds it open and reads only when told: the job
// stalls on it, the window goes on, and the job ends as the reader decides.
TEST_F(Janela, ImpressaoParadaNaoPrendeAJanela) {
  TFormConta conta;
  FormConta = &conta;
  // Serves the windows until `pronto`, for at most `prazo`.
  const auto serveAte = [](const std::function<bool()>& pronto, std::chrono::milliseconds prazo = 10s) {
    const auto fim = std::chrono::steady_clock::now() + prazo;
    while (!pronto() && std::chrono::steady_clock::now() < fim) QTest::qWait(5);
    QCoreApplication::processEvents();
    return pronto();
  };
  // 100 full bands, far more than the FIFO holds.
  for (int x = 0; x < 300; x += 2) tela.preencheRetangulo(x, 0, 1, 300, 1);
  const TMatrizPontos desenhado = tela;
  std::string esperado;
  geraFluxoDesenho(desenhado, tabAmbCode, false, [&](std::string_view b) { return esperado.append(b), true; });
  dispositivo = windows.pasta().arquivo("fila");
  ASSERT_EQ(::mkfifo(dispositivo.c_str(), 0600), 0);
  const std::string saiu = "Erro ao acionar a impressora\n" + dispositivo + ": o dispositivo deixou de receber os dados";
  enum Fim { leTudo, cancelado, leitorSai };
  for (const Fim fim : {leTudo, cancelado, leitorSai}) {
    SCOPED_TRACE(fim);
    mensagens.servico.limpa();
    const int leitor = ::open(dispositivo.c_str(), O_RDONLY | O_NONBLOCK);
    ASSERT_GE(::fcntl(leitor, F_SETPIPE_SZ, 4096), 4096);
    form->Imprimir1Click();
    serveAte([] { return false; }, 300ms);
    ASSERT_TRUE(impressaoDesenhoAtiva());
    EXPECT_TRUE(FormConta->isVisible());
    // The window draws on, and a second job is refused.
    form->PaintBox2MouseDown(Qt::LeftButton, 4 * 251 + 1, 4 * 290 + 1);
    form->PaintBox2MouseUp(4 * 251 + 1, 4 * 290 + 1);
    EXPECT_EQ(tela.le(251, 290), 1);
    mensagens.esperaOk(fim == leitorSai ? 2 : 1);
    form->Imprimir1Click();
    if (fim == cancelado) QTest::mouseClick(FormConta->Button1, Qt::LeftButton);
    std::string lido;
    char bloco[4096];
    serveAte([&] {
      if (fim == leitorSai) return true;
      const ssize_t n = ::read(leitor, bloco, sizeof bloco);
      if (n > 0) lido.append(bloco, static_cast<size_t>(n));
      return n == 0 || (n < 0 && fim == cancelado && !impressaoDesenhoAtiva());
    });
    ::close(leitor);
    EXPECT_TRUE(serveAte([] { return !impressaoDesenhoAtiva() && !FormConta->isVisible(); }));
    aguardaFimImpressaoDesenho();
    // What goes out is the drawing as it was when the job began; a cancel
    // cuts it short and says nothing, a reader that leaves is told once.
    EXPECT_EQ(lido, fim == leTudo ? esperado : esperado.substr(0, lido.size()));
    EXPECT_EQ(lido.size() < esperado.size(), fim != leTudo);
    auto textos = std::vector<std::string>{"Não é possível imprimir dois desenhos ao mesmo tempo"_cp};
    if (fim == leitorSai) textos.push_back(saiu);
    EXPECT_EQ(mensagens.servico.textos(), textos);
    tela = desenhado;
  }
  FormConta = nullptr;
}

TEST(JanelaBrailizar, SetasParaADireitaEParaCimaSobemOContraste) {
  TformBrailizar brailizar;
  brailizar.show();
  brailizar.C_sobrepor->setFocus();
  QTest::keyClick(brailizar.C_sobrepor, Qt::Key_Tab);  // the keys reach the bar
  EXPECT_EQ(brailizar.focusWidget(), brailizar.S_contraste);
  for (Qt::Key k : {Qt::Key_Right, Qt::Key_Up, Qt::Key_Left, Qt::Key_Down, Qt::Key_Down})
    QTest::keyClick(brailizar.S_contraste, k);
  EXPECT_EQ(brailizar.l_contraste->text(), "49");  // 50, 51, 52, 51, 50, 49
}

}  // namespace
