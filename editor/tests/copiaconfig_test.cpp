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
  mensagens.servico.respostasTexto = {pasta.arquivo("copia.ini"), std::nullopt, "   ", pasta.arquivo("minha")};
  EXPECT_TRUE(salvaConfiguracao());
  EXPECT_FALSE(salvaConfiguracao());  // cancelled
  EXPECT_FALSE(salvaConfiguracao());  // blank
  EXPECT_TRUE(salvaConfiguracao());
  const std::string copia = "[LUMAREL]\r\nLinhas=28\r\n\r\n[IMPBRAILLE]\xe7=\x01\r\n";
  EXPECT_EQ(pasta.le("copia.ini"), copia);
  EXPECT_EQ(pasta.le("minha.ini"), copia);  // as loading lists it
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
  pasta.grava("b.ini", "[LUMAREL]\ny=2\n");
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

// Only a settings file replaces LUMAREL.INI, and the one it replaces stays
// beside it as the backup.
TEST(CopiaConfiguracao, SoArquivoDeConfiguracaoSubstituiOIni) {
  const std::string nulos = "contém bytes nulos, como um arquivo binário"_cp;
  const std::string semSecao = "não tem a seção [LUMAREL] nem a seção [IMPBRAILLE]"_cp;
  const std::string antigo = "[LUMAREL]\r\nLinhas=20\r\n";
  const std::pair<const char*, std::string> casos[] = {
      {"imagem.png", nulos},           {"utf16.ini", nulos},          {"documento.txt", semSecao},
      {"vazio.ini", semSecao},         {"so_dicionario.ini", semSecao}, {"secao_comentada.ini", semSecao},
      {"minusculas.ini", ""},          {"impbraille_sem_fecho.ini", ""}, {"so_cr.ini", ""}};
  for (const auto& [nome, motivo] : casos) {
    SCOPED_TRACE(nome);
    apoio::WindowsTemporario windows;
    apoio::Mensagens mensagens;
    windows.gravaIni(antigo);
    const std::string arquivo = std::string(LUMAREL_DIR_TESTES) + "/dados/configuracao/" + nome;
    std::string texto;
    ASSERT_TRUE(plataforma::leArquivo(arquivo, texto));
    mensagens.servico.respostasTexto = {arquivo};
    if (!motivo.empty()) mensagens.esperaOk();
    int relidas = 0;
    EXPECT_EQ(carregaConfiguracao([&] { ++relidas; }), motivo.empty());
    EXPECT_EQ(relidas, motivo.empty() ? 1 : 0);
    EXPECT_EQ(mensagens.servico.textos(),
              motivo.empty() ? std::vector<std::string>{}
                             : std::vector{mensagemErroCarregarConfig + "\nO arquivo "_cp + arquivo + " " + motivo + "."});
    EXPECT_EQ(windows.ini(), motivo.empty() ? linhasComCrLf(texto) : antigo);
    EXPECT_EQ(windows.pasta().le("LUMAREL.INI.bak"), motivo.empty() ? antigo : "");
  }
}

}  // namespace
