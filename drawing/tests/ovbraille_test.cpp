#include "ovbraille.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <cstdlib>
#include <filesystem>
#include <set>
#include <sstream>
#include <string>

#include "apoio_testes.h"
#include "brcodigo.h"
#include "cp1252.h"
#include "dados.h"
#include "ovprint.h"
#include "ovtelavirt.h"

using namespace orvento;

namespace {

// "\r", "\n" and "\xHH" in a case stand for those bytes.
std::string desescapa(const std::string& s) {
  std::string r;
  for (std::size_t i = 0; i < s.size(); ++i)
    if (s.compare(i, 2, "\\r") == 0)
      r += '\r', ++i;
    else if (s.compare(i, 2, "\\n") == 0)
      r += '\n', ++i;
    else if (s.compare(i, 2, "\\x") == 0 && i + 3 < s.size())
      r += static_cast<char>(hexParaByte(s[i + 2], s[i + 3])), i += 3;
    else
      r += s[i];
  return r;
}

// The raised dots of tela as "x,y x,y ...", in the order of a set of pairs.
std::string pontosDaTela() {
  std::set<std::pair<int, int>> r;
  for (int y = 0; y < tamanhoMatriz; ++y)
    for (int x = 0; x < tamanhoMatriz; ++x)
      if (tela.le(x, y) != 0) r.insert({x, y});
  std::string s;
  for (auto [x, y] : r) s += (s.empty() ? "" : " ") + std::to_string(x) + "," + std::to_string(y);
  return s;
}

class BrailleComoPontos : public ::testing::Test {
 protected:
  apoio::PastaTemporaria pasta;
  apoio::Mensagens mensagens;
  void SetUp() override {
    reiniciaEstadoDesenho();
    reiniciaTabelaBraille();
    dirAtual = pasta.caminho() + "/";
  }
  void TearDown() override { reiniciaTabelaBraille(); }
  // The boxes carregaTabelaBraille shows, each answered with OK.
  std::vector<std::string> carrega(int avisos) {
    mensagens.servico.limpa();
    mensagens.esperaOk(avisos);
    carregaTabelaBraille();
    return mensagens.servico.textos();
  }
  // The shipped ambcode2.cfg and nodrix.amb, as the program finds them.
  void carregaArquivosEntregues() {
    const char* d = std::getenv("LUMAREL_DATA_DIR");
    dirAtual = d ? std::string(d) + "/" : "./";
    ASSERT_EQ(leArquivoAmbCode(dirAtual + "ambcode2.cfg", tabAmbCode), LeituraAmbCode::lida);
    EXPECT_TRUE(carrega(0).empty());
    ASSERT_TRUE(tabBrailleCarregada);
  }
};

}  // namespace

// Each table text loads the listed dots, or stops at the listed line with
// the table left all clear.
TEST(LeituraBraille, LinhasDoArquivo) {
  for (const auto& c : dados::casos("braille_leituras.txt")) {
    SCOPED_TRACE(c.texto);
    TTabelaBraille t;
    t.fill(9);
    EXPECT_EQ(leTabelaBraille(desescapa(c.campos.at(0)), t), c.n<std::size_t>(1).at(0));
    std::ostringstream lidos;
    for (std::size_t b = 0; b < t.size(); ++b)
      if (t[b] != 0)
        lidos << (lidos.tellp() ? " " : "") << std::hex << std::uppercase << b << ":" << std::dec
              << +t[b];
    EXPECT_EQ(lidos.str(), c.campos.at(2));
  }
}

