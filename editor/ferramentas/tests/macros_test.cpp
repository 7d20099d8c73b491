#include "macros.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <tuple>
#include <vector>

#include "apoio_testes.h"
#include "arquivos.h"
#include "brvars.h"
#include "casos.h"
#include "linhas.h"

namespace {

using Linhas = std::vector<std::string>;

TEST(Macros, CarregaMacros) {
  for (const auto& c : casos::le("carregaMacros.tsv")) {
    SCOPED_TRACE(c);
    apoio::Mensagens m;
    if (c[4] != "-") m.esperaOk();
    TabelaMacros t;
    t.acrescenta("`velha", "x");  // refilled, not added to
    EXPECT_EQ(carregaMacros(c[1], t), c[2] == "1");
    std::string mostrada;
    for (int k = 0; k < t.numMacros(); ++k) mostrada += t.codigo(k) + " " + t.substituicao(k) + "\n";
    if (c[3] != "-") { EXPECT_EQ(mostrada, c[3]); }
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

// The name, its message ("" none), whether the window hides, the document
// after, and no editor; the INI holds the name when the window hides.
TEST(Macros, ProcessaMacros) {
  const apoio::PastaTemporaria pasta;
  pasta.grava("boa.amb", "`a X\r\n");
  pasta.grava("ruim.amb", "`a X\r\nruim\r\n");
  const std::string invalido = "Arquivo inválido"_cp, inexistente = "Arquivo de macros não existe"_cp;
  const std::string boa = pasta.arquivo("boa.amb");
  for (const auto& [nome, mensagem, esconde, documento, semEditor] :
       std::vector<std::tuple<std::string, std::string, bool, std::string, bool>>{
           {"", invalido, false, "`a", false},
           {" " + boa, invalido, false, "`a", false},
           {pasta.arquivo("falta.amb"), inexistente, false, "`a", false},
           {pasta.caminho(), inexistente, false, "`a", false},
           {pasta.arquivo("ruim.amb"), "Codigo inválido na linha 2"_cp, true, "`a", false},
           {boa, "", true, "X", false},
           {boa, "", true, "`a", true}}) {
    SCOPED_TRACE(nome + mensagem);
    const apoio::WindowsTemporario windows;
    ASSERT_TRUE(gravaAmbMacro("antes.amb"));
    apoio::Mensagens m;
    if (!mensagem.empty()) m.esperaOk();
    LinhasMemoria e({"`a"});
    TabelaMacros t;
    EXPECT_EQ(processaMacros(nome, t, semEditor ? nullptr : &e), esconde);
    EXPECT_EQ(m.servico.textos(), mensagem.empty() ? Linhas{} : Linhas{mensagem});
    EXPECT_EQ(e.linhas, Linhas{documento});
    EXPECT_EQ(leAmbMacro(), esconde ? nome : "antes.amb");
  }
}

// The macro file shipped beside the program: Windows-1252 with CR LF, a
// comment first, and every code expands to its own replacement.
TEST(Macros, ArquivoDistribuido) {
  const char* dados = std::getenv("LUMAREL_DATA_DIR");
  ASSERT_NE(dados, nullptr);
  std::string texto, semFins;
  ASSERT_TRUE(plataforma::leArquivo(plataforma::juntaCaminho(dados, "codmat.amb"), texto));
  ASSERT_TRUE(texto.starts_with(";") && texto.ends_with("\r\n"));
  for (const auto& l : plataforma::LeitorLinhas(texto, plataforma::RegraFimLinha::lf)) semFins += l.texto;
  EXPECT_EQ(semFins.find_first_of("\r\n"), std::string::npos);  // every line end a CR LF
  apoio::Mensagens m;
  TabelaMacros t;
  ASSERT_TRUE(carregaMacros(texto, t));
  EXPECT_TRUE(t.numMacros() >= 35 && t.numMacros() <= 50) << t.numMacros();
  for (int k = 0; k < t.numMacros(); ++k) {
    const std::string& codigo = t.codigo(k);
    SCOPED_TRACE(codigo);
    EXPECT_TRUE(codigo.size() >= 3 && codigo.find_first_not_of("abcdefghijklmnopqrstuvwxyz", 1) == std::string::npos &&
                !t.substituicao(k).empty());
    EXPECT_EQ(expandeLinha(t, codigo), t.substituicao(k));
  }
}

}  // namespace
