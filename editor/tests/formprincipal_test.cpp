#include "formprincipal.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <QApplication>
#include <QClipboard>
#include <QFileIconProvider>
#include <QFileInfo>
#include <QMessageBox>
#include <QMimeData>
#include <QTest>
#include <QTextBlock>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <tuple>

#include "apoio_testes.h"
#include "braillequt.h"
#include "brcodigo.h"
#include "brprint.h"
#include "brvars.h"
#include "cp1252.h"
#include "brrascunho.h"
#include "formchecabrl.h"
#include "formconta.h"
#include "formdigitabraille.h"
#include "formimprime.h"
#include "formvisualgraf.h"
#include "formsplash.h"
#include "formvisual.h"
#include "impressaotexto.h"
#include "inicio.h"
#include "perfil.h"
#include "programas.h"
#include "brmsword.h"
#include "servicoqt.h"
#include "superficieqt.h"
#include "textoqt.h"

using plataforma::Botao;
using Linhas = std::vector<std::string>;

namespace {

std::string pastaDados() {
  const char* d = std::getenv("LUMAREL_DATA_DIR");
  return d ? d : ".";
}

QString statusEsperado(int linha, int coluna) { return QStringLiteral("   Lin %1   Col %2").arg(linha).arg(coluna); }

void abrePelaLinhaDeComando(TformPrincipal* janela, const std::string& arquivo) {
  janela->argumentosPrograma = {QStringLiteral("lumarel"), QString::fromStdString(arquivo)};
  janela->FormShow();
}

// Straight to the window: without a drag in progress the application routes no drop.
void soltaSobre(QWidget* w, const std::string& arquivo) {
  QMimeData dados;
  dados.setUrls({QUrl::fromLocalFile(QString::fromStdString(arquivo))});
  QDropEvent evento(QPointF(10, 10), Qt::CopyAction, &dados, Qt::LeftButton, {});
  static_cast<QObject*>(w)->event(&evento);
}

class JanelaPrincipal : public ::testing::Test {
 protected:
  void SetUp() override {
    reiniciaVariaveis();
    reiniciaArquivos();
    dirPrograma = pasta.caminho();
    janela = new TformPrincipal;
    formPrincipal = janela;
  }
  void TearDown() override {
    delete janela;
    reiniciaVariaveis();
    reiniciaArquivos();
  }
  std::string ini(const std::string& chave) {
    return plataforma::lePerfil("LUMAREL", chave, "<falta>", 0, arquivoIni);
  }
  // Every widget position against the caret services.
  void confereCursor() {
    QTextDocument* d = janela->RichEdit1->document();
    const int fim = d->characterCount() - 1;
    for (int p = 0; p <= fim; ++p) {
      QTextCursor c = janela->RichEdit1->textCursor();
      c.setPosition(p);
      janela->RichEdit1->setTextCursor(c);
      int l = -1, col = -1;
      janela->inicioSelecao(l, col);
      EXPECT_EQ(l, c.blockNumber()) << p;
      EXPECT_EQ(col, c.positionInBlock()) << p;
      janela->irParaLinhaColuna(l, col);
      EXPECT_EQ(janela->RichEdit1->textCursor().position(), p);
      EXPECT_FALSE(janela->RichEdit1->textCursor().hasSelection());
    }
  }

