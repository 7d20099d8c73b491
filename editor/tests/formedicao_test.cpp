// The editing and markup commands as the main window runs them: what reaches
// the widget, the clipboard and the user, one undo step per command.
#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QSignalSpy>
#include <QTest>
#include <map>

#include "../ferramentas/tests/casos.h"
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
    formPrincipal = janela = new TformPrincipal;
  }
  void TearDown() override {
    servicoqt::defineMostraModal({});
    delete janela;
    delete std::exchange(formExibeGraf, nullptr);
    reiniciaVariaveis();
  }
  void seleciona(int a, int b) {
    QTextCursor c = janela->RichEdit1->textCursor();
    c.setPosition(a);
    c.setPosition(b, QTextCursor::KeepAnchor);
    janela->RichEdit1->setTextCursor(c);
  }
  Linhas linhas() const { return janela->linhasDocumento(); }
  QTextCursor cursor() const { return janela->RichEdit1->textCursor(); }

  apoio::WindowsTemporario windows;
  apoio::PastaTemporaria pasta;
  apoio::Mensagens mensagens;
  TformPrincipal* janela = nullptr;
};

TEST_F(Edicao, itensLigados) {
  TformPrincipal& j = *janela;
  for (QObject* o : std::initializer_list<QObject*>{
           j.Desfazer1, j.Recortar1, j.Copiar1, j.CopiaremBraille1, j.Colar1, j.Procurar1, j.SubstituirPalavra,
           j.SelecionarTudo1, j.Dividirlinhasgrandes1, j.Trechonoformatvel1, j.Recuode21, j.DigitaremBraille1,
           j.ConverterparaformatoDOS1, j.ConverterparaformatoWindows1, j.Eliminarformataes1, j.minsculaMAISCULA1,
           j.MAISCULAminscula1, j.Criargrficovazio1, j.PaginaGrafica1, j.Intercalargrfico1, j.Embutirgrfico1,
           j.CutBtn, j.CopyBtn, j.PasteBtn, j.negBtn, j.RecuoBnt, j.naoFormBtn})
    EXPECT_TRUE(o->property("enabled").toBool()) << o->property("text").toString().toStdString();
}

// The window's own keys reach their command once, never the editor as well;
// each pair of lines is one edit. Ctrl+B puts the Braille of the selection's
// lines on the clipboard.
TEST_F(Edicao, atalhosDaJanelaAgemUmaVez) {
  // Active without running the event loop: painting would start Qt's own
  // image threads, which the thread checker cannot follow.
  janela->show();
  QApplication::setActiveWindow(janela);
  janela->RichEdit1->setFocus();
  janela->carregaLinhas({"10", "x"});
  seleciona(0, 1);
  QSignalSpy copias(QGuiApplication::clipboard(), &QClipboard::dataChanged);
  const auto control = [&](Qt::Key k) { QTest::keyClick(janela->RichEdit1, k, Qt::ControlModifier); };
  control(Qt::Key_B);
  EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("#aj\r\n"));
  EXPECT_EQ(copias.count(), 1);
  control(Qt::Key_N);
  EXPECT_EQ(linhas(), (Linhas{"<F->", "10", "<F+>", "x"}));
  seleciona(0, 0);
  control(Qt::Key_E);
  EXPECT_EQ(linhas(), (Linhas{"<R+>", "<F->", "<R->", "10", "<F+>", "x"}));
  control(Qt::Key_S);
  EXPECT_TRUE(janela->ReplaceDialog1->isVisible());
  janela->ReplaceDialog1->close();
  control(Qt::Key_Z);
  EXPECT_EQ(linhas(), (Linhas{"<F->", "10", "<F+>", "x"}));
}

// Find selects the first match and F3 the next, until the search ends.
// Replace takes the next match after the selection; replace all the rest, as
// one edit, and puts the caret back.
TEST_F(Edicao, localizarF3ESubstituir) {
  janela->carregaLinhas({"Ação e ação,"_cp, "acao AÇÃO"_cp});
  janela->FindDialog1->E_texto->setText(textoqt::paraQString("ação"_cp));
  janela->FindDialog1->b_localiza->click();
  EXPECT_FALSE(janela->FindDialog1->isVisible());
  EXPECT_EQ(cursor().selectionStart(), 0);
  mensagens.esperaOk(2);
  for (const int esperado : {7, 18, 18}) {
    QTest::keyClick(janela->RichEdit1, Qt::Key_F3);
    EXPECT_EQ(cursor().selectionStart(), esperado);
  }

  janela->carregaLinhas({"um um um", "um"});
  janela->ReplaceDialog1->E_texto->setText(QStringLiteral("um"));
  janela->ReplaceDialog1->E_substituto->setText(QStringLiteral("dois um"));
  janela->ReplaceDialog1->cb_palavraInteira->setChecked(true);
  seleciona(0, 2);
  janela->ReplaceDialog1->b_substitui->click();
  const Linhas antes = {"um dois um um", "um"};
  EXPECT_EQ(linhas(), antes);
  seleciona(0, 0);
  janela->ReplaceDialog1->b_substituiTodas->click();
  EXPECT_EQ(linhas(), (Linhas{"dois um dois dois um dois um", "dois um"}));
  EXPECT_EQ(mensagens.servico.textos(), (Linhas{"Busca terminada", "Terminou"}));
  EXPECT_EQ(std::pair(cursor().anchor(), cursor().position()), std::pair(0, 0));
  janela->RichEdit1->undo();
  EXPECT_EQ(linhas(), antes);
}

