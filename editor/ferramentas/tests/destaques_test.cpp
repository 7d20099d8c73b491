#include "destaques.h"

#include <gtest/gtest.h>

#include <map>
#include <optional>
#include <tuple>

#include "apoio_traducao.h"
#include "casos.h"

namespace {

using Linhas = std::vector<std::string>;
using plataforma::Botao;
using Botoes = std::vector<Botao>;
using namespace std::string_literals;

// Lines in memory that count the edits that changed them, and the changes
// made outside any edit.
struct Documento : LinhasMemoria {
  using LinhasMemoria::LinhasMemoria;
  int nivel = 0, edicoes = 0, fora = 0;
  bool mudou = false;
  void iniciaEdicao() override { mudou = nivel++ > 0 && mudou; }
  void terminaEdicao() override { edicoes += --nivel == 0 && mudou; }
  void muda() { mudou = true, fora += nivel == 0; }
  void defineLinha(int i, const std::string& t) override { muda(), LinhasMemoria::defineLinha(i, t); }
  void insereLinha(int i, const std::string& t) override { muda(), LinhasMemoria::insereLinha(i, t); }
  void substituiSelecao(const std::string& t) override { muda(), LinhasMemoria::substituiSelecao(t); }
};

// The fixed lines that go before the selection.
const std::map<std::string, std::string> fixas = {
    {"grande", separadorGrande}, {"media", separadorMedio}, {"pequena", separadorPequeno},
    {"nota", notaTranscricao}};
const std::map<std::string, Botao> botoes = {
    {"sim", Botao::sim}, {"nao", Botao::nao}, {"cancelar", Botao::cancelar}, {"nenhum", Botao::nenhum}};

class Destaques : public apoio::TesteTraducao {};

TEST_F(Destaques, CentragemFisica) {
  for (const auto& c : casos::le("centraFisico.tsv")) {
    SCOPED_TRACE(c);
    configuracao.brailleAntigo = c.n(1) == 1;
    configuracao.maxCarac = c.n(2);
    EXPECT_EQ(centraFisico(c[3]), c[4]);
  }
}

// Each command in one edit; the question scripted was asked once, as the
// command asks it.
TEST_F(Destaques, ComandosDeMarcacao) {
  auto& servico = mensagens.servico;
  const auto pergunta = std::tuple(""s, "Centragem é física? (só confirme se não vai autoformatar)"_cp.str(),
                                   Botoes{Botao::sim, Botao::nao, Botao::cancelar});
  for (const auto& c : casos::le("destaques.tsv")) {
    SCOPED_TRACE(c);
    const std::string& comando = c[1];
    servico.registro.clear();
    configuracao.brailleAntigo = c.n(7) == 1;
    const Linhas antes = c[2] == "-" ? Linhas{} : c.linhas(2);
    Documento d(antes);
    d.seleciona(c.n(3), c.n(4), c.n(5), c.n(6));
    if (fixas.count(comando)) {
      insereAntesDaSelecao(d, fixas.at(comando));
    } else if (comando == "variante") {
      insereVariante(d, c.n(8));
    } else if (comando == "pag") {
      insereQuebraPagina(d);
    } else if (comando == "ptinta") {
      servico.respostasTexto.push_back(c[8] == "-" ? std::nullopt : std::optional(c[8]));
      EXPECT_EQ(inserePaginaTinta(d), c[8] != "-");
    } else {
      servico.respostasBotao.push_back(botoes.at(c[8]));
      EXPECT_EQ(centraLinhas(d), c[8] == "sim" || c[8] == "nao");
    }
    EXPECT_EQ(d.linhas, c[9] == "-" ? Linhas{} : c.linhas(9));
    EXPECT_EQ(std::pair(d.edicoes, d.fora), std::pair(d.linhas != antes ? 1 : 0, 0));
    if (c[10] != "-") {
      EXPECT_EQ(std::tuple(d.fim.linha, d.fim.coluna, d.inicio == d.fim), std::tuple(c.n(10), c.n(11), true));
    }
    EXPECT_TRUE(servico.respostasTexto.empty() && servico.respostasBotao.empty());
    for (const auto& r : servico.registro)
      EXPECT_EQ(std::tuple(r.titulo, r.texto, r.botoes),
                comando == "ptinta" ? std::tuple("Número da página em tinta"_cp.str(), "Página"_cp.str(), Botoes{})
                                    : pergunta);
  }
}

}  // namespace