  apoio::WindowsTemporario windows;
  apoio::PastaTemporaria pasta;
  apoio::Mensagens mensagens;
  TformPrincipal* janela = nullptr;
};

TEST_F(JanelaPrincipal, cursorContaQuebrasComoDoisSobreAcentosTabsELinhasVazias) {
  const std::vector<Linhas> textos = {
      {"ab", "cd"},
      {"Não é"_cp, "\tação"_cp, "", "", "fim\t"},
      {""},
      {},
  };
  for (const auto& t : textos) {
    janela->carregaLinhas(t);
    EXPECT_EQ(janela->numeroLinhas(), static_cast<int>(t.size()));
    EXPECT_EQ(janela->linhasDocumento(), t);
    confereCursor();
  }
}

TEST_F(JanelaPrincipal, servicosDoCursorNosCasosDoTexto) {
  janela->carregaLinhas({"ab", "cd"});
  struct Caso {
    int offset, linha, coluna;
  } casos[] = {{0, 0, 0}, {2, 0, 2}, {3, 0, 3}, {4, 1, 0}, {6, 1, 2}, {8, 2, 0}};
  for (const auto& c : casos) {
    int l = -1, col = -1;
    janela->posicaoLinhaColuna(c.offset, l, col);
    EXPECT_EQ(l, c.linha) << c.offset;
    EXPECT_EQ(col, c.coluna) << c.offset;
  }
  janela->irParaLinhaColuna(1, 1);
  EXPECT_EQ(janela->RichEdit1->textCursor().position(), 4);  // between c and d
  EXPECT_FALSE(janela->RichEdit1->textCursor().hasSelection());

  // The whole second line with its break.
  QTextCursor c = janela->RichEdit1->textCursor();
  c.setPosition(3);
  c.setPosition(6, QTextCursor::KeepAnchor);
  janela->RichEdit1->setTextCursor(c);
  int l = -1, col = -1;
  janela->inicioSelecao(l, col);
  EXPECT_EQ(std::make_pair(l, col), std::make_pair(1, 0));
  janela->fimSelecao(l, col);
  EXPECT_EQ(std::make_pair(l, col), std::make_pair(2, 0));

  // A column past the line goes on into the next lines.
  janela->irParaLinhaColuna(0, 5);
  EXPECT_EQ(janela->RichEdit1->textCursor().position(), 4);
  janela->irParaLinhaColuna(7, 0);
  EXPECT_EQ(janela->RichEdit1->textCursor().position(), 6);
}

TEST_F(JanelaPrincipal, textoDoEditorGuardaTodosOsBytes) {
  std::string todos;
  for (int b = 0; b < 256; ++b)
    if (b != '\r' && b != '\n') todos += static_cast<char>(b);
  const Linhas t{todos, "\xA0" "a\xA0", "", ""};
  janela->carregaLinhas(t);
  EXPECT_EQ(janela->linhasDocumento(), t);
  EXPECT_FALSE(janela->modificado());
  EXPECT_FALSE(janela->RichEdit1->document()->isUndoAvailable());
}

TEST_F(JanelaPrincipal, documentoVazioNaoTemLinhasEDigitarCriaUma) {
  EXPECT_EQ(janela->numeroLinhas(), 0);
  QTest::keyClicks(janela->RichEdit1, "abc");
  EXPECT_EQ(janela->linhasDocumento(), Linhas{"abc"});
  EXPECT_TRUE(janela->modificado());
  QTest::keyClick(janela->RichEdit1, Qt::Key_Return, Qt::ShiftModifier);
  QTest::keyClicks(janela->RichEdit1, "d");
  EXPECT_EQ(janela->linhasDocumento(), (Linhas{"abc", "d"}));
}

TEST_F(JanelaPrincipal, coladoComCrLfNaoCriaLinhasVazias) {
  QApplication::clipboard()->setText(QStringLiteral("um\r\ndois\rtr\u00EAs\n"));
  janela->RichEdit1->paste();
  EXPECT_EQ(janela->linhasDocumento(), (Linhas{"um", "dois", "três"_cp}));
}

// Only a key that typed, deleted or pasted text breaks the long line at the
// margin; a move, a modifier or a shortcut leaves it whole. Each row presses
// one key with the caret at column 12 of a 14-character line.
TEST_F(JanelaPrincipal, soODigitadoQuebraALinha) {
  configuracao.maxCol = 10;
  QApplication::clipboard()->setText(QStringLiteral("x"));
  const Linhas inteira{"aaaa bbbb cccc"};
  for (const auto& [tecla, mod, depois] : std::vector<std::tuple<Qt::Key, Qt::KeyboardModifiers, Linhas>>{
           {Qt::Key_End, {}, inteira},
           {Qt::Key_Shift, {}, inteira},
           {Qt::Key_Z, Qt::ControlModifier, inteira},
           {Qt::Key_D, {}, {"aaaa bbbb ", "ccdcc"}},
           {Qt::Key_Backspace, {}, {"aaaa bbbb ", "ccc"}},
           {Qt::Key_V, Qt::ControlModifier, {"aaaa bbbb ", "ccxcc"}}}) {
    SCOPED_TRACE(QKeySequence(static_cast<int>(mod) | tecla).toString().toStdString());
    janela->carregaLinhas(inteira);
    janela->irParaLinhaColuna(0, 12);
    QTest::keyClick(janela->RichEdit1, tecla, mod);
    EXPECT_EQ(janela->linhasDocumento(), depois);
  }
  // Undoing a typed break gives the line back whole, also after Ctrl and Z
  // are released.
  janela->carregaLinhas({});
  QTest::keyClicks(janela->RichEdit1, "aaaa bbbb ");
  ASSERT_EQ(janela->linhasDocumento(), (Linhas{"aaaa ", "bbbb "}));
  QTest::keyClick(janela->RichEdit1, Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(janela->linhasDocumento(), Linhas{"aaaa bbbb "});
}

TEST_F(JanelaPrincipal, limiteValeParaDigitarNaoParaCarregar) {
  janela->FormActivate();
  const std::string grande(TformPrincipal::limiteTextoEditor + 10, 'x');
  pasta.grava("grande.txt", grande + "\r\nfim");
  ASSERT_TRUE(carregaArquivo(*janela, pasta.arquivo("grande.txt")));
  EXPECT_EQ(janela->linhasDocumento(), (Linhas{grande, "fim"}));
  janela->irParaLinhaColuna(1, 3);
  QTest::keyClicks(janela->RichEdit1, "zz");
  EXPECT_EQ(janela->linha(1), "fim");
  QTest::keyClick(janela->RichEdit1, Qt::Key_Backspace);
  EXPECT_EQ(janela->linha(1), "fi");
}

TEST_F(JanelaPrincipal, documentoDeVinteMegabytesCarregaInteiro) {
  std::string conteudo;
  const std::string linha = std::string(78, 'a') + "\r\n";
  while (conteudo.size() < 20u * 1024 * 1024) conteudo += linha;
  pasta.grava("vinte.txt", conteudo);
  const auto inicio = std::chrono::steady_clock::now();
  ASSERT_TRUE(carregaArquivo(*janela, pasta.arquivo("vinte.txt")));
  const auto segundos =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - inicio).count();
  EXPECT_EQ(janela->numeroLinhas(), static_cast<int>(conteudo.size() / linha.size()));
  EXPECT_LT(segundos, 30.0);
  nomeDocumento = pasta.arquivo("vinte.txt");
  EXPECT_TRUE(salvaDocumento(*janela));
  EXPECT_EQ(pasta.le("vinte.txt"), conteudo);
}

TEST_F(JanelaPrincipal, atalhosSemConflito) {
  EXPECT_EQ(janela->Salvar1->shortcut(), QKeySequence(Qt::Key_F2));
  EXPECT_EQ(janela->SubstituirPalavra->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_S));
  EXPECT_EQ(janela->Trechonoformatvel1->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_N));
  EXPECT_EQ(janela->CopiaremBraille1->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_B));
  EXPECT_EQ(janela->Visualizar1->shortcut(), QKeySequence(Qt::Key_F9));
  // No two items share a key.
  std::map<QString, QString> dono;
  for (QAction* a : janela->findChildren<QAction*>()) {
    if (a->shortcut().isEmpty()) continue;
    const QString k = a->shortcut().toString();
    EXPECT_FALSE(dono.count(k)) << k.toStdString() << " " << a->text().toStdString();
    dono[k] = a->text();
  }
  EXPECT_EQ(dono.size(), 19u);
}

