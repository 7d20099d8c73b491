#include "brconfig.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// Settings -> controls -> settings: the header place and the radio groups as
// the window shows them, and the window's own fallbacks for what is not a
// number.
TEST(CamposPrograma, IdaEVolta) {
  struct Caso {
    int tipoCabec, estilo, trat;
    LocalCabecalho local;
    bool afastaUsavel;
    int numeracao, tratGrafico;
    const char *linhas, *colunas, *margem;
    int tipoCabecVolta, maxLin, maxCarac, margemImpar;
  } casos[] = {
      {5, 3, 4, LocalCabecalho::frente, false, 3, 4, "30", "36", "-3", 1, 30, 36, -3},
      {2, 4, -1, LocalCabecalho::ambos, true, -1, -1, "abc", "", "2x", 2, 28, 34, 0},
      {0, -1, 5, LocalCabecalho::semCabecalho, false, -1, -1, "99999999999999999999", "0", " 1", 0, 28, 0, 0},
  };
  for (const Caso& c : casos) {
    SCOPED_TRACE(c.tipoCabec);
    TConfiguracao a;
    a.tipoCabec = c.tipoCabec;
    a.estiloNumPag = c.estilo;
    a.tipoTratGrafico = c.trat;
    a.frenteVerso = c.tipoCabec == 2;
    CamposPrograma campos = camposPrograma(a);
    EXPECT_EQ(campos.local, c.local);
    EXPECT_EQ(campos.afastaCabParHabilitado, c.afastaUsavel);
    EXPECT_EQ(campos.soFrenteHabilitado, !a.frenteVerso);
    EXPECT_EQ(campos.numeracao, c.numeracao);
    EXPECT_EQ(campos.tratGrafico, c.tratGrafico);
    campos.linhas = c.linhas;
    campos.colunas = c.colunas;
    campos.margemImpar = c.margem;
    TConfiguracao volta = a;
    guardaCamposPrograma(campos, volta);
    // A group with no item keeps what was stored.
    EXPECT_EQ(std::tuple(volta.estiloNumPag, volta.tipoTratGrafico), std::tuple(c.estilo, c.trat));
    EXPECT_EQ(volta.tipoCabec, c.tipoCabecVolta);
    EXPECT_EQ(std::tuple(volta.maxLin, volta.maxCarac, volta.margemImpar),
              std::tuple(c.maxLin, c.maxCarac, c.margemImpar));
  }
}

TEST(ConfigMargem, ColunaMaxima) {
  for (const auto& [texto, coluna] : {std::pair("80", 80), std::pair("1", 1), std::pair("0", 70),
                                      std::pair("-5", 70), std::pair("abc", 70), std::pair("", 70),
                                      std::pair("12345678901234567890", 70), std::pair("2147483647", 2147483647)})
    EXPECT_EQ(colunaMaxima(texto), coluna) << texto;
}

}  // namespace
