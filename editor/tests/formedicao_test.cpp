// The editing and markup commands as the main window runs them: what reaches
// the widget, the clipboard and the user, one undo step per command.
#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QMimeData>
#include <QSignalSpy>
#include <QTest>

#include "apoio_testes.h"
#include "brexgraf.h"
#include "brvars.h"
#include "cp1252.h"
#include "formprincipal.h"
#include "servicoqt.h"
#include "textoqt.h"

using plataforma::Botao;
using Linhas = std::vector<std::string>;

namespace {

class Edicao : public ::testing::Test {
 protected:
  void SetUp() override {
    reiniciaVariaveis();
    reiniciaArquivos();
    dirPrograma = pasta.caminho();
    janela = new TformPrincipal;
    formPrincipal = janela;
  }
  void TearDown() override {
    servicoqt::defineMostraModal({});
    delete janela;
    delete formExibeGraf;
    formExibeGraf = nullptr;
    reiniciaVariaveis();
  }
  void seleciona(int a, int b) {
    QTextCursor c = janela->RichEdit1->textCursor();
    c.setPosition(a);
    c.setPosition(b, QTextCursor::KeepAnchor);
    janela->RichEdit1->setTextCursor(c);
  }
  Linhas linhas() const { return janela->linhasDocumento(); }
  // The command undone in one step gives back the text before it.
  void desfazUmaVez(const Linhas& antes) {
    janela->RichEdit1->undo();
    EXPECT_EQ(linhas(), antes);
  }

