#include "brmsword.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "apoio_testes.h"
#include "arquivos.h"
#include "brvars.h"
#include "cp1252.h"

namespace {

const std::string cabeca = "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\fnil\\fcharset0 BrailleTevra;}}\r\n";
const std::string paragrafo = "\\pard\\plain\\f0\\fs28\\b\\sb120 ";

std::string documento(std::initializer_list<std::string> linhas) {
  std::string r = cabeca;
  for (const auto& l : linhas) r += paragrafo + l + "\\par\r\n";
  return r + "}\r\n";
}

TEST(BrailleNoWord, DocumentoRtfByteAByte) {
  // Every byte but the line feed, on one line.
  std::string todos, escritos;
  for (int b = 0; b < 256; ++b) {
    if (b == '\n') continue;
    todos += static_cast<char>(b);
    char hexa[8];
    std::snprintf(hexa, sizeof hexa, "\\'%02x", b);
    escritos += (b < 32 || b >= 128) ? std::string(hexa)
                : (b == '\\' || b == '{' || b == '}') ? std::string("\\") + char(b)
                                                     : std::string(1, char(b));
  }
  const std::pair<std::string, std::string> casos[] = {
      {"", cabeca + "}\r\n"},
      {"AB\r\n\r\nc\n", documento({"AB", "", "c"})},
      {"x\ny", documento({"x", "y"})},  // a last line without its end
      {std::string(50, '-') + "\r\n", documento({std::string(50, '-')})},
      {"{a}\\b\\\\", documento({"\\{a\\}\\\\b\\\\\\\\"})},
      {todos, documento({escritos})},
  };
  for (const auto& [rascunho, rtf] : casos) EXPECT_EQ(documentoRtf(rascunho), rtf) << rascunho;
}

TEST(BrailleNoWord, ArquivoNovoAbertoSemEsperar) {
  apoio::Mensagens mensagens;
  apoio::PastaTemporaria pasta;
  reiniciaVariaveis();
  configuracao.arqTrab = pasta.arquivo("rascunho.txt");
  const std::string longa(100000, '\xe9');
  pasta.grava("rascunho.txt", "ab\r\n" + longa + "\r\n");
  const char* antes = std::getenv("TMPDIR");
  const std::string tmpAntes = antes ? antes : "";
  ::setenv("TMPDIR", pasta.caminho().c_str(), 1);
  std::vector<std::string> abertos;
  plataforma::defineAbridor([&](const std::string& caminho) {
    abertos.push_back(caminho);
    return plataforma::ProgramaIniciado{abertos.size() == 1 ? 4242 : 0, abertos.size() == 1 ? 0 : ENOENT};
  });
  // Two exports: two new files, the second with no opener.
  EXPECT_EQ(brailleNoWord().pid, 4242);
  mensagens.esperaOk(2);
  EXPECT_FALSE(brailleNoWord());
  ASSERT_EQ(abertos.size(), 2u);
  EXPECT_NE(abertos[0], abertos[1]);
  for (const auto& a : abertos) {
    EXPECT_EQ(a.rfind(pasta.caminho() + "/braille-", 0), 0u) << a;
    EXPECT_EQ(a.substr(a.size() - 4), ".rtf");
    std::string rtf;
    ASSERT_TRUE(plataforma::leArquivo(a, rtf));
    EXPECT_EQ(rtf.size(), documentoRtf("ab\n" + longa).size());  // nothing of the long line lost
  }
  // A temporary folder that is not there: the write fails with the path.
  ::setenv("TMPDIR", pasta.arquivo("falta").c_str(), 1);
  EXPECT_FALSE(brailleNoWord());
  EXPECT_EQ(mensagens.servico.textos(),
            (std::vector<std::string>{mensagemWordInativo + "\nO Braille foi gravado no arquivo "_cp + abertos[1] +
                                          "; abra-o em um processador de textos.",
                                      "Erro ao gravar "_cp + pasta.arquivo("falta") + "/braille-XXXXXX.rtf"}));
  plataforma::defineAbridor({});
  if (antes) ::setenv("TMPDIR", tmpAntes.c_str(), 1); else ::unsetenv("TMPDIR");
  reiniciaVariaveis();
}

}  // namespace