TEST_F(JanelaPrincipal, todosOsComandosLigados) {
  // Every command of the menus is built: none is left off.
  for (QAction* a : janela->findChildren<QAction*>())
    if (!a->isEnabled()) ADD_FAILURE() << "off: " << a->text().toStdString();
  for (QAction* a : {janela->Novo1, janela->Abrir1, janela->Salvar1, janela->SalvarComo1,
                     janela->Imprimir1, janela->ImprimirBraille1, janela->Sair1,
                     janela->Fontenatela1, janela->Minimanual1, janela->Sobreoprograma1,
                     janela->Visualizar1, janela->N5linhasBraille1})
    EXPECT_TRUE(a->isEnabled()) << a->text().toStdString();
  for (QToolButton* b : {janela->VisuBtn, janela->br15Btn, janela->dicBtn})
    EXPECT_TRUE(b->isEnabled()) << b->toolTip().toStdString();
  EXPECT_EQ(janela->Trechonoformatvel1->text(), textoqt::paraQString("Não &ajustar este trecho"_cp));
  EXPECT_EQ(janela->CutBtn->toolTip(), textoqt::paraQString("Cortar seleção"_cp));
}

TEST_F(JanelaPrincipal, ProgramasEArquivosForaDoDocumento) {
  // The drawing programs start from their paths, with no arguments.
  pasta.grava("orvento", "#!/bin/sh\n/usr/bin/touch \"$0.rodou$#\"\n");
  ::chmod(pasta.arquivo("orvento").c_str(), 0755);
  configuracao.orvento = pasta.arquivo("orvento");
  configuracao.selvra = pasta.arquivo("falta; rm -rf $(pwd)");
  mensagens.esperaOk();
  janela->MiniOrvento1Click();
  janela->Selvra1Click();
  EXPECT_TRUE(apoio::ate([&] { return ::access(pasta.arquivo("orvento.rodou0").c_str(), F_OK) == 0; }));
  // The export and the word lists open with the desktop's opener; one that
  // ends in failure is reported once it has ended, without waiting for it.
  pasta.grava("abre", "#!/bin/sh\nexit 4\n");
  ::chmod(pasta.arquivo("abre").c_str(), 0755);
  std::vector<std::string> abertos;
  plataforma::defineAbridor([&](const std::string& caminho) {
    abertos.push_back(caminho);
    return plataforma::iniciaPrograma(pasta.arquivo("abre"));
  });
  ::setenv("TMPDIR", pasta.caminho().c_str(), 1);
  configuracao.ambCode2 = plataforma::juntaCaminho(pastaDados(), "ambcode2.cfg");
  configuracao.arqTrab = pasta.arquivo("rascunho.txt");
  janela->carregaLinhas({"abc"});
  mensagens.esperaOk(3);
  janela->BraillenoWord1Click();
  janela->Acrescentarpalavra1Click();
  ASSERT_EQ(abertos.size(), 2u);
  EXPECT_EQ(abertos[0].substr(abertos[0].size() - 4), ".rtf");
  EXPECT_EQ(abertos[1], plataforma::juntaCaminho(windows.pasta().caminho(), "diciona.nom"));
  EXPECT_TRUE(apoio::ate([&] {
    QCoreApplication::processEvents();
    return mensagens.servico.textos().size() == 3;
  }));
  plataforma::defineAbridor({});
  ::unsetenv("TMPDIR");
  const auto textos = mensagens.servico.textos();
  EXPECT_EQ(textos[0], "Não foi possível iniciar o programa "_cp + configuracao.selvra);
  EXPECT_EQ(std::count(textos.begin(), textos.end(), mensagemWordInativoArquivo(abertos[0])), 1);
  EXPECT_EQ(std::count(textos.begin(), textos.end(), "Não foi possível abrir o arquivo "_cp + abertos[1]), 1);
}

TEST_F(JanelaPrincipal, statusEBrailleDaLinhaClicada) {
  configuracao.ambCode2 = plataforma::juntaCaminho(pastaDados(), "ambcode2.cfg");
  ASSERT_TRUE(carregaTabelaImpressora());
  janela->carregaLinhas({"xyz", "a b"});
  janela->resize(804, 518);
  janela->show();
  QTextCursor c = janela->RichEdit1->textCursor();
  c.setPosition(6);
  janela->RichEdit1->setTextCursor(c);
  const QRect r = janela->RichEdit1->cursorRect();
  QTest::mouseClick(janela->RichEdit1->viewport(), Qt::LeftButton, {}, r.center());
  EXPECT_EQ(janela->painelStatus1->text(), QStringLiteral("   Lin 2   Col 3"));
  // "a", a blank and "b": dot 1, an empty cell, dots 1 2.
  EXPECT_EQ(janela->Label1->text(), QStringLiteral(u"\u2801\u2800\u2803"));
  QTest::keyClick(janela->RichEdit1, Qt::Key_Home);
  EXPECT_EQ(janela->painelStatus1->text(), QStringLiteral("   Lin 2   Col 1"));
}

