#include "tabela.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "apoio_traducao.h"
#include "casos.h"

namespace {

class Tabela : public apoio::TesteTraducao {};

LinhaColuna posicao(std::istream& in) {
  LinhaColuna p;
  in >> p.linha >> p.coluna;
  return p;
}

// Each case: the code, the column count, the frame and separator styles, the
// document ("-" none) and its selection "l1 c1 l2 c2", then the document
// after "Gerar" and the caret "l c".
TEST_F(Tabela, InsereTabela) {
  for (const auto& c : casos::le("insereTabela.tsv")) {
    SCOPED_TRACE(c);
    configuracao.brailleAntigo = c[1] == "old";
    LinhasMemoria d(c[5] == "-" ? std::vector<std::string>{} : c.linhas(5));
    std::istringstream selecao(c[6]);
    d.inicio = posicao(selecao);
    d.fim = posicao(selecao);
    const OpcoesTabela o{c.n(2), static_cast<EstiloMoldura>(c.n(3)), static_cast<EstiloSeparador>(c.n(4))};
    ASSERT_TRUE(insereTabela(d, o));
    EXPECT_EQ(d.linhas, c.linhas(7));
    std::istringstream cursor(c[8]);
    const LinhaColuna esperado = posicao(cursor);
    EXPECT_EQ(d.inicio, esperado);
    EXPECT_EQ(d.fim, esperado);
  }
  EXPECT_TRUE(mensagens.servico.registro.empty());
}

TEST(TabelaColunas, LeNumeroColunas) {
  const struct {
    const char* texto;
    int colunas;
  } casos[] = {{"", 0},   {"2", 2},   {" 3 ", 3}, {"\t7\r\n", 7}, {"1", 1},          {"30", 30},
               {"0", 0},  {"31", 0},  {"3x", 0},  {"x3", 0},     {"3 4", 0},        {"-2", 0},
               {"+3", 0}, {"3.0", 0}, {"  ", 0},  {"0003", 3},   {"99999999999", 0}, {"4294967298", 0}};
  for (const auto& c : casos) {
    SCOPED_TRACE(c.texto);
    EXPECT_EQ(leNumeroColunas(c.texto), c.colunas);
  }
}

// A draft file that cannot be written: the translator's one message, and the
// document and the caret as they were.
TEST_F(Tabela, TraducaoFalhaNadaDesenha) {
  configuracao.arqTrab = pasta.arquivo("falta/rascunho.txt");
  const std::vector<std::string> antes{"a", "b", "c"};
  for (const auto moldura : {EstiloMoldura::sem, EstiloMoldura::dupla}) {
    SCOPED_TRACE(static_cast<int>(moldura));
    mensagens.servico.limpa();
    mensagens.esperaOk();
    LinhasMemoria d(antes);
    d.seleciona(0, 1, 2, 1);
    EXPECT_FALSE(insereTabela(d, {2, moldura, EstiloSeparador::verticais}));
    EXPECT_EQ(d.linhas, antes);
    EXPECT_EQ(d.inicio, (LinhaColuna{0, 1}));
    EXPECT_EQ(d.fim, (LinhaColuna{2, 1}));
    EXPECT_EQ(mensagens.servico.textos(), std::vector<std::string>{mensagemErroRascunho});
  }
}

}  // namespace
