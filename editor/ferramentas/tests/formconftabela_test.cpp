#include "formconftabela.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "apoio_testes.h"
#include "brvars.h"

namespace {

// "Gerar" with no column count from 1 to 30 leaves the window open and the
// document alone; with one it lays out the table in the chosen styles,
// closes the window and tells the main window.
TEST(FormConfTabela, GerarSoComNumeroDeColunas) {
  reiniciaVariaveis();
  apoio::PastaTemporaria pasta;
  configuracao.arqTrab = pasta.arquivo("rascunho.txt");
  const struct {
    const char* colunas;
    int moldura, separador;
    std::vector<std::string> depois;  // empty: the window stays open
  } casos[] = {
      {"3x", 1, 3, {}},
      {"31", 1, 3, {}},
      {" 2 ", 0, 2, {"", " ab  cd", "", "ab", "cd", "e"}},
      {"1", 2, 1, {"", " \xE9gggg\xE9", " \xE9 ab \xE9", " \xE9 cd \xE9", " \xE9====\xE9", "", "ab", "cd", "e"}},
  };
  TformConfTabela janela;
  for (const auto& c : casos) {
    SCOPED_TRACE(c.colunas);
    LinhasMemoria d({"ab", "cd", "e"});
    d.seleciona(0, 0, 2, 0);
    int avisos = 0;
    janela.editor = [&] { return &d; };
    janela.aposComando = [&] { ++avisos; };
    janela.e_NumColunas->setText(c.colunas);
    janela.r_estilo_moldura->defineIndice(c.moldura);
    janela.r_estilo_separ->defineIndice(c.separador);
    janela.show();
    janela.b_gerar->click();
    const bool feita = !c.depois.empty();
    EXPECT_EQ(janela.isVisible(), !feita);
    EXPECT_EQ(avisos, feita ? 1 : 0);
    EXPECT_EQ(d.linhas, feita ? c.depois : (std::vector<std::string>{"ab", "cd", "e"}));
    janela.hide();
  }
  reiniciaVariaveis();
}

}  // namespace
