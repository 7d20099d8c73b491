#include "quadro.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <tuple>

#include "apoio_traducao.h"
#include "casos.h"
#include "cp1252.h"

namespace {

using Linhas = std::vector<std::string>;

class Quadro : public apoio::TesteTraducao {
 protected:
  void SetUp() override {
    TesteTraducao::SetUp();
    const std::string d = std::getenv("LUMAREL_DATA_DIR") ? std::getenv("LUMAREL_DATA_DIR") : ".";
    configuracao.ambCode = d + "/ambcode.cfg", configuracao.ambCode2 = d + "/ambcode2.cfg";
  }
};

// Counts the edits and the writes made outside one.
struct LinhasContadas : LinhasMemoria {
  using LinhasMemoria::LinhasMemoria;
  int edicoes = 0, aberta = 0, foraDeEdicao = 0;
  void iniciaEdicao() override { edicoes += aberta++ == 0; }
  void terminaEdicao() override { --aberta; }
  void defineLinha(int i, const std::string& t) override { foraDeEdicao += !aberta, LinhasMemoria::defineLinha(i, t); }
  void insereLinha(int i, const std::string& t) override { foraDeEdicao += !aberta, LinhasMemoria::insereLinha(i, t); }
};

// A box is drawn in one edit; one too wide for the Braille line is refused
// with a warning.
TEST_F(Quadro, EmolduraAsLinhasSelecionadas) {
  for (const auto& c : casos::le("criaQuadro.tsv")) {
    SCOPED_TRACE(c);
    mensagens.servico.limpa();
    configuracao.brailleAntigo = c[1] == "antigo";
    configuracao.autoJunta = c[2] == "S";
    configuracao.maxCarac = c.talvez(10).value_or(36);
    if (c[11] != "-") mensagens.esperaOk();
    LinhasContadas doc(c[4] == "-" ? Linhas{} : c.linhas(4));
    doc.seleciona(c.n(5), c.n(6), c.n(7), c.n(8));
    const Linhas antes = doc.linhas;
    const bool desenhado = criaQuadro(doc, c.n(3));
    EXPECT_EQ(doc.linhas, c.linhas(9));
    EXPECT_EQ(std::tuple(desenhado, doc.edicoes, doc.foraDeEdicao), std::tuple(doc.linhas != antes, desenhado, 0));
    EXPECT_EQ(mensagens.servico.textos(), c[11] == "-" ? Linhas{} : Linhas{c[11]});
    for (const auto& r : mensagens.servico.registro) EXPECT_EQ(r.tipo, plataforma::TipoMensagem::aviso);
  }
}

// A failure leaves the document as it was, but for a help text already put
// into the empty line, and shows one message.
TEST_F(Quadro, UmaFalhaNaoDesenhaNada) {
  const std::string ajuda = textoPedidoAjuda(), tabela = configuracao.ambCode2, falta = pasta.arquivo("falta.cfg");
  const std::string semTabela = "Configuração da impressora não achada "_cp + falta;
  for (const auto& [tipo, antes, depois, mensagem] : std::vector<std::tuple<int, Linhas, Linhas, std::string>>{
           {2, {""}, {ajuda}, semTabela}, {1, {""}, {""}, semTabela},
           {2, {}, {ajuda}, mensagemErroRascunho}, {1, {"abc"}, {"abc"}, mensagemErroRascunho}}) {
    SCOPED_TRACE(mensagem + " " + std::to_string(tipo));
    mensagens.servico.limpa();
    mensagens.esperaOk();
    const bool semRascunho = mensagem == mensagemErroRascunho;
    configuracao.ambCode2 = semRascunho ? tabela : falta;
    configuracao.arqTrab = pasta.arquivo(semRascunho ? "falta/rascunho.txt" : "rascunho.txt");
    LinhasContadas doc(antes);
    EXPECT_FALSE(criaQuadro(doc, tipo));
    EXPECT_EQ(doc.linhas, depois);
    EXPECT_EQ(std::tuple(doc.edicoes, doc.foraDeEdicao), std::tuple(depois != antes ? 1 : 0, 0));
    EXPECT_EQ(mensagens.servico.textos(), Linhas{mensagem});
  }
}

}  // namespace
