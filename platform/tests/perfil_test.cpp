#include <gtest/gtest.h>

#include <array>
#include <utility>

#include "apoio_testes.h"
#include "cp1252.h"
#include "gravacoes_teste.h"
#include "perfil.h"

using namespace plataforma;

namespace {
std::string le(const std::string& s, const std::string& k, const std::string& padrao = "?",
               std::size_t buffer = 0) {
  return lePerfil(s, k, padrao, buffer, "LUMAREL.INI");
}
}  // namespace

TEST(Perfil, ReadsWithTheOldRules) {
  apoio::WindowsTemporario win;
  win.gravaIni(
      "[Lumarel]\r\n"
      "maxCarac=40\r\n"
      "  Titulo =  Capítulo um  \r\n"_cp +
      "linha sem igual\r\n"
      "maxcarac=99\r\n"  // a second spelling of the key: the first wins
      "vazio=\r\n"
      "aspas=\"entre aspas\"\r\n"
      "; maxLin=12\r\n"
      "[IMPBRAILLE]\r\n"
      "NomeArq=COM1\r\n"
      "[LUMAREL]\r\n"
      "maxLin=20\r\n");  // a second section of the same name is never read
  EXPECT_EQ(le("LUMAREL", "MAXCARAC"), "40");
  EXPECT_EQ(le("lumarel", "titulo"), "Capítulo um"_cp.str());
  EXPECT_EQ(le("LUMAREL", "vazio"), "");  // present but empty: not the default
  EXPECT_EQ(le("LUMAREL", "aspas"), "entre aspas");
  EXPECT_EQ(le("LUMAREL", "maxLin"), "?");
  EXPECT_EQ(le("LUMAREL", "NomeArq"), "?");  // other section
  EXPECT_EQ(le("IMPBRAILLE", "nomearq"), "COM1");
  EXPECT_EQ(le("NADA", "x"), "?");
  // The caller's buffer cuts the value (and the default).
  EXPECT_EQ(le("LUMAREL", "titulo", "", 5), "Capí"_cp.str());
  EXPECT_EQ(le("NADA", "x", "abcdef", 4), "abc");
}

TEST(Perfil, MissingEmptyOrBinaryFileGivesDefaults) {
  apoio::WindowsTemporario win;
  EXPECT_EQ(le("LUMAREL", "maxCarac"), "?");
  win.gravaIni("");
  EXPECT_EQ(le("LUMAREL", "maxCarac"), "?");
  const char binario[] = "\0\x01\xFF[\x80\0=\n\n\r\r==";
  win.gravaIni(std::string(binario, sizeof binario - 1));
  EXPECT_EQ(le("LUMAREL", "maxCarac"), "?");
  // A folder where the file should be.
  apoio::WindowsTemporario win2;
  ASSERT_EQ(::mkdir(win2.pasta().arquivo("LUMAREL.INI").c_str(), 0755), 0);
  EXPECT_EQ(le("LUMAREL", "maxCarac"), "?");
  EXPECT_FALSE(gravaPerfil("LUMAREL", "maxCarac", "1", "LUMAREL.INI"));
}

TEST(Perfil, WriteCreatesFileSectionAndKey) {
  apoio::WindowsTemporario win;
  ::setenv("LUMAREL_WINDIR", win.pasta().arquivo("nova/pasta").c_str(), 1);
  ASSERT_TRUE(gravaPerfil("LUMAREL", "maxCarac", "40", "LUMAREL.INI"));
  EXPECT_EQ(win.pasta().le("nova/pasta/LUMAREL.INI"), "[LUMAREL]\r\nmaxCarac=40\r\n");
  ASSERT_TRUE(gravaPerfil("IMPBRAILLE", "EnviaVazias", "NÃO"_cp, "LUMAREL.INI"));
  ASSERT_TRUE(gravaPerfil("LUMAREL", "maxLin", "25", "LUMAREL.INI"));
  EXPECT_EQ(win.pasta().le("nova/pasta/LUMAREL.INI"),
            "[LUMAREL]\r\nmaxCarac=40\r\nmaxLin=25\r\n\r\n[IMPBRAILLE]\r\nEnviaVazias=NÃO\r\n"_cp.str());
}

TEST(Perfil, WriteKeepsEveryOtherByte) {
  apoio::WindowsTemporario win;
  const std::string antes =
      "; comentário\r\n"_cp +
      "[LUMAREL]\r\n"
      "maxCarac=36\r\n"
      "estranho \x81\x8D\x9D=x\r\n"
      "\r\n"
      "[IMPBRAILLE]\n"  // a bare LF line stays as it is
      "Marca=Index\n";
  win.gravaIni(antes);
  ASSERT_TRUE(gravaPerfil("lumarel", "MAXCARAC", "40", "LUMAREL.INI"));
  std::string esperado = antes;
  esperado.replace(esperado.find("maxCarac=36"), 11, "MAXCARAC=40");
  EXPECT_EQ(win.ini(), esperado);

  // A new key goes after the last key of its section, before the blank line.
  ASSERT_TRUE(gravaPerfil("LUMAREL", "titulo", "T", "LUMAREL.INI"));
  EXPECT_NE(win.ini().find("x\r\ntitulo=T\r\n\r\n[IMPBRAILLE]"), std::string::npos);
  ASSERT_TRUE(gravaPerfil("IMPBRAILLE", "Linhas", "28", "LUMAREL.INI"));
  EXPECT_EQ(win.ini().substr(win.ini().size() - 23), "Marca=Index\nLinhas=28\r\n");
  EXPECT_EQ(le("IMPBRAILLE", "Marca"), "Index");
  EXPECT_EQ(le("LUMAREL", "estranho \x81\x8D\x9D"), "x");
}