TEST_F(JanelaPrincipal, linhaDeComandoCarregaSemTituloNemRecentes) {
  pasta.grava("arg.txt", "do argumento\r\n");
  janela->argumentosPrograma = {QStringLiteral("lumarel"), textoqt::paraQString(pasta.arquivo("arg.txt"))};
  janela->show();
  EXPECT_EQ(janela->linhasDocumento(), Linhas{"do argumento"});
  EXPECT_EQ(nomeDocumento, pasta.arquivo("arg.txt"));
  EXPECT_TRUE(janela->windowTitle().isEmpty() || janela->windowTitle() == QStringLiteral("Lumarel"));
  EXPECT_EQ(ini("arq1"), "<falta>");
  EXPECT_TRUE(janela->Timer1->isActive());
  EXPECT_EQ(janela->Timer1->interval(), 1000);
}

TEST_F(JanelaPrincipal, temporizadorMostraEEscondeASplash) {
  FormSplash = new TFormSplash;
  janela->show();
  janela->Timer1Timer();
  EXPECT_TRUE(FormSplash->isVisible());
  EXPECT_EQ(FormSplash->Lab_Versao->text(), QStringLiteral("v4.0"));
  EXPECT_EQ(FormSplash->l_beta->text(), QStringLiteral("beta"));
  // The picture is the program's own resource: a print letter's square.
  EXPECT_EQ(FormSplash->Image1->pixmap().toImage().pixel(27, 41), 0xFFFFFFFFu);
  EXPECT_EQ(FormSplash->size(), QSize(298, 260));
  EXPECT_TRUE(FormSplash->windowFlags().testFlag(Qt::FramelessWindowHint));
  EXPECT_EQ(janela->Timer1->interval(), 3000);
  janela->Timer1Timer();
  EXPECT_FALSE(FormSplash->isVisible());
  EXPECT_FALSE(janela->Timer1->isActive());
  // "Sobre o programa" shows it until a click on the picture.
  janela->Sobreoprograma1Click();
  EXPECT_TRUE(FormSplash->isVisible());
  QTest::mouseClick(FormSplash->Image1, Qt::LeftButton);
  EXPECT_FALSE(FormSplash->isVisible());
  delete FormSplash;
  FormSplash = nullptr;
}

TEST_F(JanelaPrincipal, fecharPerguntaQuandoAlteradoEGravaUltimoDir) {
  nomeDocumento = pasta.arquivo("doc.txt");
  janela->show();
  QTest::keyClicks(janela->RichEdit1, "x");
  mensagens.servico.respostasBotao.push_back(Botao::cancelar);
  EXPECT_FALSE(janela->close());
  EXPECT_TRUE(janela->isVisible());
  EXPECT_EQ(ini("ultimoDir"), pasta.caminho());
  // Exit, OK, then the close question, OK.
  mensagens.esperaOk(2);
  janela->Sair1Click();
  EXPECT_FALSE(janela->isVisible());
  EXPECT_EQ(mensagens.servico.textos(),
            (std::vector<std::string>{"Fechando o programa, tudo foi salvo ?",
                                      "Quer mesmo abandonar sem gravar ?",
                                      "Fechando o programa, tudo foi salvo ?"}));
}

TEST_F(JanelaPrincipal, arquivosSoltosAbremSoOPrimeiro) {
  pasta.grava("1.txt", "primeiro");
  pasta.grava("2.txt", "segundo");
  QMimeData dados;
  dados.setUrls({QUrl::fromLocalFile(textoqt::paraQString(pasta.arquivo("1.txt"))),
                 QUrl::fromLocalFile(textoqt::paraQString(pasta.arquivo("2.txt"))),
                 QUrl::fromLocalFile(textoqt::paraQString(pasta.caminho()))});
  QDropEvent evento(QPointF(10, 10), Qt::CopyAction, &dados, Qt::LeftButton, {});
  // Straight to the window: without a drag in progress the application does
  // not route a drop.
  static_cast<QObject*>(janela)->event(&evento);
  EXPECT_EQ(janela->linhasDocumento(), Linhas{"primeiro"});
  EXPECT_EQ(nomeDocumento, pasta.arquivo("1.txt"));
  EXPECT_EQ(janela->windowTitle(), textoqt::paraQString("Lumarel - " + pasta.arquivo("1.txt")));
}

TEST_F(JanelaPrincipal, recentesNoSubmenu) {
  arquivosRecentes = {"/a/um.txt", "/b & c.txt", "", "", ""};
  EXPECT_EQ(janela->N11->text(), QStringLiteral("1."));
  janela->Reabrir1Click();
  EXPECT_EQ(janela->N11->text(), QStringLiteral("/a/um.txt"));
  EXPECT_EQ(janela->N21->text(), QStringLiteral("/b && c.txt"));
  EXPECT_EQ(janela->N31->text(), QString());
}

