#include <gtest/gtest.h>

#include <cstdlib>

#include "apoio_testes.h"
#include "brcodigo.h"
#include "brvars.h"
#include "cp1252.h"

namespace {

class TabelaImpressora : public ::testing::Test {
 protected:
  void SetUp() override {
    reiniciaVariaveis();
    tabelaImpressora = tabelaIdentidade();
  }
  void TearDown() override {
    reiniciaVariaveis();
    tabelaImpressora = tabelaIdentidade();
  }
  // Loads a printer code file with the given content as the unified-code table.
  bool carrega(const std::string& conteudo) {
    pasta.grava("ambcode2.cfg", conteudo);
    configuracao.ambCode2 = pasta.arquivo("ambcode2.cfg");
    return carregaTabelaImpressora();
  }
  apoio::PastaTemporaria pasta;
  apoio::Mensagens mensagens;
};

std::string erroNaLinha(int n) {
  return "Configuração da impressora com erro na linha "_cp + std::to_string(n);
}

}  // namespace

TEST(CodigoBraille, UnifiedTableDiffersFromTheOldAtNineMasks) {
  int diferentes = 0;
  for (int m = 0; m < 64; ++m) diferentes += pontosParaBrailleAntigo[m] != pontosParaBrailleUnificado[m];
  EXPECT_EQ(diferentes, 9);
  EXPECT_EQ(pontosParaBrailleUnificado[24], 172);
  EXPECT_EQ(pontosParaBrailleUnificado[54], '=');
  // Letters stand for their own cells in both codes.
  EXPECT_EQ(pontosParaBrailleAntigo[1], 'a');
  EXPECT_EQ(pontosParaBrailleUnificado[0x3D], 'y');  // dots 13456
  EXPECT_EQ(pontosParaBrailleAntigo[0x3C], '#');     // number sign, dots 3456
  // Each table names 64 different bytes.
  for (const auto* t : {&pontosParaBrailleAntigo, &pontosParaBrailleUnificado}) {
    std::array<int, 256> vezes{};
    for (unsigned char b : *t) EXPECT_EQ(++vezes[b], 1) << int(b);
  }
}

TEST(CodigoBraille, PrinterBytesFollowBrailleAscii) {
  EXPECT_EQ(codigoImpressoraParaPontos[' '], 0);
  EXPECT_EQ(codigoImpressoraParaPontos['A'] & 63, 1);
  EXPECT_EQ(codigoImpressoraParaPontos['Z'] & 63, 1 + 4 + 16 + 32);
  EXPECT_EQ(codigoImpressoraParaPontos['='] & 63, 63);  // full cell
  for (int b = 96; b < 128; ++b)
    EXPECT_EQ(codigoImpressoraParaPontos[b] & 63, codigoImpressoraParaPontos[b - 32] & 63) << b;
}

TEST(CodigoBraille, HexDigitsAndLowerCase) {
  EXPECT_EQ(hexParaByte('6', '1'), 0x61);
  EXPECT_EQ(hexParaByte('f', 'F'), 0xFF);
  EXPECT_EQ(hexParaByte('0', '0'), 0);
  EXPECT_EQ(hexParaByte('a', '0'), hexParaByte('A', '0'));
  EXPECT_EQ(minuscula(0xC7), 0xE7);  // Ç
  EXPECT_EQ(minuscula(0xDF), 0xFF);  // ß gives 255, as the converters expect
  EXPECT_EQ(minuscula(0xD7), 0xF7);  // × gives ÷
  EXPECT_EQ(minuscula('Q'), 'q');
  EXPECT_EQ(minuscula(0x8A), 0x8A);  // Š is left alone
  EXPECT_EQ(minuscula('q'), 'q');
  EXPECT_TRUE(letrasMaiusculas(0xC0));
  EXPECT_FALSE(letrasMaiusculas(0xE0));
  EXPECT_TRUE(letrasMinusculas(0xFF));
  EXPECT_FALSE(letrasMinusculas('@'));
}

TEST_F(TabelaImpressora, LoadsMappingsCommentsAndEmptyLines) {
  ASSERT_TRUE(carrega("* printer table\r\n\r\n61=41\r\n6a=4A\r\n7B=5b trailing words\r\n"));
  EXPECT_EQ(tabelaImpressora['a'], 0x41);
  EXPECT_EQ(tabelaImpressora[106], 0x4A);
  EXPECT_EQ(tabelaImpressora[0x7B], 0x5B);
  EXPECT_EQ(tabelaImpressora['b'], 'b');  // not named: itself
  // Every load starts again from the identity.
  ASSERT_TRUE(carrega("* nothing but comments\r\n\r\n"));
  EXPECT_EQ(tabelaImpressora, tabelaIdentidade());
  ASSERT_TRUE(carrega(""));
  EXPECT_EQ(tabelaImpressora, tabelaIdentidade());
}

