#include <gtest/gtest.h>

#include <climits>
#include <optional>
#include <string>
#include <vector>

#include "apoio_testes.h"
#include "apoio_traducao.h"
#include "brcodigo.h"
#include "brgerador.h"
#include "brpaginas.h"
#include "brrascunho.h"
#include "brtraduz.h"
#include "brvars.h"
#include "cp1252.h"

namespace {

const std::string tracos(50, '-');
const std::string iguais(50, '=');

std::string brancos(int n) { return std::string(static_cast<std::size_t>(n), ' '); }

class Paginas : public apoio::TesteTraducao {
 protected:
  void SetUp() override {
    TesteTraducao::SetUp();
    iniciaPasso(false);
  }
  std::vector<std::string> fechaELe() {
    EXPECT_TRUE(fechaRascunho());
    std::vector<std::string> linhas;
    EXPECT_TRUE(leRascunho(linhas));
    return linhas;
  }
};

TEST(NumeroRomano, SubtractivePairsAndLimits) {
  const struct {
    long long numero;
    const char* romano;
  } casos[] = {{1, "I"},     {3, "III"},   {4, "IV"},          {9, "IX"},         {14, "XIV"},
               {40, "XL"},   {49, "XLIX"}, {90, "XC"},         {400, "CD"},       {944, "CMXLIV"},
               {1994, "MCMXCIV"}, {3999, "MMMCMXCIX"}, {0, ""}, {-7, ""},         {4000, ""},
               {1LL << 40, ""}};
  for (const auto& c : casos) EXPECT_EQ(numeroRomano(c.numero), c.romano) << c.numero;
}

// One header, everything else at the defaults of a fresh pass.
struct CasoCabecalho {
  const char* nome;
  int estilo;
  int maxCarac;
  bool frenteVerso;
  int tipoCabec;
  bool afastaCabPar;
  int pagina;  // paginaAtual and paginaCabecalho
  int numPagInicial;
  int original;
  bool romana;
  std::string titulo;
  std::optional<std::string> esperado;
};

TEST_F(Paginas, HeaderLayouts) {
  const std::string dez = "abcdefghij";  // ten cells in either code
  const CasoCabecalho casos[] = {
      {"front, title and number centred apart", 0, 36, false, 1, true, 5, 1, 0, false, dez,
       brancos(12) + dez + brancos(12) + "#5"},
      {"interpoint back moves the number in", 0, 36, true, 2, true, 6, 1, 0, false, dez,
       "  #6" + brancos(11) + dez},
      {"interpoint back without the gap", 0, 36, true, 2, false, 6, 1, 0, false, dez,
       "#6" + brancos(12) + dez},
      {"back page of type 1 has no header", 0, 36, true, 1, true, 6, 1, 0, false, dez, std::nullopt},
      {"type 0 behaves as type 1", 0, 36, true, 0, true, 6, 1, 0, false, dez, std::nullopt},
      {"type 0 front still gets one", 0, 36, true, 0, true, 5, 1, 0, false, dez,
       brancos(12) + dez + brancos(12) + "#5"},
      {"front with original number", 0, 30, false, 1, true, 3, 1, 12, false, "ab",
       "  #12" + brancos(10) + "ab" + brancos(11) + "#3"},
      {"back leaves the original number out", 0, 30, true, 2, false, 4, 1, 12, false, "ab",
       "#4" + brancos(13) + "ab"},
      {"style 1 keeps the original number on backs", 1, 30, true, 2, false, 4, 1, 12, false, "ab",
       "  #12" + brancos(10) + "ab" + brancos(11) + "#4"},
      {"style 2 drops the number signs and the title", 2, 20, false, 1, true, 3, 1, 12, false, "ab",
       brancos(7) + "3" + brancos(7) + "  12"},
      {"style 3 numbers first, title at the end", 3, 20, false, 1, true, 3, 1, 12, false, "ab",
       "#3  #12" + brancos(11) + "ab"},
      {"a title too long gets no blanks", 1, 10, false, 1, true, 1, 1, 0, false, "abcdefghijkl",
       "abcdefghijkl#1"},
      {"at most 43 blanks on each side", 1, 200, false, 1, true, 1, 1, 0, false, "ab",
       brancos(43) + "ab" + brancos(43) + "#1"},
      {"first page number added", 0, 10, false, 1, true, 1, 5, 0, false, "", brancos(8) + "#5"},
      {"roman numbers", 1, 12, false, 1, true, 4, 1, 0, true, "", brancos(8) + "{{iv"},
      {"roman beyond 3999 shows no number", 1, 12, false, 1, true, 4000, 1, 0, true, "ab",
       brancos(5) + "ab"},
      {"unknown style reads as the default", 9, 36, false, 1, true, 5, 1, 0, false, dez,
       brancos(12) + dez + brancos(12) + "#5"},
  };
  for (const auto& c : casos) {
    SCOPED_TRACE(c.nome);
    configuracao.estiloNumPag = c.estilo;
    configuracao.maxCarac = c.maxCarac;
    configuracao.frenteVerso = c.frenteVerso;
    configuracao.tipoCabec = c.tipoCabec;
    configuracao.afastaCabPar = c.afastaCabPar;
    paginaAtual = c.pagina;
    paginaCabecalho = c.pagina;
    numPagInicial = c.numPagInicial;
    paginaOriginal = c.original;
    numeracaoRomana = c.romana;
    tituloAtual = c.titulo;
    std::string cabecalho = "antes";
    const bool tem = montaCabecalho(cabecalho);
    ASSERT_EQ(tem, c.esperado.has_value());
    if (tem) {
      EXPECT_EQ(cabecalho, *c.esperado);
    }
  }
}

TEST_F(Paginas, HeaderLeavesForeignTextSwitchAsItWas) {
  configuracao.cabecIngles = false;
  textoEstrangeiro = true;
  std::string cabecalho;
  ASSERT_TRUE(montaCabecalho(cabecalho));
  EXPECT_TRUE(textoEstrangeiro);
}

TEST_F(Paginas, HeaderIsTranslatedMappedAndBareEvenInRawMargin) {
  tabelaImpressora['#'] = '!';
  configuracao.maxCarac = 10;
  tituloAtual = "";
  semTraducao = true;
  prefixoMargem = "xy";
  ASSERT_TRUE(abreRascunho());
  gravaCabecalho();
  EXPECT_TRUE(semTraducao);
  EXPECT_EQ(prefixoMargem, "xy");
  EXPECT_FALSE(cabecalhoPendente);
  EXPECT_EQ(fechaELe(), (std::vector<std::string>{brancos(8) + "!1"}));
}

TEST_F(Paginas, NoHeaderWhileTitlesAreOff) {
  comTituloAtual = false;
  ASSERT_TRUE(abreRascunho());
  gravaCabecalho();
  EXPECT_TRUE(cabecalhoPendente);
  EXPECT_EQ(linhaNaPagina, 1);
  EXPECT_TRUE(fechaELe().empty());
}

TEST_F(Paginas, PageEnds) {
  struct Caso {
    const char* nome;
    bool enviaVazias, pendente, grafico, frenteVerso;
    int pagina, inicial, final;
    std::vector<std::string> esperado;
    int paginaDepois;
    bool graficoDepois;
  };
  const Caso casos[] = {
      {"plain end", false, false, false, false, 1, 1, 9999, {tracos}, 2, false},
      {"empty page gets the marker", true, true, false, false, 1, 1, 9999, {" ", tracos}, 2, false},
      {"graphic on a front leaves its back blank", false, false, true, true, 3, 1, 9999, {iguais}, 5, false},
      {"graphic on a back ends normally", false, false, true, true, 2, 1, 9999, {tracos}, 3, true},
      {"single-sided graphic ends normally", false, false, true, false, 1, 1, 9999, {tracos}, 2, true},
      {"past the range nothing happens", false, false, false, false, 4, 1, 3, {}, 4, false},
      {"the double end of a page before the range is not written", false, false, true, true, 1, 2, 9999, {}, 3,
       false},
      {"the double end of the last page of the range is written", false, false, true, true, 1, 1, 1, {iguais}, 3,
       false},
  };
  for (const auto& c : casos) {
    SCOPED_TRACE(c.nome);
    iniciaPasso(false);
    configuracao.EnviaVazias = c.enviaVazias;
    configuracao.frenteVerso = c.frenteVerso;
    paginaInicial = c.inicial;
    paginaFinal = c.final;
    paginaAtual = c.pagina;
    paginaCabecalho = c.pagina;
    cabecalhoPendente = c.pendente;
    graficoNaPagina = c.grafico;
    linhaNaPagina = 7;
    ASSERT_TRUE(abreRascunho());
    fimPagina();
    EXPECT_EQ(fechaELe(), c.esperado);
    EXPECT_EQ(paginaAtual, c.paginaDepois);
    EXPECT_EQ(paginaCabecalho, c.paginaDepois);
    EXPECT_EQ(graficoNaPagina, c.graficoDepois);
    if (c.paginaDepois != c.pagina) {
      EXPECT_TRUE(cabecalhoPendente);
      EXPECT_EQ(linhaNaPagina, 1);
    }
  }
}

TEST_F(Paginas, CountersStopAtTheTopInsteadOfWrapping) {
  paginaFinal = INT_MAX;
  paginaAtual = INT_MAX;
  paginaCabecalho = INT_MAX;
  ASSERT_TRUE(abreRascunho());
  fimPagina();
  EXPECT_EQ(paginaAtual, INT_MAX);
  EXPECT_EQ(paginaCabecalho, INT_MAX);
  fechaELe();
}

}  // namespace