TEST_F(JanelaPrincipal, ajudaAusenteEFonte) {
  mensagens.esperaOk();
  janela->Minimanual1Click();
  EXPECT_EQ(mensagens.servico.textos(), std::vector<std::string>{"Arquivo de ajuda não encontrado"_cp});
  EXPECT_EQ(mensagens.servico.registro[0].tipo, plataforma::TipoMensagem::erro);

  janela->FormActivate();
  mensagens.servico.respostasFonte.push_back(plataforma::EscolhaFonte{"DejaVu Sans Mono", 14, true, false});
  janela->Fontenatela1Click();
  EXPECT_EQ(janela->RichEdit1->font().pointSize(), 14);
  EXPECT_TRUE(janela->RichEdit1->font().bold());
}

// A typed key or an input-method commit the code page lacks is refused with a
// beep; pasted text shows "?" at once, as it will be saved.
TEST_F(JanelaPrincipal, textoQueEntraFicaComoSeraGravado) {
  janela->show();
  int bipes = 0;
  janela->RichEdit1->bipe = [&bipes] { ++bipes; };
  for (const QString& tecla : {QStringLiteral(u"\u00E7\u20AC"), QStringLiteral(u"\u0142")}) {
    QKeyEvent evento(QEvent::KeyPress, 0, {}, tecla);  // QTest types only ASCII
    QCoreApplication::sendEvent(janela->RichEdit1, &evento);
  }
  QInputMethodEvent metodo;
  metodo.setCommitString(QStringLiteral(u"\u0142\u00F3d\u017A"));
  QCoreApplication::sendEvent(janela->RichEdit1, &metodo);
  EXPECT_EQ(bipes, 2);
  EXPECT_EQ(janela->linhasDocumento(), Linhas{"ç€"_cp});
  janela->carregaLinhas({});
  QApplication::clipboard()->setText(QStringLiteral(u"\u03A9mega\r\na\u00E7\u00E3o \u2192"));
  janela->Colar1->trigger();
  EXPECT_EQ(janela->RichEdit1->toPlainText(), QStringLiteral(u"?mega\na\u00E7\u00E3o ?"));
  EXPECT_EQ(janela->linhasDocumento(), (Linhas{"?mega", "ação ?"_cp}));
  EXPECT_EQ(bipes, 2);
}

// A name the code page cannot hold is refused as written: one made of "?" would be another file.
TEST_F(JanelaPrincipal, nomeDeArquivoForaDoCodigoEhRecusadoComoFoiEscrito) {
  const std::string recusado = pasta.arquivo("\u03A9mega \u0142\u00F3d\u017A.txt");  // UTF-8, as on disk
  const std::string aceito = pasta.arquivo("A\u00E7\u00E3o \u20AC 1.txt");
  for (const auto& nome : {recusado, aceito}) std::ofstream(nome, std::ios::binary) << "do arquivo\r\n";
  const std::function<void()> recusas[] = {[&] { soltaSobre(janela, recusado); },
                                           [&] { abrePelaLinhaDeComando(janela, recusado); }};
  for (const auto& abre : recusas) {
    janela->carregaLinhas({"antes"});
    mensagens.servico.limpa();
    mensagens.esperaOk();
    abre();
    EXPECT_EQ(janela->linhasDocumento(), Linhas{"antes"});
    ASSERT_EQ(mensagens.servico.registro.size(), 1u);
    const auto& caixa = mensagens.servico.registro[0];
    EXPECT_TRUE(caixa.utf8 && caixa.tipo == plataforma::TipoMensagem::erro);
    EXPECT_EQ(caixa.texto, cp1252::paraUtf8("Nome de arquivo que o programa não aceita: "_cp) + recusado);
  }
  soltaSobre(janela, aceito);
  EXPECT_EQ(janela->linhasDocumento(), Linhas{"do arquivo"});
  EXPECT_EQ(nomeDocumento, pasta.caminho() + "/Ação € 1.txt"_cp);
}

// The caret's row shows the screen of cells, at the window's width now, that holds the caret's cell.
TEST_F(JanelaPrincipal, linhaBrailleDoCursorMostraATelaDeCelulasDoCursor) {
  std::string longa;
  for (int i = 0; i < 300; ++i) longa += i % 7 == 6 ? ' ' : static_cast<char>('a' + i % 26);
  const std::string celulas = linhaBrailleImpressora(longa);
  janela->carregaLinhas({longa});
  janela->show();
  janela->irParaLinhaColuna(0, 120);
  janela->resize(400, 518);
  const int n = janela->Label1->contentsRect().width() /
                QFontMetrics(janela->Label1->font()).horizontalAdvance(QString(QChar(0x2800)));
  ASSERT_TRUE(n > 10 && n < 120) << n;
  EXPECT_EQ(janela->Label1->text(),
            braillequt::brailleParaTela(celulas.substr(120 / n * n, n), codigoImpressoraParaPontos));
}

TEST(ImpressaoTexto, cadaLinhaNumaLinhaImpressaComPaginas) {
  apoio::PastaTemporaria pasta;
  Linhas linhas;
  for (int i = 0; i < 200; ++i) linhas.push_back("linha " + std::to_string(i) + "\tcom tab " + "ç"_cp);
  QPrinter impressora(QPrinter::HighResolution);
  impressora.setOutputFormat(QPrinter::PdfFormat);
  impressora.setOutputFileName(textoqt::paraQString(pasta.arquivo("t.pdf")));
  QFont f(QStringLiteral("DejaVu Sans Mono"));
  f.setPixelSize(16);
  ASSERT_TRUE(imprimeTexto(impressora, f, linhas));
  const std::string pdf = pasta.le("t.pdf");
  ASSERT_EQ(pdf.rfind("%PDF", 0), 0u);
  std::size_t paginas = 0;
  for (std::size_t p = pdf.find("/Type /Page"); p != std::string::npos; p = pdf.find("/Type /Page", p + 1))
    if (pdf.compare(p, 12, "/Type /Pages") != 0) ++paginas;
  EXPECT_GE(paginas, 3u);
}

