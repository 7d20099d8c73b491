#include "tabela.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "apoio_traducao.h"
#include "casos.h"

namespace {

using Linhas = std::vector<std::string>;

class Tabela : public apoio::TesteTraducao {};

// Each case: the code, the column count, the frame and separator styles, the
// document ("-" none) and its selection "l1 c1 l2 c2", then the document
// after "Gerar" and the caret "l c"; the Braille line's width, whether
// paragraphs are joined and the warning of a table too wide for it.
TEST_F(Tabela, InsereTabela) {
  for (const auto& c : casos::le("insereTabela.tsv")) {
    SCOPED_TRACE(c);
    mensagens.servico.limpa();
    configuracao.brailleAntigo = c[1] == "old";
    configuracao.maxCarac = c.talvez(9).value_or(36);
    configuracao.autoJunta = c[10] == "S";
    const bool recusada = c[11] != "-";
    if (recusada) mensagens.esperaOk();
    LinhasMemoria d(c[5] == "-" ? Linhas{} : c.linhas(5));
    std::istringstream posicoes(c[6] + " " + c[8]);
    LinhaColuna cursor;
    posicoes >> d.inicio.linha >> d.inicio.coluna >> d.fim.linha >> d.fim.coluna >> cursor.linha >> cursor.coluna;
    const std::pair selecao(d.inicio, d.fim);
    EXPECT_EQ(insereTabela(d, {c.n(2), static_cast<EstiloMoldura>(c.n(3)), static_cast<EstiloSeparador>(c.n(4))}),
              !recusada);
    EXPECT_EQ(d.linhas, c.linhas(7));
    EXPECT_EQ(std::pair(d.inicio, d.fim), recusada ? selecao : std::pair(cursor, cursor));
    EXPECT_EQ(mensagens.servico.textos(), recusada ? Linhas{c[11]} : Linhas{});
    for (const auto& r : mensagens.servico.registro) EXPECT_EQ(r.tipo, plataforma::TipoMensagem::aviso);
  }
}

TEST(TabelaColunas, LeNumeroColunas) {
  for (const auto& [texto, colunas] : std::vector<std::pair<std::string, int>>{
           {"", 0}, {"2", 2}, {" 3 ", 3}, {"\t7\r\n", 7}, {"1", 1}, {"30", 30}, {"0", 0}, {"31", 0}, {"3x", 0},
           {"x3", 0}, {"3 4", 0}, {"-2", 0}, {"+3", 0}, {"3.0", 0}, {"  ", 0}, {"0003", 3}, {"99999999999", 0},
           {"4294967298", 0}}) {
    SCOPED_TRACE(texto);
    EXPECT_EQ(leNumeroColunas(texto), colunas);
  }
}

// A draft file that cannot be written: the translator's one message, and the
// document and the caret as they were.
TEST_F(Tabela, TraducaoFalhaNadaDesenha) {
  configuracao.arqTrab = pasta.arquivo("falta/rascunho.txt");
  for (const auto moldura : {EstiloMoldura::sem, EstiloMoldura::dupla}) {
    SCOPED_TRACE(static_cast<int>(moldura));
    mensagens.servico.limpa();
    mensagens.esperaOk();
    LinhasMemoria d({"a", "b", "c"});
    d.seleciona(0, 1, 2, 1);
    EXPECT_FALSE(insereTabela(d, {2, moldura, EstiloSeparador::verticais}));
    EXPECT_EQ(d.linhas, (Linhas{"a", "b", "c"}));
    EXPECT_EQ(std::pair(d.inicio, d.fim), std::pair(LinhaColuna{0, 1}, LinhaColuna{2, 1}));
    EXPECT_EQ(mensagens.servico.textos(), Linhas{mensagemErroRascunho});
  }
}

}  // namespace
