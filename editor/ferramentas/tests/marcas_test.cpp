#include "marcas.h"

#include <gtest/gtest.h>

#include <csignal>
#include <sys/stat.h>
#include <utility>

#include "apoio_testes.h"
#include "brvars.h"
#include "casos.h"
#include "cp1252.h"
#include "programas.h"

namespace {

// The cases are in dados/.
TEST(Marcas, PosicoesDoPar) {
  for (const auto& c : casos::le("posicoesPar.tsv")) {
    SCOPED_TRACE(c);
    const PosicoesPar p = posicoesPar(c.n(1), c.n(2), c.n(3), c.n(4));
    EXPECT_EQ(std::pair(p.abre, p.fecha), std::pair(c.n(5), c.n(6)));
  }
}

TEST(Marcas, LinhaDeInsercaoDoGrafico) {
  for (const auto& c : casos::le("linhaInsercaoGrafico.tsv")) {
    SCOPED_TRACE(c);
    EXPECT_EQ(linhaInsercaoGrafico(c.n(1), c.n(2), c[3]), c.n(4));
  }
}

TEST(Marcas, LinhaDoGrafico) {
  for (const auto& c : casos::le("linhaGrafico.tsv")) {
    SCOPED_TRACE(c);
    EXPECT_EQ(linhaGrafico(c.n(3), nomeGraficoNaLinha(c[1], c[2])), c[4]);
  }
}

// Each path runs the command twice: a failure to start is told each time, a
// program started is told to be running the second time.
TEST(Marcas, RetoquesBraille) {
  apoio::PastaTemporaria pasta;
  const std::string kavrin = pasta.arquivo("kavrin"), antes = configuracao.kavrin;
  pasta.grava("kavrin", "#!/bin/sh\necho $$ > \"$0.pid\"\nexec sleep 30\n");
  ::chmod(kavrin.c_str(), 0755);
  for (const std::string& caminho : {pasta.arquivo("falta"), pasta.caminho(), kavrin}) {
    SCOPED_TRACE(caminho);
    const bool inicia = caminho == kavrin;
    std::vector<std::string> caixas(2, "Não foi possível iniciar o programa "_cp + caminho);
    if (inicia) caixas = {"Programa já ativo, use a barra de seleção do Windows"_cp};
    apoio::Mensagens mensagens;
    mensagens.esperaOk(inicia ? 1 : 2);
    reiniciaRetoquesBraille();
    configuracao.kavrin = caminho;
    iniciaRetoquesBraille();
    iniciaRetoquesBraille();
    EXPECT_EQ(mensagens.servico.textos(), caixas);
    for (const auto& r : mensagens.servico.registro)
      EXPECT_EQ(r.tipo, inicia ? plataforma::TipoMensagem::informacao : plataforma::TipoMensagem::erro);
  }
  configuracao.kavrin = antes;
  // Forgetting the program leaves it running; the test then stops it.
  std::string pid;
  EXPECT_TRUE(apoio::ate([&] { return plataforma::leArquivo(kavrin + ".pid", pid) && pid != ""; }));
  reiniciaRetoquesBraille();
  const int n = std::atoi(pid.c_str());
  ASSERT_GT(n, 0);
  EXPECT_TRUE(plataforma::programaAtivo(n));
  ::kill(n, SIGKILL);
  EXPECT_TRUE(apoio::ate([&] { return !plataforma::programaAtivo(n); }));
}

}  // namespace
