#include "formanotacoes.h"

#include <gtest/gtest.h>

#include <QTest>
#include <functional>
#include <string>
#include <tuple>
#include <vector>

namespace {

// The list is rebuilt at each showing. Enter, a double click and "Buscar"
// lead to a selected item only (the focus may make an item current without
// selecting it); Escape and "Cancelar" close without moving the caret.
TEST(FormAnotacoes, SoUmItemSelecionadoLevaASuaLinha) {
  LinhasMemoria e(std::vector<std::string>(12, "x"));
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
  const std::vector<std::tuple<const char*, int, std::function<void()>, int, int>> casos = {
      {"Enter", 5, tecla(Qt::Key_Return), 1, 8},
      {"Enter, nothing after the caret", 9, tecla(Qt::Key_Return), -1, 9},
      {"double click", 9, duploClique, -1, 2},
      {"Buscar", 0, [&f] { f.b_buscar->click(); }, 0, 2},
      {"Escape", 0, tecla(Qt::Key_Escape), 0, 0},
      {"Cancelar", 0, [&f] { f.b_cancelar->click(); }, 0, 0},
  };
  for (const auto& [nome, cursor, acao, selecionado, linhaDepois] : casos) {
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