TEST_F(TabelaImpressora, BadLinesStopTheLoadAndAreNamed) {
  struct Caso {
    std::string conteudo;
    int linha;
  } casos[] = {
      {"*a\r\n*b\r\n61-41\r\n", 3},   // no "=" in column 3
      {"61=4\r\n", 1},                // too short
      {"61=\r\n", 1},
      {"\r\n6G=41\r\n", 2},           // not a hexadecimal digit
      {"61=4 \r\n", 1},
      {" 61=41\r\n", 1},
      {"61=41\r\n62=42\r\nxx\r\n", 3},
      {std::string("6\0=41\r\n", 7), 1},
  };
  for (const auto& c : casos) {
    mensagens.esperaOk();
    EXPECT_FALSE(carrega(c.conteudo)) << c.conteudo;
    ASSERT_FALSE(mensagens.servico.textos().empty());
    EXPECT_EQ(mensagens.servico.textos().back(), erroNaLinha(c.linha));
    EXPECT_EQ(mensagens.servico.registro.back().tipo, plataforma::TipoMensagem::erro);
  }
  // Lines before the bad one stay loaded.
  mensagens.esperaOk();
  EXPECT_FALSE(carrega("61=41\r\n62=42\r\nxx\r\n63=43\r\n"));
  EXPECT_EQ(tabelaImpressora['a'], 0x41);
  EXPECT_EQ(tabelaImpressora['b'], 0x42);
  EXPECT_EQ(tabelaImpressora['c'], 'c');
}

TEST_F(TabelaImpressora, MissingFileOrFolderIsReported) {
  configuracao.ambCode2 = pasta.arquivo("falta.cfg");
  mensagens.esperaOk(2);
  EXPECT_FALSE(carregaTabelaImpressora());
  configuracao.ambCode2 = pasta.caminho();
  EXPECT_FALSE(carregaTabelaImpressora());
  EXPECT_EQ(mensagens.servico.textos(),
            (std::vector<std::string>{"Configuração da impressora não achada "_cp + pasta.arquivo("falta.cfg"),
                                      "Configuração da impressora não achada "_cp + pasta.caminho()}));
}

TEST_F(TabelaImpressora, CodeChoosesTheFile) {
  pasta.grava("antigo.cfg", "61=01\r\n");
  pasta.grava("unificado.cfg", "61=02\r\n");
  configuracao.ambCode = pasta.arquivo("antigo.cfg");
  configuracao.ambCode2 = pasta.arquivo("unificado.cfg");
  configuracao.brailleAntigo = true;
  ASSERT_TRUE(carregaTabelaImpressora());
  EXPECT_EQ(tabelaImpressora['a'], 1);
  configuracao.brailleAntigo = false;
  ASSERT_TRUE(carregaTabelaImpressora());
  EXPECT_EQ(tabelaImpressora['a'], 2);
}

TEST_F(TabelaImpressora, LongLinesReadOnlyTheirStart) {
  ASSERT_TRUE(carrega("*" + std::string(400, '=') + "\r\n61=41" + std::string(300, 'x') + "\r\n"));
  EXPECT_EQ(tabelaImpressora['a'], 0x41);
  EXPECT_EQ(mapeiaImpressora("aba", tabelaImpressora), "AbA");
}

TEST(TabelasDistribuidas, EveryCellReachesTheEmbosserWithItsDots) {
  const char* pasta = std::getenv("LUMAREL_DATA_DIR");
  const std::string dados = pasta ? pasta : ".";
  struct Codigo {
    const char* arquivo;
    const std::array<unsigned char, 64>* pontos;
  } codigos[] = {{"ambcode.cfg", &pontosParaBrailleAntigo}, {"ambcode2.cfg", &pontosParaBrailleUnificado}};
  for (const auto& c : codigos) {
    SCOPED_TRACE(c.arquivo);
    TTabelaImpressora tabela{};
    apoio::Mensagens mensagens;  // no box may appear
    ASSERT_TRUE(carregaArquivoAmbCode(dados + "/" + c.arquivo, tabela));
    for (int m = 0; m < 64; ++m) {
      const unsigned char impresso = tabela[(*c.pontos)[m]];
      EXPECT_EQ(codigoImpressoraParaPontos[impresso] & 63, m) << "mask " << m;
      EXPECT_GE(impresso, 32);  // plain Braille ASCII, never a control byte
      EXPECT_LE(impresso, 95);
    }
    // Digits after the number sign are the cells of j and a to i.
    EXPECT_EQ(codigoImpressoraParaPontos[tabela['0']] & 63, 0x1A);  // j: dots 245
    EXPECT_EQ(codigoImpressoraParaPontos[tabela['1']] & 63, 0x01);  // a
    EXPECT_EQ(codigoImpressoraParaPontos[tabela['9']] & 63, 0x0A);  // i: dots 24
  }
}