TEST(Perfil, ValueWithALineBreakCannotAddKeys) {
  apoio::WindowsTemporario win;
  ASSERT_TRUE(gravaPerfil("LUMAREL", "titulo", "Livro\r\nmaxCarac=2", "LUMAREL.INI"));
  EXPECT_EQ(le("LUMAREL", "titulo"), "Livro");
  EXPECT_EQ(le("LUMAREL", "maxCarac"), "?");
}

TEST(Perfil, FileWithoutFinalLineBreak) {
  apoio::WindowsTemporario win;
  win.gravaIni("[LUMAREL]");
  ASSERT_TRUE(gravaPerfil("LUMAREL", "a", "1", "LUMAREL.INI"));
  EXPECT_EQ(win.ini(), "[LUMAREL]\r\na=1\r\n");
  win.gravaIni("[X]\r\nb=2");
  ASSERT_TRUE(gravaPerfil("LUMAREL", "a", "1", "LUMAREL.INI"));
  EXPECT_EQ(win.ini(), "[X]\r\nb=2\r\n\r\n[LUMAREL]\r\na=1\r\n");
  ASSERT_TRUE(gravaPerfil("X", "b", "3", "LUMAREL.INI"));
  EXPECT_EQ(le("X", "b"), "3");
}

// A key added after the last line, in its section or in a new one, never
// joins that line's end to the value before it, whatever the line end.
TEST(Perfil, KeyAddedAfterAnyLastLineEnd) {
  const struct {
    const char* nome;
    std::string antes, secao, depois;
  } casos[] = {
      {"LF", "[LUMAREL]\nmaxCarac=40\n", "LUMAREL", "[LUMAREL]\nmaxCarac=40\nnovo=7\r\n"},
      {"lone CR", "[LUMAREL]\r\nmaxCarac=40\r", "LUMAREL", "[LUMAREL]\r\nmaxCarac=40\r\nnovo=7\r\n"},
      {"two CRs", "[LUMAREL]\r\nmaxCarac=40\r\r", "LUMAREL", "[LUMAREL]\r\nmaxCarac=40\r\r\nnovo=7\r\n"},
      {"none", "[LUMAREL]\r\nmaxCarac=40", "LUMAREL", "[LUMAREL]\r\nmaxCarac=40\r\nnovo=7\r\n"},
      {"lone CR, new section", "[LUMAREL]\r\nmaxCarac=40\r", "X",
       "[LUMAREL]\r\nmaxCarac=40\r\n\r\n[X]\r\nnovo=7\r\n"},
      {"none, new section", "[LUMAREL]\r\nmaxCarac=40", "X",
       "[LUMAREL]\r\nmaxCarac=40\r\n\r\n[X]\r\nnovo=7\r\n"},
  };
  for (const auto& c : casos) {
    SCOPED_TRACE(c.nome);
    apoio::WindowsTemporario win;
    win.gravaIni(c.antes);
    const std::string valor = le("LUMAREL", "maxCarac");
    ASSERT_TRUE(gravaPerfil(c.secao, "novo", "7", "LUMAREL.INI"));
    EXPECT_EQ(win.ini(), c.depois);
    EXPECT_EQ(le("LUMAREL", "maxCarac"), valor);
    EXPECT_EQ(le(c.secao, "novo"), "7");
  }
}

// Old keys in another case, a key set twice, new sections.
TEST(LotePerfil, SameBytesAsOneKeyAtATime) {
  const std::array<const char*, 3> chaves[] = {{"LUMAREL", "a", "1"}, {"lumarel", "novo", "2"}, {"x", "K", "3"},
                                                {"Y", "z", "4"}, {"L", "a", "5"}, {"L", "A", "6"}};
  apoio::PastaTemporaria umaAUma, deUmaVez;
  umaAUma.grava("LUMAREL.INI", "[Lumarel]\r\nA=0\r\n\r\n[X]\nk=v\n");
  deUmaVez.grava("LUMAREL.INI", umaAUma.le("LUMAREL.INI"));
  LotePerfil lote(deUmaVez.arquivo("LUMAREL.INI"));
  for (const auto& k : chaves) {
    ASSERT_TRUE(gravaPerfil(k[0], k[1], k[2], umaAUma.arquivo("LUMAREL.INI")));
    lote.defineValor(k[0], k[1], k[2]);
  }
  ASSERT_TRUE(lote.grava());
  EXPECT_EQ(deUmaVez.le("LUMAREL.INI"), umaAUma.le("LUMAREL.INI"));
}

TEST(LotePerfil, FailureLeavesTheFileAsItWas) {
  // A refused temporary file (errno), or a full disk once the first key is in.
  const std::pair<int, rlim_t> falhas[] = {{EACCES, 0}, {0, 64}};
  for (const auto& [simulado, limite] : falhas) {
    apoio::PastaTemporaria pasta;
    pasta.grava("LUMAREL.INI", "[LUMAREL]\r\nk=1\r\n");
    const auto antes = apoio::retratoPasta(pasta.caminho());
    LotePerfil lote(pasta.arquivo("LUMAREL.INI"));
    lote.defineValor("LUMAREL", "maxCarac", "40");
    lote.defineValor("IMPBRAILLE", "Titulo", std::string(100, 't'));
    EXPECT_FALSE(apoio::comFalhas(simulado, limite, [&] { return lote.grava(); }));
    EXPECT_EQ(apoio::retratoPasta(pasta.caminho()), antes);
  }
}
