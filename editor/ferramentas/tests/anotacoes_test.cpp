#include "anotacoes.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <tuple>
#include <vector>

#include "apoio_testes.h"
#include "cp1252.h"

namespace {

using Linhas = std::vector<std::string>;
using std::nullopt;

// Bytes 0 to 255, line breaks made blanks when `semQuebras`.
std::string todosOsBytes(bool semQuebras) {
  std::string s;
  for (int c = 0; c < 256; ++c) s += semQuebras && (c == '\r' || c == '\n') ? ' ' : static_cast<char>(c);
  return s;
}

// What a command writes (nothing typed: a line typed by hand) and what the
// list shows of it: marks inside the text stay, a line break becomes a blank.
TEST(Anotacao, LinhaEscritaETextoListado) {
  const std::vector<std::tuple<std::optional<std::string>, std::string, std::string>> casos = {
      {"rever acento", "<*** rever acento ***>", "rever acento "},
      {"a\r\nb\rc\n", "<*** a  b c  ***>", "a  b c  "},
      {"x ***> y", "<*** x ***> y ***>", "x ***> y "},
      {"fim ***>", "<*** fim ***> ***>", "fim ***> "},
      {"<*** dentro", "<*** <*** dentro ***>", "<*** dentro "},
      {todosOsBytes(false), "<*** " + todosOsBytes(true) + " ***>", todosOsBytes(true).substr(33) + " "},
      {"   ", "<***     ***>", ""}, {nullopt, "<***abc", "abc"}, {nullopt, "<*** ***>", ""},
      {nullopt, "<***", ""}, {nullopt, "<***x***>", "x"}, {nullopt, "<***\t x ***>  ", "x "},
  };
  for (const auto& [digitado, linha, listado] : casos) {
    SCOPED_TRACE(linha);
    if (digitado) {
      EXPECT_EQ(linhaDeAnotacao(*digitado), linha);
    }
    EXPECT_EQ(textoDaAnotacao(linha), listado);
  }
}

// Annotations on lines 3, 9 and 20 (from 1), an indented one on line 5 that
// is none: the first on or after the caret's line is selected.
TEST(Anotacao, ListaSelecionaAPrimeiraDesdeOCursor) {
  Linhas doc(22, "texto");
  const Linhas itens = {"3 - um ", "9 - dois ", "20 - tres"};
  doc[2] = "<*** um ***>", doc[4] = "  <*** recuada ***>", doc[8] = "<*** dois ***>", doc[19] = "<***tres";
  const std::vector<std::tuple<Linhas, int, int>> casos = {
      {doc, 0, 0},  {doc, 2, 0},   {doc, 3, 1},   {doc, 8, 1},          {doc, 9, 2},
      {doc, 19, 2}, {doc, 20, -1}, {doc, 22, -1}, {{"a", "b"}, 0, -1}, {{}, 0, -1},
  };
  for (const auto& [linhas, cursor, selecionado] : casos) {
    SCOPED_TRACE(testing::Message() << linhas.size() << " lines, caret on " << cursor);
    LinhasMemoria e(linhas);
    e.seleciona(cursor, 3, cursor + 1, 0);
    const ListaAnotacoes l = listaAnotacoes(e);
    EXPECT_EQ(l.itens, linhas == doc ? itens : Linhas{});
    EXPECT_EQ(l.selecionado, selecionado);
  }
}

// Before the line of the selection start, past the end appended; a cancelled
// or empty box writes nothing.
TEST(Anotacao, CriaAntesDaLinhaDoInicioDaSelecao) {
  const Linhas cinco = {"1", "2", "3", "4", "quinta linha"};
  const std::vector<std::tuple<std::optional<std::string>, Linhas, LinhaColuna, LinhaColuna, Linhas>> casos = {
      {"rever", cinco, {4, 6}, {4, 6}, {"1", "2", "3", "4", "<*** rever ***>", "quinta linha"}},
      {"a", cinco, {1, 0}, {3, 1}, {"1", "<*** a ***>", "2", "3", "4", "quinta linha"}},
      {"a", cinco, {5, 0}, {5, 0}, {"1", "2", "3", "4", "quinta linha", "<*** a ***>"}},
      {"a", {}, {0, 0}, {0, 0}, {"<*** a ***>"}},
      {"", cinco, {0, 0}, {0, 0}, cinco},
      {nullopt, cinco, {0, 0}, {0, 0}, cinco},
  };
  for (const auto& [resposta, antes, inicio, fim, depois] : casos) {
    SCOPED_TRACE(resposta.value_or("(cancelled)"));
    apoio::Mensagens m;
    m.servico.respostasTexto.push_back(resposta);
    LinhasMemoria e(antes);
    e.seleciona(inicio.linha, inicio.coluna, fim.linha, fim.coluna);
    EXPECT_EQ(criaAnotacao(e), depois != antes);
    EXPECT_EQ(e.linhas, depois);
    ASSERT_EQ(m.servico.registro.size(), 1u);
    EXPECT_EQ(m.servico.registro[0].titulo + "|" + m.servico.registro[0].texto, "Anotar|Incluir comentário"_cp);
  }
}

// "Buscar": the number before the first blank names the line (from 1); the
// caret goes to its start, nothing selected; no number moves nothing.
TEST(Anotacao, BuscarVaiAoInicioDaLinhaDoItem) {
  const std::vector<std::pair<std::string, std::optional<int>>> casos = {
      {"12 - rever ", 11}, {"1 - ", 0},         {"7", 6},          {"", nullopt},
      {" 3 - a", nullopt}, {"0 - a", nullopt}, {"-3 - a", nullopt}, {"3x - a", nullopt},
      {"99999999999 - a", nullopt},
  };
  for (const auto& [item, linha] : casos) {
    SCOPED_TRACE(item);
    LinhasMemoria e(Linhas(20, "x"));
    e.seleciona(2, 1, 3, 4);
    EXPECT_EQ(vaiParaAnotacao(e, item), linha.has_value());
    EXPECT_EQ(std::pair(e.inicio, e.fim), linha ? std::pair(LinhaColuna{*linha, 0}, LinhaColuna{*linha, 0})
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
