#include "ovtexto.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <string>
#include <vector>

#include "brcodigo.h"
#include "dados.h"
#include "ovtelavirt.h"

using namespace orvento;

// Letters, accents, blank cells, the three directions, the canvas edges, the
// pen size and the pattern: each text draws exactly its golden picture (see
// the head of the file for its format).
TEST(TextoComoPontos, DesenhaOsRetratosGuardados) {
  std::istringstream in(dados::arquivo("texto_desenhos.txt"));
  std::vector<std::pair<std::string, std::vector<std::string>>> casos;
  for (std::string linha; std::getline(in, linha);)
    if (linha.rfind("@ ", 0) == 0)
      casos.push_back({linha, {}});
    else if (!linha.empty() && linha[0] != '#' && !casos.empty())
      casos.back().second.push_back(linha);
  ASSERT_EQ(casos.size(), 16u);
  for (const auto& [cabecalho, retrato] : casos) {
    SCOPED_TRACE(cabecalho);
    reiniciaEstadoDesenho();  // no screen image left behind by another test
    int x0, y0, direcao, esquerda, topo;
    std::istringstream campos(cabecalho.substr(2));
    campos >> x0 >> y0 >> direcao >> espessura >> padronagem >> esquerda >> topo;
    std::string texto, escrito = cabecalho.substr(cabecalho.find(" | ") + 3);
    for (std::size_t i = 0; i < escrito.size(); ++i)  // "\xHH" is that byte
      if (escrito.compare(i, 2, "\\x") == 0 && i + 3 < escrito.size())
        texto += static_cast<char>(hexParaByte(escrito[i + 2], escrito[i + 3])), i += 3;
      else
        texto += escrito[i];
    corPonto = 0;  // the text tool raises dots whatever the last button was
    EXPECT_TRUE(desenhaTexto(texto, x0, y0, direcao));
    std::size_t esperados = 0, achados = 0;
    for (std::size_t i = 0; i < retrato.size(); ++i) {
      std::string linha;
      for (std::size_t j = 0; j < retrato[i].size(); ++j)
        linha += tela.le(esquerda + static_cast<int>(j), topo + static_cast<int>(i)) ? 'o' : '.';
      EXPECT_EQ(linha, retrato[i]) << "row " << topo + static_cast<int>(i);
      esperados += static_cast<std::size_t>(std::count(linha.begin(), linha.end(), 'o'));
    }
    for (const auto p : tela.pontos) achados += p != 0;
    EXPECT_EQ(achados, esperados) << "dots outside the picture";
  }
}

// A direction outside 0..2 draws nothing and says so; far-away anchors and
// texts that run off the canvas draw what lands there and no more.
TEST(TextoComoPontos, DirecaoInvalidaEAncorasDistantes) {
  reiniciaEstadoDesenho();
  for (int direcao : {-1, 3, 1000}) EXPECT_FALSE(desenhaTexto("A", 10, 20, direcao));
  EXPECT_FALSE(telaTemPontos());
  const std::string longo(100'000, 'H');
  for (int direcao : {0, 1, 2}) {
    SCOPED_TRACE(direcao);
    for (int longe : {INT32_MAX, INT32_MIN}) {
      EXPECT_TRUE(desenhaTexto(longo, longe, longe, direcao));
      EXPECT_TRUE(desenhaTexto(longo, 150, longe, direcao));
      EXPECT_TRUE(desenhaTexto(longo, longe, 150, direcao));
    }
    EXPECT_FALSE(telaTemPontos());
    EXPECT_TRUE(desenhaTexto(longo, 150, 150, direcao));
    EXPECT_TRUE(telaTemPontos());
    tela.limpa();
  }
}
