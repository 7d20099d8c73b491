#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "apoio_testes.h"
#include "apoio_traducao.h"
#include "brcodigo.h"
#include "brrascunho.h"
#include "brtraduz.h"
#include "brvars.h"
#include "cp1252.h"

namespace {

const std::string tracos(50, '-');
const std::string iguais(50, '=');
const std::string seisBrancos(6, ' ');
const std::string crlf = "\r\n";

class Rascunho : public apoio::TesteTraducao {
 protected:
  std::string conteudo() const { return pasta.le("rascunho.txt"); }
};

TEST_F(Rascunho, EveryLineKindByteExact) {
  // Internal letters a, b, c go to the embosser as 1, 2, 3.
  tabelaImpressora['a'] = '1';
  tabelaImpressora['b'] = '2';
  tabelaImpressora['c'] = '3';
  ASSERT_TRUE(abreRascunho());
  gravaLinha("abc", true);                               // text line, mapped
  gravaLinha("", true);                                  // empty line
  prefixoMargem = "ab";
  gravaLinha("cab", true);                               // prefix, then mapped
  gravaLinha(separadorPagina, false);                    // control lines go bare
  gravaLinha(diretivaGrafico("7", "fig a.grb"), false);  // and unmapped
  gravaLinha(marcaReservaGrafico, false);
  gravaLinha(separadorDuplo, false);
  prefixoMargem.clear();
  gravaLinha(diretivaGrafico(" ", "ação.grb"_cp), false);
  ASSERT_TRUE(fechaRascunho());
  EXPECT_FALSE(falhaRascunho());

  const std::string esperado = "123" + crlf + crlf + "12312" + crlf + tracos + crlf +
                               "\x0F\x0F\x0F\x0F 7 fig a.grb" + crlf + "\x0B" + crlf + iguais + crlf +
                               "\x0F\x0F\x0F\x0F " + "ação.grb"_cp + crlf;
  EXPECT_EQ(conteudo(), esperado);
  EXPECT_EQ(contadorLinhasRascunho, 8);
  EXPECT_EQ(linhaNaPagina, 9);
  EXPECT_FALSE(cabecalhoPendente);

  std::vector<std::string> linhas;
  ASSERT_TRUE(leRascunho(linhas));
  ASSERT_EQ(linhas.size(), 8u);
  EXPECT_TRUE(ehLinhaSeparadora(linhas[3]));
  EXPECT_FALSE(ehLinhaIgual(linhas[3]));
  EXPECT_TRUE(ehDiretivaGrafico(linhas[4]));
  EXPECT_TRUE(ehLinhaReservaGrafico(linhas[5]));
  EXPECT_TRUE(ehLinhaIgual(linhas[6]));
  EXPECT_TRUE(ehDiretivaGrafico(linhas[7]));
}

TEST_F(Rascunho, EmptyLineMarkersAndPreviewBlanks) {
  const struct {
    const char* nome;
    bool enviaVazias;
    bool visualizando;
    std::string esperado;
    int contados;
  } casos[] = {
      {"plain", false, false, "x" + crlf + crlf + tracos + crlf, 3},
      {"markers", true, false, "x" + crlf + " " + crlf + crlf + tracos + crlf, 4},
      {"preview", false, true,
       "x" + seisBrancos + crlf + seisBrancos + crlf + tracos + seisBrancos + crlf, 3},
      {"preview markers", true, true,
       "x" + seisBrancos + crlf + "-->" + seisBrancos + crlf + seisBrancos + crlf + tracos + seisBrancos + crlf, 4},
  };
  for (const auto& caso : casos) {
    iniciaContagemRascunho();
    configuracao.EnviaVazias = caso.enviaVazias;
    visualizando = caso.visualizando;
    ASSERT_TRUE(abreRascunho());
    gravaLinha("x", true);
    gravaLinha("", true);
    gravaLinha(separadorPagina, false);
    ASSERT_TRUE(fechaRascunho());
    EXPECT_EQ(conteudo(), caso.esperado) << caso.nome;
    // The marker and the empty line both count as lines of the page.
    EXPECT_EQ(contadorLinhasRascunho, caso.contados) << caso.nome;
    EXPECT_EQ(linhaNaPagina, 1 + caso.contados) << caso.nome;

    std::vector<std::string> linhas;
    ASSERT_TRUE(leRascunho(linhas));
    EXPECT_TRUE(ehLinhaSeparadora(linhas.back())) << caso.nome;
  }
}

TEST_F(Rascunho, PreviewBlanksAreMappedWithTheLineAndRawModeMapsNothing) {
  tabelaImpressora[' '] = '_';
  tabelaImpressora['a'] = '1';
  configuracao.EnviaVazias = true;
  visualizando = true;
  ASSERT_TRUE(abreRascunho());
  gravaLinha("a", true);
  gravaLinha(separadorPagina, false);
  semTraducao = true;
  gravaLinha("a", true);
  gravaLinha("", true);
  ASSERT_TRUE(fechaRascunho());
  EXPECT_EQ(conteudo(), "1______" + crlf + tracos + seisBrancos + crlf + "a" + seisBrancos + crlf + "-->" +
                            seisBrancos + crlf + seisBrancos + crlf);
}

TEST_F(Rascunho, LinesOutsideThePageRangeAreCountedButNotWritten) {
  configuracao.EnviaVazias = true;
  paginaInicial = 2;
  paginaFinal = 2;
  ASSERT_TRUE(abreRascunho());
  gravaLinha("um", true);
  gravaLinha("", true);  // no marker either: the line ends before it
  EXPECT_FALSE(cabecalhoPendente);
  EXPECT_EQ(contadorLinhasRascunho, 2);
  EXPECT_EQ(linhaNaPagina, 3);

  paginaAtual = 2;
  cabecalhoPendente = true;
  gravaLinha("dois", true);
  gravaLinha("", true);
  EXPECT_FALSE(cabecalhoPendente);
  paginaAtual = 3;
  cabecalhoPendente = true;
  gravaLinha("tres", true);
  EXPECT_FALSE(cabecalhoPendente);
  ASSERT_TRUE(fechaRascunho());
  EXPECT_EQ(conteudo(), "dois" + crlf + " " + crlf + crlf);
  EXPECT_EQ(contadorLinhasRascunho, 6);
}

TEST_F(Rascunho, EachPassStartsTheFileAnew) {
  ASSERT_TRUE(abreRascunho());
  for (int i = 0; i < 100; ++i) gravaLinha("uma linha comprida do primeiro passo", true);
  ASSERT_TRUE(fechaRascunho());
  ASSERT_TRUE(abreRascunho());
  gravaLinha("curta", true);
  ASSERT_TRUE(fechaRascunho());
  EXPECT_EQ(conteudo(), "curta" + crlf);
}

TEST_F(Rascunho, FileNames) {
  // A Windows-1252 name reaches the file system as UTF-8.
  configuracao.arqTrab = pasta.arquivo("rascunho ação.txt"_cp);
  ASSERT_TRUE(abreRascunho());
  gravaLinha("x", true);
  ASSERT_TRUE(fechaRascunho());
  EXPECT_TRUE(std::filesystem::exists(std::filesystem::path(pasta.caminho()) / u8"rascunho ação.txt"));

  // No name: the temporary folder.
  const char* antes = std::getenv("TMPDIR");
  const std::string tmpdirAntes = antes ? antes : "";
  ::setenv("TMPDIR", pasta.caminho().c_str(), 1);
  configuracao.arqTrab.clear();
  const std::string nome = nomeArquivoRascunho();
  if (antes)
    ::setenv("TMPDIR", tmpdirAntes.c_str(), 1);
  else
    ::unsetenv("TMPDIR");
  EXPECT_EQ(nome, pasta.caminho() + "/rascunho.txt");
  EXPECT_EQ(configuracao.arqTrab, nome);
  ASSERT_TRUE(abreRascunho());
  ASSERT_TRUE(fechaRascunho());
  EXPECT_TRUE(std::filesystem::exists(pasta.arquivo("rascunho.txt")));
}

TEST_F(Rascunho, FailuresNeverLookLikeSuccess) {
  // Cannot be created: under a missing folder, or a folder itself.
  for (const std::string& nome : {pasta.arquivo("falta/rascunho.txt"), pasta.caminho()}) {
    configuracao.arqTrab = nome;
    EXPECT_FALSE(abreRascunho()) << nome;
    EXPECT_FALSE(rascunhoAberto());
    EXPECT_TRUE(falhaRascunho());
    gravaLinha("x", true);  // counted, nowhere to go
    EXPECT_EQ(contadorLinhasRascunho, 1);
    EXPECT_FALSE(fechaRascunho());
    iniciaContagemRascunho();
  }

  // A line handed over after the close is lost: reported, never written.
  configuracao.arqTrab = pasta.arquivo("rascunho.txt");
  ASSERT_TRUE(abreRascunho());
  EXPECT_FALSE(falhaRascunho());
  ASSERT_TRUE(fechaRascunho());
  gravaLinha("perdida", true);
  EXPECT_TRUE(falhaRascunho());
  EXPECT_FALSE(fechaRascunho());
  EXPECT_EQ(conteudo(), "");
}

TEST_F(Rascunho, FullDiskIsReported) {
  if (!std::filesystem::exists("/dev/full")) GTEST_SKIP() << "no /dev/full";
  configuracao.arqTrab = "/dev/full";
  // One short line waits in the buffer: the close finds the disk full.
  ASSERT_TRUE(abreRascunho());
  gravaLinha("a", true);
  EXPECT_FALSE(falhaRascunho());
  EXPECT_FALSE(fechaRascunho());
  EXPECT_TRUE(falhaRascunho());

  // Many lines: the writes themselves fail, and the pass can see it at once.
  ASSERT_TRUE(abreRascunho());
  const std::string linha(200, 'a');
  for (int i = 0; i < 200; ++i) gravaLinha(linha, true);
  EXPECT_TRUE(falhaRascunho());
  EXPECT_FALSE(fechaRascunho());
}

TEST(LinhasRascunho, KindsAreRecognised) {
  const struct {
    std::string linha;
    bool separadora, igual, diretiva, reserva;
  } casos[] = {
      {tracos, true, false, false, false},
      {iguais, true, true, false, false},
      {tracos + seisBrancos, true, false, false, false},
      {iguais + seisBrancos, true, true, false, false},
      {"\t " + tracos + "\r", true, false, false, false},
      {std::string(49, '-'), false, false, false, false},
      {std::string(51, '-'), false, false, false, false},
      {std::string(49, '=') + "-", false, false, false, false},
      {"ab" + tracos, false, false, false, false},
      {std::string(25, '-') + " " + std::string(25, '-'), false, false, false, false},
      {"\x0F\x0F\x0F\x0F fig.grb", false, false, true, false},
      {"\x0F\x0F\x0F\x0F", false, false, true, false},
      {"\x0F\x0F\x0F fig.grb", false, false, false, false},
      {" \x0F\x0F\x0F\x0F fig.grb", false, false, false, false},
      {"\x0B", false, false, false, true},
      {"ab\x0B" "cd", false, false, false, true},
      {"\x0B" + seisBrancos, false, false, false, true},
      {"", false, false, false, false},
      {"-->", false, false, false, false},
  };
  for (const auto& caso : casos) {
    EXPECT_EQ(ehLinhaSeparadora(caso.linha), caso.separadora) << caso.linha;
    EXPECT_EQ(ehLinhaIgual(caso.linha), caso.igual) << caso.linha;
    EXPECT_EQ(ehDiretivaGrafico(caso.linha), caso.diretiva) << caso.linha;
    EXPECT_EQ(ehLinhaReservaGrafico(caso.linha), caso.reserva) << caso.linha;
  }
}

}  // namespace