// The file beside the program: the box each kind of file shows, and whether
// the table counts as loaded. A failed load ends nothing and is tried again
// next time; a good one is not.
TEST_F(BrailleComoPontos, CarregaOuAvisaESegue) {
  const std::string naoAchado = "Arquivo nodrix.amb não foi encontrado"_cp,
                    erro = "Erro em Nodrix.amb na linha ";
  const std::string longas = "*" + std::string(100'000, '=') + "\r\n41" +
                             std::string(100'000, '=') + "100000\r\n" + std::string(100'000, '0') +
                             "\r\n";
  const struct {
    std::string conteudo;  // "<pasta>": a folder of that name; "<nada>": no file
    std::string aviso;
    unsigned char mascara41;
  } casos[] = {{"<nada>", naoAchado, 0},
               {"<pasta>", naoAchado, 0},
               {dados::arquivo("braille_vazio.amb"), "", 0},
               {dados::arquivo("braille_binario.amb"), erro + "1", 0},
               {dados::arquivo("braille_lf.amb"), "", 1},
               {dados::arquivo("braille_linha_ruim.amb"), erro + "4", 0},
               {longas, erro + "3", 0}};
  for (const auto& c : casos) {
    SCOPED_TRACE(c.aviso + " " + c.conteudo.substr(0, 20));
    reiniciaTabelaBraille();
    std::filesystem::remove_all(pasta.arquivo("nodrix.amb"));
    if (c.conteudo == "<pasta>")
      std::filesystem::create_directory(pasta.arquivo("nodrix.amb"));
    else if (c.conteudo != "<nada>")
      pasta.grava("nodrix.amb", c.conteudo);
    const bool falha = !c.aviso.empty();
    for (int vez = 0; vez < 2; ++vez) {
      EXPECT_EQ(carrega(falha), falha ? std::vector{c.aviso} : std::vector<std::string>{});
      EXPECT_EQ(tabBrailleCarregada, !falha);
      EXPECT_EQ(tabBraille[0x41], c.mascara41);
      if (falha) {
        EXPECT_EQ(tabBraille, TTabelaBraille{});
      } else {
        pasta.grava("nodrix.amb", "41=111111\r\n");  // must not be read
      }
    }
  }
}

// Through the shipped ambcode2.cfg and nodrix.amb, the unified converter's
// byte of every one of the 64 cells draws that cell's own dots: dots 1 to 3
// down the left column, 4 to 6 down the right, dot 3 on the anchor.
TEST_F(BrailleComoPontos, As64CelulasDosArquivosEntregues) {
  carregaArquivosEntregues();
  for (unsigned m = 0; m < 64; ++m) {
    SCOPED_TRACE(m);
    tela.limpa();
    const std::string celula(1, static_cast<char>(pontosParaBrailleUnificado[m]));
    EXPECT_TRUE(desenhaCelulasBraille(mapeiaImpressora(celula, tabAmbCode), 10, 20, 0, 1));
    for (int k = 1; k <= 6; ++k)
      EXPECT_EQ(tela.le(10 + (k > 3), 18 + (k - 1) % 3), (m >> (k - 1)) & 1) << "dot " << k;
    EXPECT_EQ(std::count(tela.pontos.begin(), tela.pontos.end(), 1), std::popcount(m));
  }
}

// Whole texts through the converter and the shipped tables, in every
// direction and size.
TEST_F(BrailleComoPontos, TextosDesenhados) {
  carregaArquivosEntregues();
  for (const auto& c : dados::casos("braille_textos.txt")) {
    SCOPED_TRACE(c.texto);
    tela.limpa();
    const auto a = c.n(1);
    corPonto = 0;  // the Braille tool raises dots whatever the last button was
    EXPECT_TRUE(desenhaBraille(desescapa(c.campos.at(0)), a.at(0), a.at(1), a.at(2), a.at(3)));
    EXPECT_EQ(pontosDaTela(), c.campos.at(2));
  }
}

// Sizes and directions outside the dialog's choices draw nothing; without a
// table the cells only advance; far anchors and long texts cost no crash.
TEST_F(BrailleComoPontos, ForaDoAlcance) {
  tabBraille.fill(63);
  for (auto [direcao, indice] : {std::pair{-1, 1}, {3, 1}, {0, -1}, {0, 3}, {1, 1000}})
    EXPECT_FALSE(desenhaBraille("abc", 100, 100, direcao, indice));
  const std::string longo(100'000, 'a');
  for (int direcao : {0, 1, 2})
    for (int longe : {INT32_MAX, INT32_MIN})
      for (auto [x, y] : {std::pair{longe, longe}, {150, longe}, {longe, 150}})
        EXPECT_TRUE(desenhaCelulasBraille(longo, x, y, direcao, 3));
  EXPECT_FALSE(telaTemPontos());
  tabBraille.fill(0);
  EXPECT_TRUE(desenhaCelulasBraille("abc", 100, 100, 0, 2));
  EXPECT_FALSE(telaTemPontos());
}