// Typing past the margin moves the last word on and keeps the blank typed.
TEST_F(Edicao, quebraAoDigitar) {
  configuracao.maxCol = 10;
  for (const auto& [quebra, digitado, depois, linha, coluna] :
       {std::tuple{true, "aaaa bbbbb", Linhas{"aaaa ", "bbbbb"}, 1, 5},
        {true, "aaaa bbbb c", Linhas{"aaaa ", "bbbb c"}, 1, 6},
        {false, "aaaa bbbb c", Linhas{"aaaa bbbb c"}, 0, 11}}) {
    SCOPED_TRACE(digitado + std::string(quebra ? "" : ", no break"));
    configuracao.quebraLin = quebra;
    janela->carregaLinhas({});
    QTest::keyClicks(janela->RichEdit1, digitado);
    EXPECT_EQ(linhas(), depois);
    EXPECT_EQ(std::pair(cursor().blockNumber(), cursor().positionInBlock()), std::pair(linha, coluna));
  }
}

// The cases are in dados/.
TEST_F(Edicao, comandosDeLinhasSaoUmaEdicao) {
  configuracao.maxCol = 10;
  TformPrincipal& j = *janela;
  const std::map<std::string, QObject*> comandos = {
      {"upper", j.minsculaMAISCULA1}, {"split", j.Dividirlinhasgrandes1}, {"dos", j.ConverterparaformatoDOS1},
      {"windows", j.ConverterparaformatoWindows1}, {"unformat", j.Eliminarformataes1}, {"pair", j.naoFormBtn},
      {"bold", j.negBtn}};
  for (const auto& c : casos::le("comandosDeLinhas.tsv")) {
    SCOPED_TRACE(c);
    janela->carregaLinhas(c.linhas(1));
    seleciona(c.n(2), c.n(3));
    if (c[5] != "-") mensagens.servico.respostasBotao.push_back(c[5] == "yes" ? Botao::sim : Botao::nao);
    QObject* comando = comandos.at(c[4]);
    QMetaObject::invokeMethod(comando, qobject_cast<QAction*>(comando) ? "trigger" : "click");
    EXPECT_TRUE(mensagens.servico.respostasBotao.empty());  // the question was asked
    EXPECT_EQ(linhas(), c.linhas(6));
    janela->RichEdit1->undo();
    EXPECT_EQ(linhas(), c.linhas(1));
  }
  for (const auto& r : mensagens.servico.registro) EXPECT_EQ(r.tipo, plataforma::TipoMensagem::simples);
}

// The graphic is shown as dots before its line goes in: above the caret's line
// from column 0, below it from further on; cancelled, nothing goes in.
TEST_F(Edicao, graficoConferidoAntesDeEntrar) {
  nomeDocumento = pasta.arquivo("livro.txt");
  pasta.grava("casa.grb", "* *\r\n");
  for (const auto& [confirma, coluna, depois] : {std::tuple{true, 1, Linhas{"abc", "<G+ casa.grb>", "def"}},
                                                 {true, 0, Linhas{"<G+ casa.grb>", "abc", "def"}},
                                                 {false, 1, Linhas{"abc", "def"}}}) {
    SCOPED_TRACE(std::to_string(coluna) + (confirma ? "" : ", cancelled"));
    janela->carregaLinhas({"abc", "def"});
    seleciona(coluna, coluna);
    mensagens.servico.respostasTexto.push_back(pasta.arquivo("casa.grb"));
    bool viuPontos = false;
    servicoqt::defineMostraModal([&, confirma = confirma](QDialog&) {
      formExibeGraf->FormShow();
      viuPontos = formExibeGraf->imagem.pixelColor(5, 1) == Qt::black;
      confirma ? formExibeGraf->b_confirmaClick() : formExibeGraf->b_cancelaClick();
      return 0;
    });
    janela->Embutirgrfico1->trigger();
    EXPECT_TRUE(viuPontos);
    EXPECT_EQ(linhas(), depois);
  }
}

}  // namespace
