#include "brdic.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "apoio_testes.h"
#include "brvars.h"
#include "casos_ortografia.h"
#include "cp1252.h"

namespace {

// The fixture dictionary lies in dirPrograma; the Windows directory is empty.
class Dicionario : public ::testing::Test {
 protected:
  void SetUp() override {
    reiniciaVariaveis();
    dirPrograma = casos::pastaDados();
  }
  void TearDown() override {
    desmontaDicionario();
    reiniciaVariaveis();
  }
  int monta(const std::string& dic = "verbos.dic", const std::string& suf = "verbos.suf",
            const std::string& exc = "verbos.exc", const std::string& nom = "verbos.nom",
            const std::string& sug = "verbos.sug") {
    return montaDicionario(dic, suf, exc, nom, sug);
  }
  apoio::WindowsTemporario windows;
  apoio::Mensagens mensagens;
};

TEST_F(Dicionario, CarregaOsCincoArquivos) {
  ASSERT_EQ(monta(), 0);
  // Word-file lines: a bare stem is "=", blanks around and between are dropped,
  // entries of one stem keep their file order.
  struct Entrada {
    std::string palavra, classes;
  };
  const std::vector<Entrada> esperadas = {
      {"casa", "="}, {"cas", "a"}, {"canta", "v"}, {"beb", "er"}, {"lim", "ÃO"_cp}};
  for (const auto& e : esperadas) {
    SCOPED_TRACE(e.palavra);
    int i = -1;
    ASSERT_TRUE(listaPalavras.procuraPalavra(cp1252::maiusculas(e.palavra), i));
    EXPECT_EQ(listaPalavras[i].palavra, e.palavra);
    EXPECT_EQ(listaPalavras[i].classes, e.classes);
  }
  int i = -1;
  ASSERT_TRUE(listaPalavras.procuraPalavra("beb", i));
  EXPECT_EQ(listaPalavras[i + 1].classes, "s");
  EXPECT_FALSE(listaPalavras.procuraPalavra("cantx", i));
  EXPECT_EQ(listaPalavras[i - 1].palavra, "cantor");  // where it would go

  // Suffix classes: a header's blanks dropped, the first of two names found.
  ASSERT_NE(listaSufixos.procura("V"), nullptr);
  EXPECT_EQ(listaSufixos.procura("V")->sufixos, std::vector<std::string>{"ndo"});
  EXPECT_EQ(listaSufixos.procura("Ar")->sufixos, (std::vector<std::string>{"ar", "o", "ei", "es"}));
  EXPECT_EQ(listaSufixos.procura(""), nullptr);

  // Suggestion pairs, sides trimmed, a "*" line a pair like any other.
  EXPECT_EQ(listaErrado, (std::vector<std::string>{"ss", "ç"_cp, "a", "o", "*x"}));
  EXPECT_EQ(listaCerto, (std::vector<std::string>{"ç"_cp, "ss", "ã"_cp, "ó"_cp, "y"}));

  EXPECT_TRUE(listaExcecoes.contem("LISBOA"));
  EXPECT_TRUE(listaNomes.contem("Lisboa"));
  EXPECT_FALSE(listaNomes.contem("lisboa"));
  EXPECT_TRUE(mensagens.servico.registro.empty());
}

// Each file that fails gives its code, after the files before it loaded.
TEST_F(Dicionario, CodigoDoPrimeiroArquivoQueFalha) {
  const std::string falta = "nao-existe.txt";
  const std::string pasta = casos::pastaDados();  // a folder is no file
  struct Caso {
    std::string dic, suf, exc, nom, sug;
    int codigo;
  } casosTabela[] = {
      {falta, falta, falta, falta, falta, 2},
      {falta, "verbos.suf", "verbos.exc", "verbos.nom", "verbos.sug", 1},
      {"verbos.dic", "verbos.suf", pasta, "verbos.nom", "verbos.sug", 3},
      {"verbos.dic", "verbos.suf", "verbos.exc", falta, "verbos.sug", 4},
      {"verbos.dic", "verbos.suf", "verbos.exc", "verbos.nom", falta, 5},
  };
  for (const auto& c : casosTabela) {
    SCOPED_TRACE(c.codigo);
    EXPECT_EQ(monta(c.dic, c.suf, c.exc, c.nom, c.sug), c.codigo);
  }
  // The names file failed after the suffix, word and reject files loaded.
  monta("verbos.dic", "verbos.suf", "verbos.exc", falta);
  EXPECT_GT(listaSufixos.size(), 0u);
  EXPECT_GT(listaPalavras.size(), 0u);
  EXPECT_GT(listaExcecoes.size(), 0u);
  EXPECT_EQ(listaNomes.size(), 0u);
}

// Bad suggestion lines stop the load with the name as configured; the pairs
// before stay. Lines end at LF or CR LF, and the end is never part of a line.
TEST_F(Dicionario, LinhaErradaNasSugestoes) {
  struct Caso {
    std::string conteudo, mensagem;
    std::size_t pares;
  } casosTabela[] = {
      {"ss=\xE7\r\n=x\r\nb=c\r\n", "=x", 1},
      {"ss=\xE7\nsem igual\n", "sem igual", 1},
      {"  \r\n", "  ", 0},
      {"a=b\r\n\r\n\nc =  d  \r\n", "", 2},
      {"a=b\rc\n", "", 1},  // a lone CR is text
  };
  for (const auto& c : casosTabela) {
    SCOPED_TRACE(c.conteudo);
    windows.pasta().grava("meu.sug", c.conteudo);
    if (!c.mensagem.empty()) mensagens.esperaOk();
    EXPECT_EQ(monta("verbos.dic", "verbos.suf", "verbos.exc", "verbos.nom", "meu.sug"),
              c.mensagem.empty() ? 0 : 5);
    EXPECT_EQ(listaErrado.size(), c.pares);
    if (!c.mensagem.empty()) {
      EXPECT_EQ(mensagens.servico.textos().back(), "Linha errada no arquivo meu.sug: " + c.mensagem);
    }
  }
  EXPECT_EQ(listaCerto.back(), "b\rc");
  EXPECT_EQ(mensagens.servico.textos().size(), 3u);
}

// A relative name is looked for in the Windows directory, then in
// dirPrograma; an absolute one is read as it is.
TEST_F(Dicionario, OndeOsArquivosEstao) {
  windows.pasta().grava("verbos.nom", "Porto\r\n");
  ASSERT_EQ(monta(), 0);
  EXPECT_TRUE(listaNomes.contem("Porto"));
  EXPECT_FALSE(listaNomes.contem("Lisboa"));
  EXPECT_EQ(localizaArquivoDicionario("verbos.dic"), casos::pastaDados() + "/verbos.dic");
  EXPECT_EQ(localizaArquivoDicionario("/x/y.dic"), "/x/y.dic");
  ASSERT_EQ(monta(casos::pastaDados() + "/verbos.dic"), 0);
}

// A hand-edited file in UTF-8 is read as UTF-8; Windows-1252 stays as it is.
TEST_F(Dicionario, ArquivoEmUtf8) {
  struct Caso {
    std::string conteudo, nome;
  } casosTabela[] = {
      {"\xEF\xBB\xBFM\xC3\xB4nica\r\n", "Mônica"_cp},
      {"M\xC3\xB4nica\n", "Mônica"_cp},
      {"M\xF4nica\r\n", "Mônica"_cp},
      {"M\xC3\xB4nica \xE2\x80\x94 \xE4\xB8\xAD\n", "Mônica — ?"_cp},
      {"M\xC3nica\n", "M\xC3nica"},  // not UTF-8
  };
  for (const auto& c : casosTabela) {
    SCOPED_TRACE(c.nome);
    windows.pasta().grava("verbos.nom", c.conteudo);
    ASSERT_EQ(monta(), 0);
    ASSERT_EQ(listaNomes.size(), 1u);
    EXPECT_EQ(listaNomes[0], c.nome);
  }
}

// Broken files: empty, binary, a line of 100 000 characters: the codes of a
// good load, no crash.
TEST_F(Dicionario, ArquivosEstranhos) {
  std::string binario;
  for (int i = 0; i < 4; ++i)
    for (int b = 0; b < 256; ++b) binario += static_cast<char>(b);
  const std::string longa = "[" + std::string(100000, 'x') + "]\r\n" + std::string(100000, 'y') + "\r\n";
  for (const std::string* conteudo : std::initializer_list<const std::string*>{&binario, &longa}) {
    for (const char* ext : {"dic", "suf", "exc", "nom"}) {
      SCOPED_TRACE(ext);
      windows.pasta().grava(std::string("verbos.") + ext, *conteudo);
      EXPECT_EQ(monta(), 0);
      std::filesystem::remove(windows.pasta().arquivo(std::string("verbos.") + ext));
    }
  }
  EXPECT_EQ(monta("verbos.dic", "verbos.suf", "verbos.exc", "verbos.nom", "verbos.vazio"), 5);
  windows.pasta().grava("vazio", "");
  EXPECT_EQ(monta("vazio", "vazio", "vazio", "vazio", "vazio"), 0);
  EXPECT_EQ(listaPalavras.size(), 0u);
  // Binary suggestions: the first line without "=" stops the load.
  windows.pasta().grava("verbos.sug", binario);
  mensagens.esperaOk();
  EXPECT_EQ(monta(), 5);
  EXPECT_EQ(mensagens.servico.textos().size(), 1u);
}

// Dictionary files the user edits: a copy in the Windows directory made on
// first use, never the shipped file.
TEST_F(Dicionario, CopiaEditavel) {
  const CopiaEditavel a = arquivoEditavel("verbos.nom");
  ASSERT_TRUE(a.ok) << a.motivo;
  EXPECT_EQ(a.caminho, windows.pasta().arquivo("verbos.nom"));
  std::string original;
  plataforma::leArquivo(casos::pastaDados() + "/verbos.nom", original);
  EXPECT_EQ(windows.pasta().le("verbos.nom"), original);
  // The copy is the user's: a second use keeps it as edited.
  windows.pasta().grava("verbos.nom", "Porto\r\n");
  EXPECT_TRUE(arquivoEditavel("verbos.nom").ok);
  EXPECT_EQ(windows.pasta().le("verbos.nom"), "Porto\r\n");
  // None shipped: an empty file, in a folder made for it.
  const CopiaEditavel b = arquivoEditavel("sub/novo.exc");
  ASSERT_TRUE(b.ok);
  EXPECT_EQ(windows.pasta().le("sub/novo.exc"), "");
  // An absolute name is the user's own file.
  EXPECT_EQ(arquivoEditavel("/algum/lugar.nom").caminho, "/algum/lugar.nom");
  // A folder in the way: no copy, and why.
  windows.pasta().grava("arquivo", "x");
  const CopiaEditavel c = arquivoEditavel("arquivo/x.nom");
  EXPECT_FALSE(c.ok);
  EXPECT_FALSE(c.motivo.empty());
  EXPECT_EQ(windows.pasta().le("arquivo"), "x");
  EXPECT_FALSE(arquivoEditavel("sub").ok);  // a folder of that name
  // The configured names.
  configuracao.ARQINEXIST = "verbos.exc";
  EXPECT_EQ(arquivoExcecoesEditavel().caminho, windows.pasta().arquivo("verbos.exc"));
}

}  // namespace
