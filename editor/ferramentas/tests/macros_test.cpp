#include "macros.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "apoio_testes.h"
#include "arquivos.h"
#include "brvars.h"
#include "casos.h"
#include "linhas.h"

namespace {

using Linhas = std::vector<std::string>;

std::string mostra(const TabelaMacros& t) {
  std::string r;
  for (int k = 0; k < t.numMacros(); ++k) r += t.codigo(k) + " " + t.substituicao(k) + "\n";
  return r;
}

TEST(Macros, CarregaMacros) {
  for (const auto& c : casos::le("carregaMacros.tsv")) {
    SCOPED_TRACE(c);
    apoio::Mensagens m;
    if (c[4] != "-") m.esperaOk();
    TabelaMacros t;
    t.acrescenta("`velha", "x");  // refilled, not added to
    EXPECT_EQ(carregaMacros(c[1], t), c[2] == "1");
    if (c[3] != "-") {
      EXPECT_EQ(mostra(t), c[3]);
    }
    EXPECT_EQ(m.servico.textos(), c[4] == "-" ? Linhas{} : Linhas{c[4]});
  }
}

TEST(Macros, AplicaMacros) {
  for (const auto& c : casos::le("aplicaMacros.tsv")) {
    SCOPED_TRACE(c);
    apoio::Mensagens m;
    TabelaMacros t;
    ASSERT_TRUE(carregaMacros(c[1], t));
    LinhasMemoria e(c[2] == "-" ? Linhas{} : c.linhas(2));
    e.seleciona(c.n(3), c.n(4), c.n(5), c.n(6));
    aplicaMacros(t, e);
    EXPECT_EQ(e.linhas, c[7] == "-" ? Linhas{} : c.linhas(7));
  }
}

TEST(Macros, ProcessaMacros) {
  const apoio::PastaTemporaria pasta;
  pasta.grava("boa.amb", "`a X\r\n");
  pasta.grava("ruim.amb", "`a X\r\nruim\r\n");
  const std::string invalido = "Arquivo inválido"_cp, inexistente = "Arquivo de macros não existe"_cp;
  struct Caso {
    std::string nome, mensagem;
    bool esconde;
    std::string documento;  // after; the INI holds the name when the window hides
    bool semEditor = false;
  };
  for (const Caso& c : {Caso{"", invalido, false, "`a"},
                        {" " + pasta.arquivo("boa.amb"), invalido, false, "`a"},
                        {pasta.arquivo("falta.amb"), inexistente, false, "`a"},
                        {pasta.caminho(), inexistente, false, "`a"},
                        {pasta.arquivo("ruim.amb"), "Codigo inválido na linha 2"_cp, true, "`a"},
                        {pasta.arquivo("boa.amb"), "", true, "X"},
                        {pasta.arquivo("boa.amb"), "", true, "`a", true}}) {
    SCOPED_TRACE(c.nome + c.mensagem);
    const apoio::WindowsTemporario windows;
    ASSERT_TRUE(gravaAmbMacro("antes.amb"));
    apoio::Mensagens m;
    if (!c.mensagem.empty()) m.esperaOk();
    LinhasMemoria e({"`a"});
    TabelaMacros t;
    EXPECT_EQ(processaMacros(c.nome, t, c.semEditor ? nullptr : &e), c.esconde);
    EXPECT_EQ(m.servico.textos(), c.mensagem.empty() ? Linhas{} : Linhas{c.mensagem});
    EXPECT_EQ(e.linhas, Linhas{c.documento});
    EXPECT_EQ(leAmbMacro(), c.esconde ? c.nome : "antes.amb");
  }
}

// The macro file shipped beside the program: Windows-1252 with CR LF, a
// comment first, and every code expands to its own replacement.
TEST(Macros, ArquivoDistribuido) {
  const char* dados = std::getenv("LUMAREL_DATA_DIR");
  ASSERT_NE(dados, nullptr);
  std::string texto;
  ASSERT_TRUE(plataforma::leArquivo(plataforma::juntaCaminho(dados, "codmat.amb"), texto));
  ASSERT_TRUE(texto.starts_with(";") && texto.ends_with("\r\n"));
  std::string semFins;  // every line end a CR LF
  for (const auto& l : plataforma::LeitorLinhas(texto, plataforma::RegraFimLinha::lf)) semFins += l.texto;
  EXPECT_EQ(semFins.find_first_of("\r\n"), std::string::npos);
  apoio::Mensagens m;
  TabelaMacros t;
  ASSERT_TRUE(carregaMacros(texto, t));
  EXPECT_GE(t.numMacros(), 35);
  EXPECT_LE(t.numMacros(), 50);
  for (int k = 0; k < t.numMacros(); ++k) {
    const std::string& codigo = t.codigo(k);
    SCOPED_TRACE(codigo);
    EXPECT_GE(codigo.size(), 3u);
    for (std::size_t i = 1; i < codigo.size(); ++i) EXPECT_TRUE(codigo[i] >= 'a' && codigo[i] <= 'z');
    EXPECT_FALSE(t.substituicao(k).empty());
    EXPECT_EQ(expandeLinha(t, codigo), t.substituicao(k));
  }
}

}  // namespace