// ---------------------------------------------------------------------------
// The whole program start, and a document embossed from the editor.

class Programa : public ::testing::Test {
 protected:
  void SetUp() override {
    reiniciaVariaveis();
    reiniciaArquivos();
  }
  void TearDown() override {
    destroiJanelas();
    reiniciaVariaveis();
    reiniciaArquivos();
  }
  // The program started with the shipped unified-code table, and the example
  // document opened through "&Abrir".
  void abreExemplo() {
    windows.gravaIni("[LUMAREL]\r\nambCode2=" +
                     plataforma::juntaCaminho(pastaDados(), "ambcode2.cfg") + "\r\n");
    criaJanelas({QStringLiteral("lumarel")});
    configuracao.arqTrab = pasta.arquivo("rascunho.txt");
    const std::string exemplo = plataforma::juntaCaminho(pastaDados(), "exemplo.txt");
    mensagens.servico.respostasTexto.push_back(exemplo);
    formPrincipal->Abrir1Click();
    ASSERT_EQ(nomeDocumento, exemplo);
  }

  apoio::WindowsTemporario windows;
  apoio::PastaTemporaria pasta;
  apoio::Mensagens mensagens;
};

TEST_F(Programa, janelasCriadasNaOrdemCadaUmaComSuaSecao) {
  windows.gravaIni(
      "[LUMAREL]\r\nmaxCarac=30\r\nquebraLin="_cp + "Não"_cp + "\r\nmaxCol=abc\r\narq1=/x/um.txt\r\n"
      "ambCode2=" + plataforma::juntaCaminho(pastaDados(), "ambcode2.cfg") + "\r\n"
      "[IMPBRAILLE]\r\nNomeArq=/dev/null\r\n[DICIONARIO]\r\nARQDIC=meu.dic\r\n");
  dirPrograma = pastaDados();
  TformPrincipal* p = criaJanelas({QStringLiteral("lumarel")});
  ASSERT_EQ(p, formPrincipal);
  EXPECT_EQ(configuracao.maxCarac, 30);
  EXPECT_FALSE(configuracao.quebraLin);
  EXPECT_EQ(configuracao.maxCol, 70);
  EXPECT_EQ(arquivosRecentes[0], "/x/um.txt");
  EXPECT_EQ(configuracao.NomeArq, "/dev/null");
  EXPECT_EQ(configuracao.ARQDIC, "meu.dic");
  EXPECT_EQ(configuracao.ambCode, plataforma::juntaCaminho(plataforma::diretorioAtual(), "ambcode.cfg"));
  EXPECT_EQ(dirPrograma, pastaDados());
  for (QWidget* w :
       std::initializer_list<QWidget*>{formPrincipal, FormVisual, FormImprime, FormSplash, FormConta})
    ASSERT_NE(w, nullptr);
  EXPECT_FALSE(FormVisual->isVisible());
  EXPECT_FALSE(FormImprime->isVisible());
  EXPECT_FALSE(FormSplash->isVisible());
  EXPECT_FALSE(FormConta->isVisible());
  EXPECT_EQ(QApplication::applicationName(), QStringLiteral("Lumarel"));
}

TEST_F(Programa, inicioInstalaTodosOsServicos) {
  windows.gravaIni("[LUMAREL]\r\nambCode2=" + plataforma::juntaCaminho(pastaDados(), "ambcode2.cfg") + "\r\n");
  // A desktop in English.
  const QLocale doSistema;
  QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
  {
    InicioPrograma inicio({QStringLiteral("lumarel")});
    EXPECT_NE(dynamic_cast<ServicoMensagensQt*>(&plataforma::servicoMensagens()), nullptr);
    EXPECT_NE(dynamic_cast<SuperficieQt*>(criaSuperficie().get()), nullptr);
    // Qt's own buttons speak Portuguese, whatever the desktop's language.
    QMessageBox caixa(QMessageBox::NoIcon, {}, {}, QMessageBox::Cancel | QMessageBox::No);
    EXPECT_EQ(caixa.button(QMessageBox::Cancel)->text(), QStringLiteral("Cancelar"));
    EXPECT_EQ(caixa.button(QMessageBox::No)->text(), QStringLiteral(u"&N\u00E3o"));
    // So do the kinds of entry in the file dialogs.
    EXPECT_EQ(QFileIconProvider().type(QFileInfo(QString::fromStdString(pasta.caminho()))).toStdString(), "Pasta");
  }
  QLocale::setDefault(doSistema);
}

TEST_F(Programa, exemploImpressoEmBrailleDoEditorNumArquivo) {
  abreExemplo();
  if (HasFatalFailure()) return;

  formPrincipal->ImprimirBraille1Click();
  ASSERT_TRUE(FormImprime->isVisible());
  const std::string saida = pasta.arquivo("exemplo.brl");
  FormImprime->E_nomeArqPrt->setText(textoqt::paraQString(saida));
  mensagens.esperaOk();  // the end of the job
  FormImprime->b_imprimeClick();
  aguardaFimImpressao();
  QApplication::processEvents();
  EXPECT_FALSE(FormImprime->isVisible());
  EXPECT_EQ(mensagens.servico.textos(), std::vector<std::string>{mensagemEnviado});

  std::string esperado;
  plataforma::leArquivo(std::string(LUMAREL_DIR_TESTES) + "/dourados/exemplo.brl", esperado);
  const std::string obtido = pasta.le("exemplo.brl");
  EXPECT_FALSE(obtido.empty());
  EXPECT_EQ(obtido, esperado);
  // What came out is kept beside the tests for a look when it differs.
  if (obtido != esperado) plataforma::gravaArquivoSeguro("exemplo_obtido.brl", obtido);
}

