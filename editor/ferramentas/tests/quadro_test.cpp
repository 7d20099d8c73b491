#include "quadro.h"

#include <gtest/gtest.h>

#include <cstdlib>

#include "apoio_traducao.h"
#include "casos.h"
#include "cp1252.h"

namespace {

using Linhas = std::vector<std::string>;

class Quadro : public apoio::TesteTraducao {
 protected:
  void SetUp() override {
    TesteTraducao::SetUp();
    const char* d = std::getenv("LUMAREL_DATA_DIR");
    configuracao.ambCode = std::string(d ? d : ".") + "/ambcode.cfg";
    configuracao.ambCode2 = std::string(d ? d : ".") + "/ambcode2.cfg";
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

// The cases are in dados/; a box is drawn in one edit.
TEST_F(Quadro, EmolduraAsLinhasSelecionadas) {
  for (const auto& c : casos::le("criaQuadro.tsv")) {
    SCOPED_TRACE(c);
    configuracao.brailleAntigo = c[1] == "antigo";
    configuracao.autoJunta = c[2] == "S";
    LinhasContadas doc(c[4] == "-" ? Linhas{} : c.linhas(4));
    doc.seleciona(c.n(5), c.n(6), c.n(7), c.n(8));
    const Linhas antes = doc.linhas;
    const bool desenhado = criaQuadro(doc, c.n(3));
    EXPECT_EQ(doc.linhas, c.linhas(9));
    EXPECT_EQ(desenhado, doc.linhas != antes);
    EXPECT_EQ(doc.edicoes, desenhado ? 1 : 0);
    EXPECT_EQ(doc.foraDeEdicao, 0);
  }
}

// A failure leaves the document as it was, but for a help text already put
// into the empty line, and shows one message.
TEST_F(Quadro, UmaFalhaNaoDesenhaNada) {
  const std::string ajuda = textoPedidoAjuda(), tabela = configuracao.ambCode2;
  const std::string semTabela = "Configuração da impressora não achada "_cp + pasta.arquivo("falta.cfg");
  struct Caso {
    int tipo;
    Linhas documento, depois;
    std::string mensagem;
  };
  for (const Caso& c : {Caso{2, {""}, {ajuda}, semTabela}, Caso{1, {""}, {""}, semTabela},
                        Caso{2, {}, {ajuda}, mensagemErroRascunho}, Caso{1, {"abc"}, {"abc"}, mensagemErroRascunho}}) {
    SCOPED_TRACE(c.mensagem + " " + std::to_string(c.tipo));
    apoio::Mensagens mensagens;
    mensagens.esperaOk();
    configuracao.brailleAntigo = false;
    const bool semRascunho = c.mensagem == mensagemErroRascunho;
    configuracao.ambCode2 = semRascunho ? tabela : pasta.arquivo("falta.cfg");
    configuracao.arqTrab = pasta.arquivo(semRascunho ? "falta/rascunho.txt" : "rascunho.txt");
    LinhasContadas doc(c.documento);
    EXPECT_FALSE(criaQuadro(doc, c.tipo));
    EXPECT_EQ(doc.linhas, c.depois);
    EXPECT_EQ(doc.edicoes, c.depois != c.documento ? 1 : 0);
    EXPECT_EQ(doc.foraDeEdicao, 0);
    EXPECT_EQ(mensagens.servico.textos(), Linhas{c.mensagem});
  }
}

}  // namespace
