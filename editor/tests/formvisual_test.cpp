#include "formvisual.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QTest>
#include <QTextBlock>
#include <cstdlib>

#include "apoio_testes.h"
#include "brarquivo.h"
#include "braillequt.h"
#include "brcodigo.h"
#include "brcursor.h"
#include "brgerador.h"
#include "brlinhasbraille.h"
#include "brrascunho.h"
#include "brtraduz.h"
#include "brvars.h"
#include "cp1252.h"
#include "rotulosbraille.h"
#include "textoqt.h"

using textoqt::deQString;
using textoqt::paraQString;
using Linhas = std::vector<std::string>;

namespace {

std::string pastaDados() {
  const char* d = std::getenv("LUMAREL_DATA_DIR");
  return d ? d : ".";
}

// The preview over the example document, with a stand-in for the main
// window's caret service: the document's lines, the caret as line and
// column, and the lines the annotation inserts.
class JanelaVisual : public ::testing::Test {
 protected:
  void SetUp() override {
    reiniciaVariaveis();
    reiniciaTraducaoTexto();
    leConfigDiretorios(pastaDados());
    configuracao.arqTrab = pasta.arquivo("rascunho.txt");
    ASSERT_EQ(leDocumento(pastaDados() + "/exemplo.txt", documento), ResultadoLeitura::ok);
    janela = new TFormVisual;
    FormVisual = janela;
    janela->numeroLinhasDocumento = [this] { return static_cast<int>(documento.size()); };
    janela->irParaLinhaColuna = [this](int l, int c) { cursor = {l, c}; };
    janela->insereLinhaDocumento = [this](int i, const std::string& t) {
      documento.insert(documento.begin() + i, t);
    };
  }
  void TearDown() override {
    delete janela;
    reiniciaVariaveis();
    reiniciaTraducaoTexto();
    tabelaImpressora = tabelaIdentidade();
  }

  // "&Visualizar" with the caret on document line `linha`.
  void visualiza(int linha) {
    ASSERT_TRUE(geraVisualizacao(documento, linha));
    janela->mostraVisualizacao();
  }
  std::string linhaMostrada(int i) const {
    return deQString(janela->modeloLista->data(janela->modeloLista->index(i), Qt::DisplayRole).toString());
  }
  QString legenda() const { return janela->b_pagLin->text(); }
  QPoint centroLinha(int i) const {
    return janela->ListBoxVisual->visualRect(janela->modeloLista->index(i)).center();
  }

