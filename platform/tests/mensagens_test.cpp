#include <gtest/gtest.h>
#include <gtest/gtest-spi.h>

#include "apoio_testes.h"
#include "cp1252.h"
#include "mensagens.h"

using namespace plataforma;

TEST(Mensagens, WithoutAServiceEveryRequestIsClosed) {
  instalaServicoMensagens(nullptr);
  EXPECT_EQ(servicoMensagens().mensagem(TipoMensagem::erro, "", "x", {Botao::ok}), Botao::nenhum);
  EXPECT_FALSE(servicoMensagens().pergunta("t", "r", "v"));
  EXPECT_FALSE(servicoMensagens().escolheImpressora());
}

TEST(Mensagens, RecorderLogsAndAnswersFromTheScript) {
  apoio::Mensagens m;
  m.servico.respostasBotao = {Botao::nao, Botao::cancelar};
  m.servico.respostasTexto = {std::string("doc.txt"), std::nullopt};
  EXPECT_EQ(servicoMensagens().mensagem(TipoMensagem::confirmacao, "", "Já gravou ?"_cp,
                                        {Botao::nao, Botao::ok, Botao::cancelar}),
            Botao::nao);
  mostraErro("falhou", "Erro");
  EXPECT_EQ(servicoMensagens().nomeArquivoAbrir("Abrir", "/tmp", "Texto|*.txt"), "doc.txt");
  EXPECT_FALSE(servicoMensagens().nomeArquivoSalvar("Salvar", "", ""));
  ASSERT_EQ(m.servico.registro.size(), 4u);
  EXPECT_EQ(m.servico.registro[1].tipo, TipoMensagem::erro);
  EXPECT_EQ(m.servico.registro[1].titulo, "Erro");
  EXPECT_EQ(m.servico.registro[1].botoes, std::vector<Botao>{Botao::ok});
  EXPECT_EQ(m.servico.textos(), (std::vector<std::string>{"Já gravou ?"_cp, "falhou"}));
  EXPECT_TRUE(m.servico.inesperadas.empty());
}

TEST(Mensagens, UnexpectedBoxFailsTheTest) {
  EXPECT_NONFATAL_FAILURE(
      {
        apoio::Mensagens m;
        mostraInformacao("nobody expected this");
      },
      "unexpected message box: nobody expected this");
}
