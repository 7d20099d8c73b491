#include "anotacoes.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <tuple>
#include <vector>

#include "apoio_testes.h"
#include "casos.h"
#include "cp1252.h"

namespace {

using Linhas = std::vector<std::string>;

TEST(Anotacao, LinhaEscritaETextoListado) {
  for (const auto& c : casos::le("anotacoes.tsv")) {
    SCOPED_TRACE(c);
    if (c[1] != "-") { EXPECT_EQ(linhaDeAnotacao(c[1]), c[2]); }
    EXPECT_EQ(textoDaAnotacao(c[2]), c[3]);
  }
}

// Annotations on lines 3, 9 and 20 (from 1), an indented one on line 5 that
// is none: the first on or after the caret's line is selected.
TEST(Anotacao, ListaSelecionaAPrimeiraDesdeOCursor) {
  Linhas doc(22, "texto");
  doc[2] = "<*** um ***>", doc[4] = "  <*** recuada ***>", doc[8] = "<*** dois ***>", doc[19] = "<***tres";
  for (const auto& [linhas, cursor, selecionado] : std::vector<std::tuple<Linhas, int, int>>{
           {doc, 0, 0}, {doc, 2, 0}, {doc, 3, 1}, {doc, 8, 1}, {doc, 9, 2}, {doc, 19, 2}, {doc, 20, -1},
           {doc, 22, -1}, {{"a", "b"}, 0, -1}, {{}, 0, -1}}) {
    SCOPED_TRACE(testing::Message() << linhas.size() << " lines, caret on " << cursor);
    LinhasMemoria e(linhas);
    e.seleciona(cursor, 3, cursor + 1, 0);
    const ListaAnotacoes l = listaAnotacoes(e);
    EXPECT_EQ(l.itens, (linhas == doc ? Linhas{"3 - um ", "9 - dois ", "20 - tres"} : Linhas{}));
    EXPECT_EQ(l.selecionado, selecionado);
  }
}

TEST(Anotacao, CriaAntesDaLinhaDoInicioDaSelecao) {
  for (const auto& c : casos::le("criaAnotacao.tsv")) {
    SCOPED_TRACE(c);
    apoio::Mensagens m;
    m.servico.respostasTexto.push_back(c[1] == "-" ? std::nullopt : std::optional(c[1]));
    const Linhas antes = c[2] == "-" ? Linhas{} : c.linhas(2);
    LinhasMemoria e(antes);
    e.seleciona(c.n(3), c.n(4), c.n(5), c.n(6));
    EXPECT_EQ(criaAnotacao(e), c.linhas(7) != antes);
    EXPECT_EQ(e.linhas, c.linhas(7));
    ASSERT_EQ(m.servico.registro.size(), 1u);
    EXPECT_EQ(m.servico.registro[0].titulo + "|" + m.servico.registro[0].texto, "Anotar|Incluir comentário"_cp);
  }
}

// "Buscar": the number before the first blank names the line (from 1); the
// caret goes to its start, nothing selected; no number (-1) moves nothing.
TEST(Anotacao, BuscarVaiAoInicioDaLinhaDoItem) {
  for (const auto& [item, linha] : std::vector<std::pair<std::string, int>>{
           {"12 - rever ", 11}, {"1 - ", 0}, {"7", 6}, {"", -1}, {" 3 - a", -1}, {"0 - a", -1},
           {"-3 - a", -1}, {"3x - a", -1}, {"99999999999 - a", -1}}) {
    SCOPED_TRACE(item);
    LinhasMemoria e(Linhas(20, "x"));
    e.seleciona(2, 1, 3, 4);
    EXPECT_EQ(vaiParaAnotacao(e, item), linha >= 0);
    EXPECT_EQ(std::pair(e.inicio, e.fim), linha >= 0 ? std::pair(LinhaColuna{linha, 0}, LinhaColuna{linha, 0})
                                                     : std::pair(LinhaColuna{2, 1}, LinhaColuna{3, 4}));
  }
}

// On: pink, the panel's text, two beeps 300 ms apart; off: white, an empty
// panel, one beep.
TEST(Revisor, AlternaSomenteLeitura) {
  const AspectoRevisor ligado{true, "Modo de revisão - apenas leitura"_cp, 255, 160, 160};
  for (const auto& [antes, depois, sons] :
       {std::tuple(false, ligado, "bipe 300 bipe "), std::tuple(true, AspectoRevisor{}, "bipe ")}) {
    SCOPED_TRACE(antes);
    std::string ouvido;
    const auto som = [&] { ouvido += "bipe "; };
    EXPECT_EQ(alternaModoRevisor(antes, som, [&](int ms) { ouvido += std::to_string(ms) + " "; }), depois);
    EXPECT_EQ(ouvido, sons);
  }
}

}  // namespace