  apoio::WindowsTemporario windows;
  apoio::PastaTemporaria pasta;
  apoio::Mensagens mensagens;
  TformPrincipal* janela = nullptr;
};

TEST_F(Edicao, itensLigadosENaoLigados) {
  for (QAction* a : {janela->Desfazer1, janela->Recortar1, janela->Copiar1, janela->CopiaremBraille1,
                     janela->Colar1, janela->Procurar1, janela->SubstituirPalavra,
                     janela->SelecionarTudo1, janela->Dividirlinhasgrandes1,
                     janela->Trechonoformatvel1, janela->Recuode21, janela->DigitaremBraille1,
                     janela->ConverterparaformatoDOS1, janela->ConverterparaformatoWindows1,
                     janela->Eliminarformataes1, janela->minsculaMAISCULA1, janela->MAISCULAminscula1,
                     janela->Criargrficovazio1, janela->PaginaGrafica1, janela->Intercalargrfico1,
                     janela->Embutirgrfico1})
    EXPECT_TRUE(a->isEnabled()) << a->text().toStdString();
  for (QToolButton* b : {janela->CutBtn, janela->CopyBtn, janela->PasteBtn, janela->negBtn,
                         janela->RecuoBnt, janela->naoFormBtn})
    EXPECT_TRUE(b->isEnabled()) << b->toolTip().toStdString();
  EXPECT_FALSE(janela->Centrarlinhas1->isEnabled());
}

// The window's own keys reach their command once, never the editor as well.
TEST_F(Edicao, atalhosDaJanelaAgemUmaVez) {
  janela->show();
  janela->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(janela));
  janela->RichEdit1->setFocus();
  janela->carregaLinhas({"a", "b"});
  QSignalSpy copias(QGuiApplication::clipboard(), &QClipboard::dataChanged);
  QTest::keyClick(janela->RichEdit1, Qt::Key_N, Qt::ControlModifier);
  EXPECT_EQ(linhas(), (Linhas{"<F->", "a", "<F+>", "b"}));
  seleciona(0, 0);
  QTest::keyClick(janela->RichEdit1, Qt::Key_E, Qt::ControlModifier);
  EXPECT_EQ(linhas(), (Linhas{"<R+>", "<F->", "<R->", "a", "<F+>", "b"}));
  QTest::keyClick(janela->RichEdit1, Qt::Key_B, Qt::ControlModifier);
  EXPECT_EQ(copias.count(), 1);
  QTest::keyClick(janela->RichEdit1, Qt::Key_S, Qt::ControlModifier);
  EXPECT_TRUE(janela->ReplaceDialog1->isVisible());
  janela->ReplaceDialog1->close();
  // Each pair was one edit.
  QTest::keyClick(janela->RichEdit1, Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(linhas(), (Linhas{"<F->", "a", "<F+>", "b"}));
}

TEST_F(Edicao, localizarF3ESubstituir) {
  janela->carregaLinhas({"Ação e ação,"_cp, "acao AÇÃO"_cp});
  janela->FindDialog1->E_texto->setText(textoqt::paraQString("ação"_cp));
  janela->FindDialog1->b_localiza->click();
  EXPECT_FALSE(janela->FindDialog1->isVisible());
  EXPECT_EQ(janela->RichEdit1->textCursor().selectionStart(), 0);
  const std::vector<int> seguintes = {7, 18};
  for (int esperado : seguintes) {
    QTest::keyClick(janela->RichEdit1, Qt::Key_F3);
    EXPECT_EQ(janela->RichEdit1->textCursor().selectionStart(), esperado);
  }
  mensagens.esperaOk();
  QTest::keyClick(janela->RichEdit1, Qt::Key_F3);
  EXPECT_EQ(mensagens.servico.textos(), (Linhas{"Busca terminada"}));
  EXPECT_EQ(janela->RichEdit1->textCursor().selectionStart(), 18);

  // Replace takes the next match after the selection; replace all the rest,
  // as one edit, and puts the caret back.
  const Linhas antes = {"um um um", "um"};
  janela->carregaLinhas(antes);
  janela->ReplaceDialog1->E_texto->setText(QStringLiteral("um"));
  janela->ReplaceDialog1->E_substituto->setText(QStringLiteral("dois um"));
  janela->ReplaceDialog1->cb_palavraInteira->setChecked(true);
  seleciona(0, 2);
  janela->ReplaceDialog1->b_substitui->click();
  EXPECT_EQ(linhas(), (Linhas{"um dois um um", "um"}));
  mensagens.esperaOk();
  seleciona(0, 0);
  janela->ReplaceDialog1->b_substituiTodas->click();
  EXPECT_EQ(linhas(), (Linhas{"dois um dois dois um dois um", "dois um"}));
  EXPECT_EQ(mensagens.servico.textos().back(), "Terminou");
  EXPECT_EQ(janela->RichEdit1->textCursor().position(), 0);
  EXPECT_FALSE(janela->RichEdit1->textCursor().hasSelection());
  desfazUmaVez({"um dois um um", "um"});
}

// Typing past the margin moves the last word on and keeps the blank typed.
TEST_F(Edicao, quebraAoDigitar) {
  configuracao.maxCol = 10;
  struct Caso {
    bool quebra;
    const char* digitado;
    Linhas linhas;
    int linhaCursor, colunaCursor;
  } casos[] = {
      {true, "aaaa bbbbb", {"aaaa ", "bbbbb"}, 1, 5},
      {true, "aaaa bbbb c", {"aaaa ", "bbbb c"}, 1, 6},
      {false, "aaaa bbbb c", {"aaaa bbbb c"}, 0, 11},
  };
  for (const auto& c : casos) {
    SCOPED_TRACE(c.digitado);
    configuracao.quebraLin = c.quebra;
    janela->carregaLinhas({});
    QTest::keyClicks(janela->RichEdit1, c.digitado);
    EXPECT_EQ(linhas(), c.linhas);
    const QTextCursor cursor = janela->RichEdit1->textCursor();
    EXPECT_EQ(cursor.blockNumber(), c.linhaCursor);
    EXPECT_EQ(cursor.positionInBlock(), c.colunaCursor);
  }
}

TEST_F(Edicao, comandosDeLinhasSaoUmaEdicao) {
  configuracao.maxCol = 10;
  const Linhas texto = {"ação de longo alcance"_cp, "\tx ü"_cp};
  struct Caso {
    const char* nome;
    std::function<void()> comando;
    Linhas depois;
  } casos[] = {
      {"maiúsculas", [&] { seleciona(0, 4); janela->minsculaMAISCULA1->trigger(); },
       {"AÇÃO de longo alcance"_cp, "\tx ü"_cp}},
      {"dividir", [&] { mensagens.servico.respostasBotao.push_back(Botao::sim);
                        janela->Dividirlinhasgrandes1->trigger(); },
       {"ação de "_cp, "longo ", "alcance", "\tx ü"_cp}},
      {"DOS", [&] { janela->ConverterparaformatoDOS1->trigger(); },
       {cp1252::paraOem("ação de longo alcance"_cp), "\tx \x81"}},
      {"formatações", [&] { janela->Eliminarformataes1->trigger(); },
       {"ação de longo alcance"_cp, "  x ü"_cp}},
      {"par", [&] { seleciona(2, 2); janela->naoFormBtn->click(); },
       {"<F->", "ação de longo alcance"_cp, "<F+>", "\tx ü"_cp}},
      {"negrito", [&] { seleciona(5, 7); janela->negBtn->click(); },
       {"ação *de* longo alcance"_cp, "\tx ü"_cp}},
  };
  for (const auto& c : casos) {
    SCOPED_TRACE(c.nome);
    janela->carregaLinhas(texto);
    c.comando();
    EXPECT_EQ(linhas(), c.depois);
    desfazUmaVez(texto);
  }
  // The bytes the code page leaves undefined stay in the editor and come back.
  janela->carregaLinhas({"\tx \x81"});
  janela->ConverterparaformatoWindows1->trigger();
  EXPECT_EQ(linhas(), (Linhas{"\tx ü"_cp}));
  // No: nothing is split.
  mensagens.servico.respostasBotao.push_back(Botao::nao);
  janela->carregaLinhas(texto);
  janela->Dividirlinhasgrandes1->trigger();
  EXPECT_EQ(linhas(), texto);
  EXPECT_EQ(mensagens.servico.registro.back().tipo, plataforma::TipoMensagem::simples);
}

TEST_F(Edicao, copiaEmBrailleVaiParaAAreaDeTransferencia) {
  janela->carregaLinhas({"10", "x"});
  seleciona(0, 1);
  janela->CopiaremBraille1->trigger();
  const QString texto = QGuiApplication::clipboard()->text();
  EXPECT_TRUE(texto.endsWith(QStringLiteral("aj\r\n"))) << texto.toStdString();
  EXPECT_EQ(texto.count(QStringLiteral("\r\n")), 1);
}

TEST_F(Edicao, graficoConferidoAntesDeEntrar) {
  nomeDocumento = pasta.arquivo("livro.txt");
  pasta.grava("casa.grb", "* *\r\n");
  struct Caso {
    bool confirma;
    int coluna;
    Linhas depois;
  } casos[] = {
      {true, 1, {"abc", "<G+ casa.grb>", "def"}},
      {true, 0, {"<G+ casa.grb>", "abc", "def"}},
      {false, 1, {"abc", "def"}},
  };
  for (const auto& c : casos) {
    SCOPED_TRACE(c.coluna);
    janela->carregaLinhas({"abc", "def"});
    seleciona(c.coluna, c.coluna);
    mensagens.servico.respostasTexto.push_back(pasta.arquivo("casa.grb"));
    bool viuPontos = false;
    servicoqt::defineMostraModal([&](QDialog&) {
      formExibeGraf->FormShow();
      viuPontos = formExibeGraf->imagem.pixelColor(5, 1) == Qt::black;
      c.confirma ? formExibeGraf->b_confirmaClick() : formExibeGraf->b_cancelaClick();
      return 0;
    });
    janela->Embutirgrfico1->trigger();
    EXPECT_TRUE(viuPontos);
    EXPECT_EQ(linhas(), c.depois);
  }
}

}  // namespace