// Every command that replaces the text or moves the caret leaves the rows and
// the status bar on the caret's new line.
TEST_F(Programa, linhasBrailleEStatusSeguemOCursorDepoisDeCadaComando) {
  windows.gravaIni("[LUMAREL]\r\nambCode2=" + plataforma::juntaCaminho(pastaDados(), "ambcode2.cfg") + "\r\n");
  TformPrincipal* f = criaJanelas({QStringLiteral("lumarel")});
  configuracao.arqTrab = pasta.arquivo("rascunho.txt");
  // Lines opened by a blank are paragraphs apart, so the preview leads back to each.
  pasta.grava("a.txt", "primeira de a\r\n  segunda de a\r\n  terceira de a\r\n");
  pasta.grava("b.txt", "linha um de b\r\nlinha dois de b\r\n");
  const std::string a = pasta.arquivo("a.txt"), b = pasta.arquivo("b.txt");
  f->show();
  const struct { const char* nome; std::function<void()> comando; std::string linha = "linha um de b"; int lin = 1; }
      casos[] = {
          {"Abrir", [&] { mensagens.servico.respostasTexto.push_back(b); f->Abrir1->trigger(); }},
          {"Reabrir", [&] { arquivosRecentes = {b, a, "", "", ""}; f->N11->trigger(); }},
          {"Novo", [&] { f->Novo1->trigger(); }, ""},
          {"a dropped file", [&] { soltaSobre(f, b); }},
          {"the command line", [&] { abrePelaLinhaDeComando(f, b); }},
          {"the preview's Ir ao Original", [&] {
             f->Visualizar1->trigger();
             ASSERT_GE(FormVisual->visual.mapa.size(), 2u);
             FormVisual->ListBoxVisual->setCurrentIndex(
                 FormVisual->ListBoxVisual->model()->index(FormVisual->visual.mapa[1], 0));
             FormVisual->IrAoOriginal1->trigger();
           }, "  segunda de a", 2},
      };
  for (const auto& c : casos) {
    SCOPED_TRACE(c.nome);
    ASSERT_TRUE(carregaArquivo(*f, a));
    f->irParaLinhaColuna(2, 4);
    ASSERT_EQ(f->painelStatus1->text(), statusEsperado(3, 5));
    c.comando();
    EXPECT_EQ(f->Label1->text(),
              braillequt::brailleParaTela(linhaBrailleImpressora(c.linha), codigoImpressoraParaPontos));
    EXPECT_EQ(f->painelStatus1->text(), statusEsperado(c.lin, 1));
  }
}

TEST_F(Programa, previewOfTheExampleLeadsBackToTheCaretLine) {
  abreExemplo();
  if (HasFatalFailure()) return;
  formPrincipal->show();

  // Five Braille rows around the caret, the caret's row in the middle of
  // the view once it moved there.
  formPrincipal->N5linhasBraille1Click();
  EXPECT_TRUE(formPrincipal->Label5->isVisibleTo(formPrincipal));
  formPrincipal->irParaLinhaColuna(12, 0);
  formPrincipal->atualizaLinhasBraille();
  EXPECT_FALSE(formPrincipal->Label1->text().isEmpty());

  // F9: the whole document is translated for the preview, which opens on the
  // caret line's draft line; Enter goes back to that document line.
  formPrincipal->Visualizar1Click();
  ASSERT_TRUE(FormVisual->isVisible());
  ASSERT_FALSE(FormVisual->visual.linhas.empty());
  EXPECT_EQ(FormVisual->ListBoxVisual->currentIndex().row(), FormVisual->visual.selecaoInicial());
  EXPECT_EQ(FormVisual->visual.linhaCursor, linhaRascunhoCursor);
  formPrincipal->irParaLinhaColuna(0, 0);
  QTest::keyClick(FormVisual->ListBoxVisual, Qt::Key_Return);
  int l = -1, c = -1;
  formPrincipal->inicioSelecao(l, c);
  EXPECT_EQ(l, 12);
  EXPECT_EQ(c, 0);
}

