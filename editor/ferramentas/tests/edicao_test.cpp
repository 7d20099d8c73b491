#include "edicao.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "apoio_testes.h"
#include "apoio_traducao.h"
#include "brcodigo.h"
#include "casos.h"

namespace {

using Linhas = std::vector<std::string>;
using std::nullopt;

// ---------------------------------------------------------------------------
// The margin and find and replace: the cases are in dados/.

TEST(Margem, CorteMargem) {
  for (const auto& c : casos::le("corteMargem.tsv")) {
    SCOPED_TRACE(c);
    const auto r = corteMargem(c[1], c.n(2), c.talvez(3));
    EXPECT_EQ(r.has_value(), c[4] != "-");
    if (!r || c[4] == "-") continue;
    EXPECT_EQ(std::pair(r->fica, r->resto), std::pair(c.n<std::size_t>(4), c[5]));
  }
}

TEST(Margem, DivideLinhasGrandes) {
  for (const auto& c : casos::le("divideLinhasGrandes.tsv")) {
    SCOPED_TRACE(c);
    EXPECT_EQ(divideLinhasGrandes(c.linhas(1), c.n(2)), c.linhas(3));
  }
}

TEST(Margem, QuebraDigitada) {
  for (const auto& c : casos::le("quebraDigitada.tsv")) {
    SCOPED_TRACE(c);
    const auto r = quebraDigitada(c[1], c.n(2), c.n(3));
    EXPECT_EQ(r.has_value(), c[4] != "-");
    if (!r || c[4] == "-") continue;
    EXPECT_EQ(std::tuple(r->linha, r->nova, r->cursorNaNova, r->colunaCursor),
              std::tuple(c[4], c[5], c[6] == "yes", c.n(7)));
  }
}

OpcoesBusca opcoes(const std::string& nome) { return {nome == "case", nome == "word"}; }

TEST(Busca, LocalizaTexto) {
  for (const auto& c : casos::le("localizaTexto.tsv")) {
    SCOPED_TRACE(c);
    EXPECT_EQ(localizaTexto(c[1], c.n(2), c[3], opcoes(c[4]), c.talvez(5)), c.talvez<std::size_t>(6));
  }
}

TEST(Busca, SubstituiTodas) {
  for (const auto& c : casos::le("substituiTodas.tsv")) {
    SCOPED_TRACE(c);
    const SubstituicaoTotal r = substituiTodas(c[1], c.n(2), c[3], c[4], opcoes(c[5]));
    EXPECT_EQ(r.quantidade, c.n(6));
    ASSERT_LE(r.inicio, r.fim);
    EXPECT_EQ(c[1].substr(0, r.inicio) + r.trecho + c[1].substr(r.fim), c[9]);
    if (c[7] == "-") continue;
    EXPECT_EQ(std::pair(r.inicio, r.fim), std::pair(c.n<std::size_t>(7), c.n<std::size_t>(8)));
  }
}

// ---------------------------------------------------------------------------
// Plain text through a temporary file.

// TMPDIR for one test.
struct PastaTemporariaSistema {
  explicit PastaTemporariaSistema(const std::string& pasta) {
    if (const char* a = std::getenv("TMPDIR")) antigo = a;
    ::setenv("TMPDIR", pasta.c_str(), 1);
  }
  ~PastaTemporariaSistema() { antigo ? ::setenv("TMPDIR", antigo->c_str(), 1) : ::unsetenv("TMPDIR"); }
  std::optional<std::string> antigo;
};

TEST(Formatacoes, EliminaFormatacoes) {
  apoio::PastaTemporaria pasta;
  apoio::Mensagens mensagens;
  PastaTemporariaSistema tmp(pasta.caminho());
  struct Caso { const char* nome; Linhas linhas, esperado; };
  for (Caso c : {Caso{"tabs become two blanks", {"a\tb", "\tc"}, {"a  b", "  c"}},
                 Caso{"a lone CR ends a line", {"x\ry", "z"}, {"x", "y", "z"}},
                 Caso{"empty lines stay", {"", ""}, {"", ""}}, Caso{"no lines", {}, {}}}) {
    SCOPED_TRACE(c.nome);
    EXPECT_TRUE(eliminaFormatacoes(c.linhas));
    EXPECT_EQ(c.linhas, c.esperado);
    EXPECT_TRUE(std::filesystem::is_empty(pasta.caminho()));
  }
  EXPECT_TRUE(mensagens.servico.registro.empty());
}

TEST(Formatacoes, falhaNomeiaOArquivoEGuardaOsTabsExpandidos) {
  apoio::PastaTemporaria pasta;
  apoio::Mensagens mensagens;
  mensagens.esperaOk();
  PastaTemporariaSistema tmp(pasta.arquivo("falta"));
  Linhas linhas{"a\tb"};
  EXPECT_FALSE(eliminaFormatacoes(linhas));
  EXPECT_EQ(linhas, (Linhas{"a  b"}));
  EXPECT_EQ(mensagens.servico.textos(), (Linhas{"Erro ao gravar " + pasta.arquivo("falta/lumarelXXXXXX.tmp")}));
  EXPECT_TRUE(std::filesystem::is_empty(pasta.caminho()));
}

// ---------------------------------------------------------------------------
// Meta-Braille.

TEST(MetaBraille, TextoMetaBraille) {
  const std::string linha(limiteMetaBraille - 2, 'x'), grande = linha + "\r\n";  // ends at the limit
  const struct {
    const char* nome;
    int primeira, ultima, numeroLinhas;
    std::string braille;  // of every line
    std::optional<int> falha;
    std::optional<std::string> esperado;
  } casos[] = {
      {"digits become letters", 0, 0, 1, "#1234567890.", nullopt, "#abcdefghij.\r\n"},
      {"lines past the end left out", 1, 5, 3, "1", nullopt, "a\r\na\r\n"},
      {"a negative first line is 0", -2, 0, 3, "1", nullopt, "a\r\n"},
      {"no lines", 2, 1, 3, "1", nullopt, ""},
      {"a failed translation gives nothing", 0, 2, 3, "1", 1, nullopt},
      {"a line added at exactly the limit", 0, 2, 3, linha, nullopt, grande + grande},
  };
  for (const auto& c : casos) {
    SCOPED_TRACE(c.nome);
    const auto traduz = [&](int i, std::string& s) {
      s = c.braille;
      return i != c.falha;
    };
    EXPECT_EQ(textoMetaBraille(c.primeira, c.ultima, c.numeroLinhas, traduz), c.esperado);
  }
}

class CopiaMetaBraille : public apoio::TesteTraducao {};

TEST_F(CopiaMetaBraille, traduzPelaTabelaIdentidade) {
  struct Caso { const char* nome; Linhas linhas; int primeira, ultima; std::string esperado; };
  for (const Caso& c : {Caso{"a number", {"10"}, 0, 0, "#aj\r\n"},
                        Caso{"the lines asked for", {"10", "23", "45"}, 1, 9, "#bc\r\n#de\r\n"}}) {
    SCOPED_TRACE(c.nome);
    tabelaImpressora['#'] = '.';
    EXPECT_EQ(copiaMetaBraille(c.linhas, c.primeira, c.ultima), c.esperado);
    EXPECT_EQ(tabelaImpressora, tabelaIdentidade());
  }
}

}  // namespace
