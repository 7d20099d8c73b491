#include "marcas.h"

#include <gtest/gtest.h>

#include <array>
#include <chrono>
#include <csignal>
#include <sys/stat.h>
#include <thread>

#include "apoio_testes.h"
#include "brvars.h"
#include "cp1252.h"
#include "programas.h"

namespace {

TEST(Marcas, PosicoesDoPar) {
  // primeira, ultima, colunaFim, numeroLinhas -> abre, fecha
  for (const auto& c : std::vector<std::array<int, 6>>{
           {2, 4, 9, 10, 2, 6}, {2, 5, 0, 10, 2, 6}, {3, 3, 0, 10, 3, 5},
           {9, 9, 4, 10, 9, 11}, {8, 12, 3, 10, 8, 11}, {0, 0, 0, 0, 0, 1}}) {
    SCOPED_TRACE(::testing::Message() << c[0] << ".." << c[1] << " col " << c[2]);
    const PosicoesPar p = posicoesPar(c[0], c[1], c[2], c[3]);
    EXPECT_EQ(std::pair(p.abre, p.fecha), std::pair(c[4], c[5]));
  }
}

TEST(Marcas, LinhaDeInsercaoDoGrafico) {
  struct Caso { int linha, coluna; std::string texto; int esperada; };
  for (const Caso& c : {Caso{4, 3, "abc", 5}, Caso{4, 0, "abc", 4}, Caso{4, 3, " \t\x01 ", 4},
                        Caso{4, 1, "\xA0", 5}, Caso{-1, 3, "abc", 0}}) {
    SCOPED_TRACE(::testing::Message() << c.linha << "," << c.coluna << " [" << c.texto << "]");
    EXPECT_EQ(linhaInsercaoGrafico(c.linha, c.coluna, c.texto), c.esperada);
  }
}

TEST(Marcas, NomeDoGraficoNaLinha) {
  const std::string doc = "/home/ana/livro/doc.txt";
  struct Caso { std::string nome, documento, esperado; };
  for (const Caso& c : {Caso{"/home/ana/livro/fig/casa.grb", doc, "fig/casa.grb"},
                        Caso{"/home/ana/livro\\casa.grb", doc, "casa.grb"},
                        Caso{"/home/ana/livro2/mapa.grb", doc, "/home/ana/livro2/mapa.grb"},
                        Caso{"/home/ana/livro", doc, "/home/ana/livro"},
                        Caso{"/home/Ana/livro/casa.grb", doc, "/home/Ana/livro/casa.grb"},
                        Caso{"/fig/casa.grb", "/doc.txt", "fig/casa.grb"},
                        Caso{"/fig/casa.grb", "", "/fig/casa.grb"}}) {
    SCOPED_TRACE(c.nome + " in " + c.documento);
    EXPECT_EQ(nomeGraficoNaLinha(c.nome, c.documento), c.esperado);
  }
}

TEST(Marcas, LinhaDoGrafico) {
  for (const auto& [tipo, linha] :
       {std::pair{0, "<G f.grb>"}, {1, "<G+ f.grb>"}, {2, "<G* f.grb>"}}) {
    SCOPED_TRACE(tipo);
    EXPECT_EQ(linhaGrafico(tipo, "f.grb"), linha);
  }
}

// Each row runs the command twice.
TEST(Marcas, RetoquesBraille) {
  apoio::PastaTemporaria pasta;
  pasta.grava("kavrin", "#!/bin/sh\necho $$ > \"$0.pid\"\nexec sleep 30\n");
  ::chmod(pasta.arquivo("kavrin").c_str(), 0755);
  const std::string falta = pasta.arquivo("falta");
  const std::string falha = "Não foi possível iniciar o programa "_cp;
  const std::string ativo = "Programa já ativo, use a barra de seleção do Windows"_cp;
  const std::string antes = configuracao.kavrin;
  using Caixas = std::vector<std::string>;
  for (const auto& [caminho, caixas] : std::vector<std::pair<std::string, Caixas>>{
           {falta, {falha + falta, falha + falta}},
           {pasta.caminho(), {falha + pasta.caminho(), falha + pasta.caminho()}},
           {pasta.arquivo("kavrin"), {ativo}}}) {
    SCOPED_TRACE(caminho);
    apoio::Mensagens mensagens;
    mensagens.esperaOk(static_cast<int>(caixas.size()));
    reiniciaRetoquesBraille();
    configuracao.kavrin = caminho;
    iniciaRetoquesBraille();
    iniciaRetoquesBraille();
    EXPECT_EQ(mensagens.servico.textos(), caixas);
    for (const auto& r : mensagens.servico.registro)
      EXPECT_EQ(r.tipo, caixas.size() == 1 ? plataforma::TipoMensagem::informacao
                                           : plataforma::TipoMensagem::erro);
  }
  configuracao.kavrin = antes;

  // Forgetting the program leaves it running; the test then stops it.
  std::string pid;
  const auto lido = [&] { return plataforma::leArquivo(pasta.arquivo("kavrin.pid"), pid); };
  for (int i = 0; i < 500 && !(lido() && pid != ""); ++i)
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  reiniciaRetoquesBraille();
  const int n = std::atoi(pid.c_str());
  ASSERT_GT(n, 0);
  EXPECT_TRUE(plataforma::programaAtivo(n));
  ::kill(n, SIGKILL);
  for (int i = 0; i < 500 && plataforma::programaAtivo(n); ++i)
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
}

}  // namespace