  apoio::PastaTemporaria pasta;
  apoio::Mensagens mensagens;
  Linhas documento;
  LinhaColuna cursor{-9, -9};
  TFormVisual* janela = nullptr;
};

TEST_F(JanelaVisual, ShowsTheExampleDraftAtTheCaretLine) {
  visualiza(12);
  Linhas rascunho;
  ASSERT_TRUE(leRascunho(rascunho));
  ASSERT_GT(rascunho.size(), 20u);
  ASSERT_EQ(janela->modeloLista->rowCount(), static_cast<int>(rascunho.size()));
  for (int i = 0; i < janela->modeloLista->rowCount(); ++i) ASSERT_EQ(linhaMostrada(i), rascunho[static_cast<std::size_t>(i)]);
  EXPECT_TRUE(janela->isVisible());
  EXPECT_EQ(janela->linhaSelecionada(), linhaRascunhoCursor);
  EXPECT_GT(linhaRascunhoCursor, 5);
  EXPECT_EQ(janela->linhaTopo(), linhaRascunhoCursor - 5);
  EXPECT_TRUE(janela->Timer1->isActive());
  janela->Timer1Timer();
  EXPECT_FALSE(janela->Timer1->isActive());
  const PagLin pl = paginaLinha(rascunho, linhaRascunhoCursor);
  EXPECT_EQ(legenda(), paraQString(legendaPagLin(pl)));
  // The draft is in printer code (the table of the unified code was loaded),
  // and the list draws its cells: the selected row is not blank.
  EXPECT_NE(tabelaImpressora, tabelaIdentidade());
  const QImage imagem = janela->ListBoxVisual->viewport()->grab().toImage();
  const QRect r = janela->ListBoxVisual->visualRect(janela->modeloLista->index(linhaRascunhoCursor));
  EXPECT_EQ(r.height(), 24);
  const QRgb fundo = imagem.pixel(r.right() - 2, r.center().y());
  int tinta = 0;
  for (int x = r.left(); x < r.left() + 200 && x < imagem.width(); ++x)
    for (int y = r.top(); y <= r.bottom(); ++y) tinta += imagem.pixel(x, y) != fundo;
  EXPECT_GT(tinta, 20);
}

TEST_F(JanelaVisual, StepsThroughThePagesWithTheKeys) {
  visualiza(0);
  Linhas r;
  ASSERT_TRUE(leRascunho(r));
  const int segunda = indicePagina(r, 2);
  const int terceira = indicePagina(r, 3);
  ASSERT_GT(segunda, 0);
  ASSERT_GT(terceira, segunda);
  janela->selecionaLinha(1);
  QTest::keyClick(janela->ListBoxVisual, Qt::Key_PageDown, Qt::AltModifier);
  EXPECT_EQ(janela->linhaSelecionada(), segunda);
  QTest::keyClick(janela->ListBoxVisual, Qt::Key_PageDown, Qt::AltModifier);
  EXPECT_EQ(janela->linhaSelecionada(), terceira);
  janela->Timer1Timer();
  EXPECT_EQ(legenda(), paraQString(legendaPagLin(paginaLinha(r, terceira))));
  QTest::keyClick(janela->ListBoxVisual, Qt::Key_PageUp, Qt::AltModifier);
  EXPECT_EQ(janela->linhaSelecionada(), segunda);
  // Inside a page, back goes to its first line.
  janela->selecionaLinha(segunda + 1);
  janela->Anterior1Click();
  EXPECT_EQ(janela->linhaSelecionada(), segunda);
  // Past the last page: the last line.
  janela->selecionaLinha(static_cast<int>(r.size()) - 2);
  janela->Proximapgina1Click();
  EXPECT_EQ(janela->linhaSelecionada(), static_cast<int>(r.size()) - 1);
  // Other keys keep the list's own behaviour, and every key starts the timer.
  janela->Timer1->stop();
  janela->selecionaLinha(0);
  QTest::keyClick(janela->ListBoxVisual, Qt::Key_Down);
  EXPECT_EQ(janela->linhaSelecionada(), 1);
  EXPECT_TRUE(janela->Timer1->isActive());
}

TEST_F(JanelaVisual, PageTypedIntoTheInputBox) {
  visualiza(0);
  Linhas r;
  ASSERT_TRUE(leRascunho(r));
  mensagens.servico.respostasTexto = {std::string(" 2 "), std::string("2x"), std::nullopt};
  janela->selecionaLinha(0);
  janela->b_pagLinClick();
  EXPECT_EQ(janela->linhaSelecionada(), indicePagina(r, 2));
  janela->selecionaLinha(0);
  janela->InformarPgina1Click();  // not a whole number: nothing
  EXPECT_EQ(janela->linhaSelecionada(), 0);
  janela->b_pagLinClick();  // cancelled
  EXPECT_EQ(janela->linhaSelecionada(), 0);
  ASSERT_EQ(mensagens.servico.registro.size(), 3u);
  EXPECT_EQ(mensagens.servico.registro[0].titulo, "Informe a página desejada"_cp.str());
  EXPECT_EQ(mensagens.servico.registro[0].texto, "Página"_cp.str());
}

// A dialog that takes the activation while it is open, as a real one does.
class DialogoQueAtiva : public plataforma::ServicoMensagensGravador {
 public:
  QWidget outra;
  std::optional<std::string> pergunta(const std::string& t, const std::string& r, const std::string& v) override {
    outra.show();
    QApplication::setActiveWindow(&outra);
    return ServicoMensagensGravador::pergunta(t, r, v);
  }
};

TEST_F(JanelaVisual, ReturningFromItsOwnDialogKeepsThePageChosen) {
  visualiza(12);
  QApplication::setActiveWindow(janela);
  if (!janela->isActiveWindow()) GTEST_SKIP() << "no window activation on this platform";
  Linhas r;
  ASSERT_TRUE(leRascunho(r));
  DialogoQueAtiva dialogo;
  dialogo.respostasTexto = {std::string("3")};
  plataforma::instalaServicoMensagens(&dialogo);
  janela->b_pagLinClick();
  plataforma::instalaServicoMensagens(&mensagens.servico);
  QApplication::setActiveWindow(janela);
  EXPECT_EQ(janela->linhaSelecionada(), indicePagina(r, 3));
  // Coming back from another window is a new activation: the caret's line.
  QApplication::setActiveWindow(&dialogo.outra);
  QApplication::setActiveWindow(janela);
  EXPECT_EQ(janela->linhaSelecionada(), linhaRascunhoCursor);
}

TEST_F(JanelaVisual, EnterGoesBackToTheOriginalLine) {
  visualiza(15);
  const int alvo = linhaRascunhoCursor;
  // Any line of the draft leads to the last document line that starts at or
  // before it; the caret's own line leads back to the caret's document line.
  janela->selecionaLinha(alvo);
  QTest::keyClick(janela->ListBoxVisual, Qt::Key_Return);
  EXPECT_FALSE(janela->isVisible());
  EXPECT_EQ(cursor, (LinhaColuna{15, 0}));
  EXPECT_EQ(janela->visual.linhaAnotacao, 15);
  // The first draft line: the start of the text.
  janela->mostraVisualizacao();
  janela->selecionaLinha(0);
  janela->IrAoOriginal1Click();
  EXPECT_EQ(cursor, (LinhaColuna{0, 0}));
  // The map is the preview's own: a later pass over another document does
  // not change where the way back leads.
  std::string saida;
  ASSERT_TRUE(traduzLinha("Outra", saida));
  int outra = 0;
  ASSERT_TRUE(geraRascunho({"a", "b"}, 0, outra, false));
  janela->selecionaLinha(alvo);
  janela->IrAoOriginal1Click();
  EXPECT_EQ(cursor, (LinhaColuna{15, 0}));
}

TEST_F(JanelaVisual, AnnotationGoesBeforeTheOriginalLine) {
  visualiza(15);
  const std::size_t antes = documento.size();
  mensagens.servico.respostasTexto = {std::string(""), std::nullopt, std::string("rever")};
  janela->Anotao1Click();  // empty: nothing
  janela->Anotao1Click();  // cancelled: nothing
  EXPECT_EQ(documento.size(), antes);
  EXPECT_TRUE(janela->isVisible());
  janela->selecionaLinha(linhaRascunhoCursor);
  janela->Anotao1Click();
  ASSERT_EQ(documento.size(), antes + 1);
  EXPECT_EQ(documento[15], "<*** rever ***>");
  EXPECT_FALSE(janela->isVisible());
  EXPECT_EQ(mensagens.servico.registro.back().titulo, "Anotar");
  EXPECT_EQ(mensagens.servico.registro.back().texto, "Incluir comentário"_cp.str());
}

TEST_F(JanelaVisual, RulerWhileTheButtonIsHeld) {
  visualiza(3);
  std::vector<std::string> conferidas;
  janela->conferirLinhaBraille = [&](const std::string& l, const EstadoPassoVisual&) { conferidas.push_back(l); };
  QWidget* area = janela->ListBoxVisual->viewport();
  const int i = 2;
  const std::string original = linhaMostrada(i);
  QTest::mousePress(area, Qt::LeftButton, {}, centroLinha(i));
  EXPECT_EQ(janela->linhaSelecionada(), i);
  EXPECT_EQ(linhaMostrada(i), std::string(reguaVisual));
  janela->Timer1->stop();
  QTest::mouseRelease(area, Qt::LeftButton, {}, centroLinha(i));
  EXPECT_EQ(linhaMostrada(i), original);
  EXPECT_TRUE(janela->Timer1->isActive());
  // Middle button: the ruler, then the check of the line.
  QTest::mousePress(area, Qt::MiddleButton, {}, centroLinha(5));
  EXPECT_EQ(linhaMostrada(i), std::string(reguaVisual));  // on the selected line
  QTest::mouseRelease(area, Qt::MiddleButton, {}, centroLinha(5));
  EXPECT_EQ(linhaMostrada(i), original);
  ASSERT_EQ(conferidas.size(), 1u);
  EXPECT_EQ(conferidas[0], semBrancosFinais(original));
  // Right button: pressing does nothing, releasing checks the line.
  QTest::mousePress(area, Qt::RightButton, {}, centroLinha(i));
  EXPECT_EQ(linhaMostrada(i), original);
  QTest::mouseRelease(area, Qt::RightButton, {}, centroLinha(i));
  EXPECT_EQ(conferidas.size(), 2u);
}

TEST_F(JanelaVisual, AMiddleReleaseWithoutARulerDoesNothing) {
  visualiza(3);
  int conferidas = 0;
  janela->conferirLinhaBraille = [&](const std::string&, const EstadoPassoVisual&) { ++conferidas; };
  const Linhas antes = janela->visual.linhas;
  janela->selecionaLinha(-1);
  janela->ListBoxVisualMouseDown(Qt::MiddleButton);
  EXPECT_EQ(janela->visual.linhaRegua, -1);
  janela->ListBoxVisualMouseUp(Qt::MiddleButton);
  janela->ListBoxVisualMouseUp(Qt::LeftButton);
  janela->ListBoxVisualMouseUp(Qt::RightButton);
  EXPECT_EQ(janela->visual.linhas, antes);
  EXPECT_EQ(conferidas, 0);
}

TEST_F(JanelaVisual, AMiddleReleaseWithAStoredLineChecksItEvenWhenTheRulerIsGone) {
  visualiza(3);
  std::vector<std::string> conferidas;
  janela->conferirLinhaBraille = [&](const std::string& l, const EstadoPassoVisual&) { conferidas.push_back(l); };
  const int i = 2;
  const Linhas antes = janela->visual.linhas;
  // Both buttons held, the left one released first: it already gave the
  // line back, and the middle release still checks that line.
  janela->selecionaLinha(i);
  janela->ListBoxVisualMouseDown(Qt::LeftButton);
  janela->ListBoxVisualMouseDown(Qt::MiddleButton);
  janela->ListBoxVisualMouseUp(Qt::LeftButton);
  EXPECT_EQ(janela->visual.linhas, antes);
  janela->ListBoxVisualMouseUp(Qt::MiddleButton);
  EXPECT_EQ(janela->visual.linhas, antes);
  ASSERT_EQ(conferidas.size(), 1u);
  EXPECT_EQ(conferidas[0], semBrancosFinais(antes[static_cast<std::size_t>(i)]));
  // An activation while the middle button is held takes the ruler away;
  // the release checks the line all the same.
  janela->ListBoxVisualMouseDown(Qt::MiddleButton);
  janela->FormActivate();
  janela->ListBoxVisualMouseUp(Qt::MiddleButton);
  EXPECT_EQ(janela->visual.linhas, antes);
  EXPECT_EQ(conferidas.size(), 2u);
}

TEST_F(JanelaVisual, TheTimerIsOneShotAndNotRestarted) {
  visualiza(0);
  janela->Timer1->stop();
  janela->ligaTimer();
  QTest::qWait(200);
  janela->ligaTimer();
  EXPECT_LE(janela->Timer1->remainingTime(), 350);
  janela->selecionaLinha(3);
  QTRY_VERIFY_WITH_TIMEOUT(!janela->Timer1->isActive(), 2000);
  Linhas r;
  ASSERT_TRUE(leRascunho(r));
  EXPECT_EQ(legenda(), paraQString(legendaPagLin(paginaLinha(r, 3))));
}

TEST_F(JanelaVisual, ClosingHidesAndClosesThePageView) {
  visualiza(0);
  int fechadas = 0;
  janela->fechaPaginaPontos = [&] { ++fechadas; };
  janela->ativandoVisual = true;
  EXPECT_FALSE(janela->close());
  EXPECT_TRUE(janela->isVisible());
  EXPECT_EQ(fechadas, 0);
  janela->ativandoVisual = false;
  QTest::keyClick(janela->ListBoxVisual, Qt::Key_Escape);
  EXPECT_FALSE(janela->isVisible());
  EXPECT_EQ(fechadas, 1);
}

TEST_F(JanelaVisual, FontsAndSizes) {
  visualiza(0);
  auto altura = [&] { return janela->ListBoxVisual->visualRect(janela->modeloLista->index(0)).height(); };
  EXPECT_EQ(altura(), 24);
  janela->Pequeno1Click();
  EXPECT_EQ(altura(), 12);
  EXPECT_EQ(janela->ListBoxVisual->font().pointSize(), 8);
  EXPECT_FALSE(janela->ListBoxVisual->font().bold());
  janela->Tinta1Click();
  EXPECT_EQ(janela->fonteLista, "Courier New");
  mensagens.servico.respostasFonte = {plataforma::EscolhaFonte{"DejaVu Serif", 12, false, false}, std::nullopt};
  janela->SymBraille1Click();
  EXPECT_EQ(janela->fonteBrailleVisual, "DejaVu Serif");
  EXPECT_EQ(janela->fonteLista, "DejaVu Serif");
  janela->Tinta1Click();
  janela->SymBraille1Click();  // cancelled: back to the Braille font chosen
  EXPECT_EQ(janela->fonteLista, "DejaVu Serif");
  janela->BrailleTevra1Click();
  EXPECT_EQ(janela->fonteBrailleVisual, fonteBrailleTevra);
  EXPECT_EQ(janela->fonteLista, fonteBrailleTevra);
  // The chosen Braille font lasts; size and boldness return at activation.
  janela->Pequeno1Click();
  janela->FormActivate();
  EXPECT_EQ(altura(), 24);
  EXPECT_TRUE(janela->ListBoxVisual->font().bold());
}

TEST_F(JanelaVisual, CheckAndDotViewStayOffWithoutTheirWindows) {
  visualiza(0);
  EXPECT_FALSE(janela->Conferir1->isEnabled());
  EXPECT_FALSE(janela->Grafico1->isEnabled());
  janela->conferirLinhaBraille = [](const std::string&, const EstadoPassoVisual&) {};
  janela->FormActivate();
  EXPECT_TRUE(janela->Conferir1->isEnabled());
}

// ---------------------------------------------------------------------------

TEST(BrailleNaTela, EveryByteIsItsSixDotCell) {
  const struct {
    unsigned char byte;
    char16_t celula;
  } casos[] = {
      {' ', 0x2800},
      {'a', static_cast<char16_t>(0x2800 + (codigoImpressoraParaPontos['a'] & 0x3F))},
      {'&', static_cast<char16_t>(0x2800 + (codigoImpressoraParaPontos['&'] & 0x3F))},
      {0xFF, static_cast<char16_t>(0x2800 + (codigoImpressoraParaPontos[0xFF] & 0x3F))},
  };
  for (const auto& c : casos) EXPECT_EQ(braillequt::celulaNaTela(c.byte, codigoImpressoraParaPontos).unicode(), c.celula) << int(c.byte);
  // In Braille ASCII "a" is dot 1 and "=" all six dots.
  EXPECT_EQ(braillequt::brailleParaTela("a=", codigoImpressoraParaPontos).toStdU16String(), u"\u2801\u283F");
  std::string todos;
  for (int b = 0; b < 256; ++b) todos += static_cast<char>(b);
  const QString tela = braillequt::brailleParaTela(todos, codigoImpressoraParaPontos);
  ASSERT_EQ(tela.size(), 256);
  for (const QChar c : tela) EXPECT_TRUE(c.unicode() >= 0x2800 && c.unicode() <= 0x283F);
}

TEST(RotulosBraille, LabelsShowCellsAndColours) {
  reiniciaVariaveis();
  tabelaImpressora = tabelaIdentidade();
  std::array<QLabel*, 5> labels{};
  for (auto& l : labels) l = new QLabel;
  RotulosBrailleQt rotulos(labels);
  TLinhasBraille vista(rotulos);
  const Linhas doc{"a&b", "c"};
  vista.teclaSolta = [&] { vista.atualizaLinhasBraille(1, 2, [&](int i) { return doc[static_cast<std::size_t>(i)]; }); };
  vista.alternaUmaCincoLinhas();
  // An "&" is a cell like any other, never an accelerator.
  EXPECT_EQ(labels[0]->textFormat(), Qt::PlainText);
  std::string esperado;
  traduzTexto("a&b", esperado);
  EXPECT_EQ(labels[0]->text(), braillequt::brailleParaTela(esperado, codigoImpressoraParaPontos));
  EXPECT_EQ(labels[0]->palette().color(QPalette::Window), corLinhaCursorBraille);
  EXPECT_EQ(labels[3]->palette().color(QPalette::Window), corOutrasLinhasBraille);
  EXPECT_FALSE(labels[3]->isHidden());
  vista.alternaUmaCincoLinhas();
  EXPECT_TRUE(labels[3]->isHidden());
  for (auto* l : labels) delete l;
  reiniciaVariaveis();
}

TEST(RotulosBraille, ClicksReachTheRowsHandlers) {
  std::array<QLabel*, 5> labels{};
  for (auto& l : labels) {
    l = new QLabel;
    l->resize(200, 22);
  }
  std::vector<int> cliques;
  int duplos = 0;
  ligaCliquesRotulos(labels, [&](int k) { cliques.push_back(k); }, [&] { ++duplos; });
  QTest::mouseClick(labels[3], Qt::LeftButton);
  QTest::mouseClick(labels[0], Qt::LeftButton);
  QTest::mouseClick(labels[0], Qt::RightButton);
  EXPECT_EQ(cliques, (std::vector<int>{4, 1}));
  QTest::mouseDClick(labels[2], Qt::LeftButton);
  EXPECT_EQ(duplos, 1);
  for (auto* l : labels) delete l;
}

TEST(InsereLinhaNoEditor, PutsTheLineBeforeTheGivenLine) {
  const struct {
    const char* nome;
    const char* texto;
    int indice;
    const char* esperado;
  } casos[] = {
      {"before the first line", "a\nb", 0, "N\na\nb"},
      {"before the second line", "a\nb", 1, "a\nN\nb"},
      {"after the last line", "a\nb", 2, "a\nb\nN"},
      {"after a last line with a line break", "a\nb\n", 2, "a\nb\nN\n"},
      {"into an empty editor", "", 0, "N\n"},
      {"a negative index is the first line", "a", -4, "N\na"},
  };
  for (const auto& c : casos) {
    SCOPED_TRACE(c.nome);
    QPlainTextEdit editor;
    editor.setPlainText(QString::fromLatin1(c.texto));
    insereLinhaNoEditor(&editor, c.indice, "N");
    EXPECT_EQ(editor.toPlainText(), QString::fromLatin1(c.esperado));
    // One undo step takes it all back.
    editor.undo();
    EXPECT_EQ(editor.toPlainText(), QString::fromLatin1(c.texto));
  }
  QPlainTextEdit editor;
  editor.setPlainText(QStringLiteral("x"));
  const std::string anotacao = "<*** ação ***>"_cp;
  insereLinhaNoEditor(&editor, 0, anotacao);
  EXPECT_EQ(deQString(editor.document()->firstBlock().text()), anotacao);
}

}  // namespace
