#include "copiaconfig.h"

#include <gtest/gtest.h>

#include "apoio_testes.h"

namespace {

TEST(CopiaConfiguracao, IdaEVoltaLinhaALinha) {
  apoio::WindowsTemporario windows;
  apoio::Mensagens mensagens;
  const apoio::PastaTemporaria pasta;
  windows.gravaIni("[LUMAREL]\nLinhas=28\r\n\r[IMPBRAILLE]\xe7=\x01");
  int relidas = 0;
  const auto rele = [&] { ++relidas; };
  mensagens.servico.respostasTexto = {pasta.arquivo("copia.ini"), std::nullopt, "   "};
  EXPECT_TRUE(salvaConfiguracao());
  EXPECT_FALSE(salvaConfiguracao());  // cancelled
  EXPECT_FALSE(salvaConfiguracao());  // blank
  const std::string copia = "[LUMAREL]\r\nLinhas=28\r\n\r\n[IMPBRAILLE]\xe7=\x01\r\n";
  EXPECT_EQ(pasta.le("copia.ini"), copia);
  // Loaded back over a changed file: the same lines, and the settings reread.
  windows.gravaIni("outra");
  mensagens.servico.respostasTexto = {pasta.arquivo("copia.ini"), windows.pasta().arquivo("LUMAREL.INI")};
  EXPECT_TRUE(carregaConfiguracao(rele));
  EXPECT_EQ(windows.ini(), copia);
  EXPECT_TRUE(carregaConfiguracao(rele));  // LUMAREL.INI itself: nothing changes
  EXPECT_EQ(windows.ini(), copia);
  EXPECT_EQ(relidas, 1);
  EXPECT_TRUE(mensagens.servico.textos().empty());
}

TEST(CopiaConfiguracao, FalhasDizemENadaSePerde) {
  apoio::WindowsTemporario windows;
  apoio::Mensagens mensagens;
  const apoio::PastaTemporaria pasta;
  int relidas = 0;
  const auto rele = [&] { ++relidas; };
  // No LUMAREL.INI yet; a target under a missing folder.
  mensagens.servico.respostasTexto = {pasta.arquivo("a.ini"), pasta.arquivo("falta/a.ini")};
  mensagens.esperaOk(5);
  EXPECT_FALSE(salvaConfiguracao());
  windows.gravaIni("x=1\r\n");
  EXPECT_FALSE(salvaConfiguracao());
  // Loading a missing file or a folder leaves LUMAREL.INI as it was.
  mensagens.servico.respostasTexto = {pasta.arquivo("falta.ini"), pasta.caminho()};
  EXPECT_FALSE(carregaConfiguracao(rele));
  EXPECT_FALSE(carregaConfiguracao(rele));
  EXPECT_EQ(windows.ini(), "x=1\r\n");
  // A Windows directory that is not there cannot take the file.
  pasta.grava("b.ini", "y=2\n");
  ::setenv("LUMAREL_WINDIR", pasta.arquivo("sem/pasta").c_str(), 1);
  mensagens.servico.respostasTexto = {pasta.arquivo("b.ini")};
  EXPECT_FALSE(carregaConfiguracao(rele));
  EXPECT_EQ(relidas, 0);
  const auto textos = mensagens.servico.textos();
  ASSERT_EQ(textos.size(), 5u);
  EXPECT_EQ(std::vector<std::string>(textos.begin(), textos.begin() + 2),
            std::vector<std::string>(2, std::string(mensagemErroSalvarConfig)));
  EXPECT_EQ(std::vector<std::string>(textos.begin() + 2, textos.end()),
            std::vector<std::string>(3, std::string(mensagemErroCarregarConfig)));
}

}  // namespace