// The preview's line check and page view show the draft as its pass made it,
// also after a Braille copy left the identity table behind.
TEST_F(Programa, conferirEGraficoDaVisualizacaoDoExemplo) {
  abreExemplo();
  if (HasFatalFailure()) return;
  configuracao.tipoTratGrafico = 0;  // graphics go into the pages
  formPrincipal->Visualizar1Click();
  const auto& linhas = FormVisual->visual.linhas;
  ASSERT_FALSE(linhas.empty());
  std::string lido;
  servicoqt::defineMostraModal([&](QDialog& d) {
    d.show();
    lido = textoqt::deQString(formChecaBrl->e_reversao->text());
    d.close();
    return 0;
  });
  auto confere = [&](std::size_t i) {
    FormVisual->selecionaLinha(static_cast<int>(i));
    FormVisual->Conferir1->trigger();
    return lido;
  };
  std::size_t numeros = linhas.size();
  for (std::size_t i = 0; i < linhas.size() && numeros == linhas.size(); ++i)
    if (confere(i).find("Em 12 de mar"_cp) == 0) numeros = i;
  ASSERT_LT(numeros, linhas.size()) << "no draft line reads back as the numbers paragraph";
  const std::string antes = lido;
  formPrincipal->CopiaremBraille1Click();
  EXPECT_EQ(confere(numeros), antes);

  // The graphic page: its dots drawn from the file beside the document, and
  // Page Down moves the preview and the view together.
  std::size_t grafico = 0;
  while (grafico < linhas.size() && !ehDiretivaGrafico(linhas[grafico])) ++grafico;
  ASSERT_LT(grafico, linhas.size());
  FormVisual->selecionaLinha(static_cast<int>(grafico));
  FormVisual->Grafico1->trigger();
  ASSERT_TRUE(formVisualGraf->isVisible());
  int pretos = 0;
  for (int y = 0; y < formVisualGraf->imagem.height(); ++y)
    for (int x = 0; x < formVisualGraf->imagem.width(); ++x)
      pretos += formVisualGraf->imagem.pixelColor(x, y) == Qt::black;
  EXPECT_GT(pretos, 100);
  QKeyEvent pgDn(QEvent::KeyRelease, Qt::Key_PageDown, Qt::NoModifier);
  formVisualGraf->FormKeyUp(&pgDn);
  EXPECT_EQ(formVisualGraf->linhaInicialVisualGraf, FormVisual->linhaSelecionada());
  EXPECT_GT(FormVisual->linhaSelecionada(), static_cast<int>(grafico));
  servicoqt::defineMostraModal({});
}

// Interpoint, a page graphic after an even page: the graphic's line begins
// with the separator that ends page 2, and the preview stands there naming
// page 3. The view shows that page, and Page Down and Up step from it.
TEST_F(Programa, paginaEmPontosEAQueAVisualizacaoIndica) {
  windows.gravaIni("[LUMAREL]\r\nfrenteVerso=S\r\nambCode2=" +
                   plataforma::juntaCaminho(pastaDados(), "ambcode2.cfg") + "\r\n");
  criaJanelas({QStringLiteral("lumarel")});
  configuracao.arqTrab = pasta.arquivo("rascunho.txt");
  formPrincipal->carregaLinhas({"um", "<P>", "dois", "", "<G " + plataforma::juntaCaminho(pastaDados(), "casa.grb") + ">", "tres"});
  formPrincipal->irParaLinhaColuna(4, 0);
  formPrincipal->Visualizar1Click();
  const auto& linhas = FormVisual->visual.linhas;
  ASSERT_TRUE(ehLinhaSeparadora(linhas.at(static_cast<std::size_t>(FormVisual->linhaSelecionada()))));
  EXPECT_TRUE(ehDiretivaGrafico(linhas.at(static_cast<std::size_t>(FormVisual->visual.irParaPagina(3)) + 1)));
  // The indicator names page p, and the view shows the page that starts there.
  const auto confere = [&](int p) {
    FormVisual->atualizaPagLin();
    EXPECT_TRUE(textoqt::deQString(FormVisual->b_pagLin->text()).starts_with("&Pág: "_cp + std::to_string(p) + " "));
    ImagemPontos im;
    ::desenhaPagina(im, linhas, FormVisual->visual.irParaPagina(p), FormVisual->visual.estado);
    EXPECT_EQ(formVisualGraf->imagem,
              QImage(reinterpret_cast<const uchar*>(im.pixels.data()), im.largura, im.altura, QImage::Format_RGB32))
        << p;
  };
  QKeyEvent pgDn(QEvent::KeyRelease, Qt::Key_PageDown, Qt::NoModifier), pgUp(QEvent::KeyRelease, Qt::Key_PageUp, Qt::NoModifier);
  FormVisual->Grafico1->trigger();
  confere(3);
  formVisualGraf->FormKeyUp(&pgDn);
  confere(5);
  formVisualGraf->FormKeyUp(&pgUp);
  confere(3);
  formVisualGraf->FormKeyUp(&pgUp);
  confere(2);
}

// Six keys type a cell through the clipboard; Enter reaches the editor after
// the window's handler, and the rows and the status bar follow it.
TEST_F(Programa, seisTeclasDigitamNoEditor) {
  windows.gravaIni("[LUMAREL]\r\n");
  criaJanelas({QStringLiteral("lumarel")});
  formPrincipal->carregaLinhas({"x"});
  formPrincipal->irParaLinhaColuna(0, 1);
  servicoqt::defineMostraModal([](QDialog& d) {
    d.show();
    for (auto [tipo, tecla] : {std::pair{QEvent::KeyPress, Qt::Key_F}, {QEvent::KeyPress, Qt::Key_D},
                               {QEvent::KeyRelease, Qt::Key_D}, {QEvent::KeyRelease, Qt::Key_F},
                               {QEvent::KeyPress, Qt::Key_Return}, {QEvent::KeyRelease, Qt::Key_Return}}) {
      QKeyEvent e(tipo, tecla, Qt::NoModifier);
      QCoreApplication::sendEvent(&d, &e);
    }
    d.close();
    return 0;
  });
  formPrincipal->perkBtn->click();
  QCoreApplication::processEvents();
  EXPECT_EQ(formPrincipal->linhasDocumento(), (Linhas{"xb", ""}));
  EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("b"));
  EXPECT_EQ(formPrincipal->painelStatus1->text(), statusEsperado(2, 1));
  servicoqt::defineMostraModal({});
}

}  // namespace
