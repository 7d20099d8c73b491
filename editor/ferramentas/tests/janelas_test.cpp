#include <gtest/gtest.h>

#include <QTest>
#include <functional>
#include <string>
#include <tuple>
#include <vector>

#include "apoio_testes.h"
#include "brvars.h"
#include "cp1252.h"
#include "formanotacoes.h"
#include "formconftabela.h"
#include "formmacro.h"
#include "textoqt.h"

namespace {

using Linhas = std::vector<std::string>;

// The box shows the stored name when the window shows and again after each
// of its own messages, and the window stays open until a run.
TEST(FormMacro, NomeGuardadoEExecucao) {
  const apoio::WindowsTemporario windows;
  const apoio::PastaTemporaria pasta;
  pasta.grava("boa.amb", "`a X\r\n");
  ASSERT_TRUE(gravaAmbMacro("guardado.amb"));
  apoio::Mensagens m;
  LinhasMemoria e({"`a"});
  int depois = 0;
  TformMacro f;
  f.editor = [&] { return &e; };
  f.aposComando = [&] { ++depois; };
  f.show();
  EXPECT_EQ(f.E_arqmacro->text(), QStringLiteral("guardado.amb"));
  for (const auto& [digitado, mensagem] : std::vector<std::pair<QString, std::string>>{
           {QStringLiteral("falta.amb"), "Arquivo de macros não existe"_cp},
           {QStringLiteral("\u0109.amb"), "Nome de arquivo que o programa não aceita: "_cp}}) {
    SCOPED_TRACE(mensagem);
    m.servico.limpa();
    m.esperaOk();
    f.E_arqmacro->setText(digitado);
    f.Button1->click();
    ASSERT_EQ(m.servico.registro.size(), 1u);
    const auto& r = m.servico.registro[0];
    EXPECT_TRUE((r.utf8 ? cp1252::deUtf8(r.texto) : r.texto).starts_with(mensagem));
    EXPECT_TRUE(f.isVisible());
    EXPECT_EQ(f.E_arqmacro->text(), QStringLiteral("guardado.amb"));
  }
  EXPECT_EQ(depois, 0);
  f.E_arqmacro->setText(textoqt::paraQString(pasta.arquivo("boa.amb")));
  f.Button1->click();
  EXPECT_FALSE(f.isVisible());
  EXPECT_EQ(std::pair(e.linhas, depois), std::pair(Linhas{"X"}, 1));
  f.E_arqmacro->setText(QStringLiteral("digitado"));
  f.show();
  EXPECT_EQ(textoqt::deQString(f.E_arqmacro->text()), pasta.arquivo("boa.amb"));
}

// "Gerar" with no column count from 1 to 30 leaves the window open and the
// document alone; with one it lays out the table in the chosen styles,
// closes the window and tells the main window.
TEST(FormConfTabela, GerarSoComNumeroDeColunas) {
  reiniciaVariaveis();
  apoio::PastaTemporaria pasta;
  configuracao.arqTrab = pasta.arquivo("rascunho.txt");
  TformConfTabela janela;
  for (const auto& [colunas, moldura, separador, depois] : std::vector<std::tuple<const char*, int, int, Linhas>>{
           {"31", 1, 3, {"ab", "cd", "e"}},
           {" 2 ", 0, 2, {"", " ab  cd", "", "ab", "cd", "e"}},
           {"1", 2, 1, {"", " \xE9gggg\xE9", " \xE9 ab \xE9", " \xE9 cd \xE9", " \xE9====\xE9", "", "ab", "cd", "e"}}}) {
    SCOPED_TRACE(colunas);
    LinhasMemoria d({"ab", "cd", "e"});
    d.seleciona(0, 0, 2, 0);
    int avisos = 0;
    janela.editor = [&] { return &d; };
    janela.aposComando = [&] { ++avisos; };
    janela.e_NumColunas->setText(colunas);
    janela.r_estilo_moldura->defineIndice(moldura);
    janela.r_estilo_separ->defineIndice(separador);
    janela.show();
    janela.b_gerar->click();
    const bool feita = depois.size() > 3;
    EXPECT_EQ(std::tuple(janela.isVisible(), avisos, d.linhas), std::tuple(!feita, feita ? 1 : 0, depois));
    janela.hide();
  }
  reiniciaVariaveis();
}

// The list is rebuilt at each showing. Enter, a double click and "Buscar"
// lead to a selected item only (the focus may make an item current without
// selecting it); Escape and "Cancelar" close without moving the caret.
TEST(FormAnotacoes, SoUmItemSelecionadoLevaASuaLinha) {
  LinhasMemoria e(Linhas(12, "x"));
  e.linhas[2] = "<*** um ***>", e.linhas[8] = "<*** dois ***>";
  TformAnotacoes f;
  f.editor = [&] { return &e; };
  const auto tecla = [&f](Qt::Key k) { return [&f, k] { QTest::keyClick(f.ListBox1, k); }; };
  const auto duploClique = [&f] {
    // A real double click: its first click's press, then the double click.
    const QPoint p = f.ListBox1->visualItemRect(f.ListBox1->item(0)).center();
    QTest::mouseClick(f.ListBox1->viewport(), Qt::LeftButton, {}, p);
    QTest::mouseDClick(f.ListBox1->viewport(), Qt::LeftButton, {}, p);
  };
  for (const auto& [nome, cursor, acao, selecionado, linhaDepois] :
       std::vector<std::tuple<const char*, int, std::function<void()>, int, int>>{
           {"Enter", 5, tecla(Qt::Key_Return), 1, 8},
           {"Enter, nothing after the caret", 9, tecla(Qt::Key_Return), -1, 9},
           {"double click", 9, duploClique, -1, 2},
           {"Buscar", 0, [&f] { f.b_buscar->click(); }, 0, 2},
           {"Escape", 0, tecla(Qt::Key_Escape), 0, 0},
           {"Cancelar", 0, [&f] { f.b_cancelar->click(); }, 0, 0}}) {
    SCOPED_TRACE(nome);
    e.seleciona(cursor, 1, cursor, 1);
    f.show();
    ASSERT_EQ(f.ListBox1->count(), 2);
    EXPECT_EQ(f.ListBox1->item(1)->text().toStdString(), "9 - dois ");
    EXPECT_EQ(f.ListBox1->selectedItems().isEmpty() ? -1 : f.ListBox1->currentRow(), selecionado);
    acao();
    EXPECT_FALSE(f.isVisible());
    EXPECT_EQ(e.inicio.linha, linhaDepois);
  }
}

}  // namespace
