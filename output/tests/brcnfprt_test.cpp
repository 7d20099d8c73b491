#include "brcnfprt.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "apoio_testes.h"

namespace {

const std::string longo(300, 'm');

// What the window shows and holds in force after loading a section: the
// stored values, the page format only in enabled controls, a plate printer
// sending empty lines although its box shows the stored value.
TEST(ConfigImpressora, SecaoCarregadaNaJanela) {
  struct Caso {
    std::string secao;
    std::string marca, nomeArq;
    bool caixaVazias, enviaVazias, interponto;
    int polegs, linhas, colunas;
  } casos[] = {
      {"Marca=Juliet\r\nEnviaVazias=sim\r\nInterponto=s\r\n", "Juliet", "PRN", true, true, false, 11, 28, 36},
      {"NomeArq=\r\nInterponto=Sim\r\nPolegsForm=12x\r\nLinhas=99999999999999999999\r\nColunas=-3\r\n", "", "PRN",
       false, false, true, 11, 28, -3},
      {"Marca="_cp + modeloCliche + "\r\nEnviaVazias=" + "NÃO"_cp + "\r\n", modeloCliche.str(), "PRN", false, true,
       false, 11, 28, 36},
      {"Marca=" + longo + "\r\nNomeArq=/" + longo + "\r\n", longo.substr(0, 79), "/" + longo, false, false, false, 11,
       28, 36},
      {"", "", "PRN", false, false, false, 11, 28, 36},
  };
  for (const Caso& c : casos) {
    SCOPED_TRACE(c.secao);
    const apoio::WindowsTemporario windows;
    windows.gravaIni("[IMPBRAILLE]\r\n" + c.secao);
    configuracao = TConfiguracao{};
    leConfigImpressora();
    CamposImpressora campos{.colunas = std::string("?")};
    mostraValoresImpressora(configuracao, campos);
    EXPECT_EQ(campos.modelo, c.marca);
    EXPECT_EQ(campos.nomeArq, c.nomeArq);
    EXPECT_EQ(campos.enviaVazias, c.caixaVazias);
    EXPECT_EQ(configuracao.EnviaVazias, c.enviaVazias);
    EXPECT_EQ(configuracao.Interponto, c.interponto);
    EXPECT_EQ(configuracao.PolegsForm, c.polegs);
    EXPECT_EQ(configuracao.Linhas, c.linhas);
    EXPECT_FALSE(campos.interponto || campos.altura || campos.linhas);
    EXPECT_EQ(campos.colunas, std::to_string(c.colunas));
  }
}

// Taking the controls: disabled page-format controls leave their settings,
// enabled ones holding no number give 11, 28, 36; then the section reaches
// the file whole, in its order and encodings.
TEST(ConfigImpressora, ControlesGuardadosEGravados) {
  const apoio::WindowsTemporario windows;
  configuracao = TConfiguracao{};
  configuracao.PolegsForm = 7;
  configuracao.Interponto = true;
  guardaValoresImpressora({.modelo = longo, .nomeArq = "/" + longo, .linhas = "abc", .colunas = "40"},
                          configuracao);
  EXPECT_EQ(configuracao.PolegsForm, 7);
  EXPECT_EQ(configuracao.Linhas, 28);
  EXPECT_EQ(configuracao.Colunas, 40);
  ASSERT_TRUE(gravaSecaoImpressora());
  EXPECT_EQ(windows.ini(), "[IMPBRAILLE]\r\nMarca=" + longo + "\r\nInterponto=S\r\nPolegsForm=7\r\nLinhas=28\r\n"
                           "Colunas=40\r\nNomeArq=/" + longo + "\r\nEnviaVazias=" + "NÃO"_cp + "\r\n");
  guardaValoresImpressora({.modelo = "Tiger", .nomeArq = "", .enviaVazias = true, .altura = "20 polegadas"},
                          configuracao);
  EXPECT_EQ(std::tuple(configuracao.NomeArq, configuracao.PolegsForm, configuracao.EnviaVazias),
            std::tuple(std::string("PRN"), 11, true));
}

// The models in their order; those that keep the interpoint check (exact names).
TEST(ConfigImpressora, ModelosEInterponto) {
  std::string todos, mantidos;
  for (const std::string& modelo : modelosImpressora()) {
    todos += modelo + ";";
    if (modeloMantemInterponto(modelo)) mantidos += modelo + ";";
  }
  EXPECT_EQ(todos, "Bax 10;Beta X3;Braille Blazie;Braillo;"_cp + modeloCliche + ";Index Basic;Index Basic V3;"
                   "Index Basic V4;Everest;Everest V4;Juliet;Mountbatten;Porta Thiel;Puma 7;Romeo;Tiger;"
                   "Versapoint;Outras...;");
  EXPECT_EQ(mantidos, "Bax 10;Braillo;Index Basic;Index Basic V3;Index Basic V4;Everest;Everest V4;");
  EXPECT_FALSE(modeloMantemInterponto("index basic") || modeloMantemInterponto("Bax 10 "));
}

}  // namespace
