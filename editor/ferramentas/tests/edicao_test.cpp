#include "edicao.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "apoio_testes.h"
#include "apoio_traducao.h"
#include "brcodigo.h"
#include "cp1252.h"

namespace {

using Linhas = std::vector<std::string>;
using std::nullopt;

std::string xs(std::size_t n) { return std::string(n, 'x'); }

// ---------------------------------------------------------------------------
// The margin.

TEST(Margem, CorteMargem) {
  struct Esperado {
    std::size_t fica;
    std::string resto;
  };
  const struct {
    const char* nome;
    std::string linha;
    int maxCol;
    std::optional<int> coluna;
    std::optional<Esperado> esperado;
  } casos[] = {
      {"last blank within the margin", "aaaa bbbbbb", 10, nullopt, Esperado{5, "bbbbbb"}},
      {"first word past the margin", "aaaaaaaaaa b", 10, nullopt, Esperado{11, "b"}},
      {"exactly at the margin", "aaaaaaaaaa", 10, nullopt, nullopt},
      {"end blanks do not count", "aaaa bbbbb    ", 10, nullopt, nullopt},
      {"long line without blanks", xs(30), 10, nullopt, nullopt},
      {"a line of blanks", std::string(30, ' '), 10, nullopt, nullopt},
      {"several blanks: the last that fits", "aa bb cc dd ee", 10, nullopt, Esperado{9, "dd ee"}},
      {"the blank after the margin", "aaaa bbbb  cc", 10, nullopt, Esperado{11, "cc"}},
      {"the scan stops at the margin", "aaaa bbbbb cc", 10, nullopt, Esperado{5, "bbbbb cc"}},
      {"margin 1", "a b c", 1, nullopt, Esperado{2, "b c"}},
      {"margin below 1 is 1", "a b c", -4, nullopt, Esperado{2, "b c"}},
      {"a tab is no blank", "aaaa\tbbbbbbb", 10, nullopt, nullopt},
      {"control characters trimmed off the rest", "aaaa \x01\x02" "bbbbbb\x03", 10, nullopt,
       Esperado{5, "bbbbbb"}},
      {"caret past the margin cuts a short line", "aaaa bbbbb", 10, 11, Esperado{5, "bbbbb"}},
      {"caret at the margin keeps a long line", "aaaa bbbbbbbbb", 10, 10, nullopt},
  };
  for (const auto& c : casos) {
    SCOPED_TRACE(c.nome);
    const auto r = corteMargem(c.linha, c.maxCol, c.coluna);
    ASSERT_EQ(r.has_value(), c.esperado.has_value());
    if (!r) continue;
    EXPECT_EQ(r->fica, c.esperado->fica);
    EXPECT_EQ(r->resto, c.esperado->resto);
  }
}

TEST(Margem, DivideLinhasGrandes) {
  std::string longa;
  while (longa.size() < 100000) longa += "abcd ";
  const struct {
    const char* nome;
    Linhas linhas;
    int maxCol;
    Linhas esperado;
  } casos[] = {
      {"cut again and again", {"aaaa bbbb cccc dddd eeeee"}, 10, {"aaaa bbbb ", "cccc dddd ", "eeeee"}},
      {"lines that stay keep their end blanks", {"abc   ", "   ", ""}, 10, {"abc   ", "   ", ""}},
      {"the lines after stay in order", {"aaaa bbbbbb", "x"}, 10, {"aaaa ", "bbbbbb", "x"}},
      {"margin 1", {"a b c"}, 1, {"a ", "b ", "c"}},
  };
  for (const auto& c : casos) {
    SCOPED_TRACE(c.nome);
    EXPECT_EQ(divideLinhasGrandes(c.linhas, c.maxCol), c.esperado);
  }
  // A line of 100 000 characters: pieces of eight words, nothing lost.
  const Linhas r = divideLinhasGrandes({longa}, 40);
  ASSERT_EQ(r.size(), longa.size() / 40);
  std::string junto;
  for (std::size_t i = 0; i < r.size(); ++i) {
    EXPECT_EQ(r[i].size(), i + 1 < r.size() ? 40u : 39u);  // the last without its end blank
    junto += r[i];
  }
  EXPECT_EQ(junto, longa.substr(0, longa.size() - 1));
}

TEST(Margem, QuebraDigitada) {
  const struct {
    const char* nome;
    std::string linha;
    int coluna;
    int maxCol;
    std::optional<QuebraDigitada> esperado;
  } casos[] = {
      {"the word typed past the margin moves", "aaaa bbbbbb", 12, 10, QuebraDigitada{"aaaa ", "bbbbbb", true, 6}},
      {"a blank just typed moves with it", "aaaa bbbbbb ", 13, 10, QuebraDigitada{"aaaa ", "bbbbbb ", true, 7}},
      {"blanks after the caret go", "aaaa bbbbbb   ", 12, 10, QuebraDigitada{"aaaa ", "bbbbbb", true, 6}},
      {"caret inside the moved word", "aaaa bbbbbbb", 11, 10, QuebraDigitada{"aaaa ", "bbbbbbb", true, 5}},
      {"caret before the cut stays", "aaaaaaaaaaaa bbb", 10, 10, QuebraDigitada{"aaaaaaaaaaaa ", "bbb", false, 9}},
      {"leading blanks of the moved part go", "aaaaaaaaaaaa   bbb", 19, 10,
       QuebraDigitada{"aaaaaaaaaaaa ", "bbb", true, 3}},
      {"caret on a dropped blank", "aaaaaaaaaaaa   bbb", 14, 10, QuebraDigitada{"aaaaaaaaaaaa ", "bbb", true, 0}},
      {"nothing within the margin", "aaaa bbb", 9, 10, nullopt},
      {"nothing without a blank", xs(15), 16, 10, nullopt},
  };
  for (const auto& c : casos) {
    SCOPED_TRACE(c.nome);
    const auto r = quebraDigitada(c.linha, c.coluna, c.maxCol);
    ASSERT_EQ(r.has_value(), c.esperado.has_value());
    if (!r) continue;
    EXPECT_EQ(r->linha, c.esperado->linha);
    EXPECT_EQ(r->nova, c.esperado->nova);
    EXPECT_EQ(r->cursorNaNova, c.esperado->cursorNaNova);
    EXPECT_EQ(r->colunaCursor, c.esperado->colunaCursor);
  }
}

// ---------------------------------------------------------------------------
// Find and replace.

constexpr OpcoesBusca semCaixa{};
constexpr OpcoesBusca comCaixa{true, false};
constexpr OpcoesBusca palavra{false, true};

TEST(Busca, LocalizaTexto) {
  const struct {
    const char* nome;
    std::string texto;
    std::size_t inicio;
    std::string alvo;
    OpcoesBusca opcoes;
    std::optional<int> antes;
    std::optional<std::size_t> esperado;
  } casos[] = {
      {"case folded with accents", "Uma AÇÃO boa"_cp, 0, "ação"_cp, semCaixa, nullopt, 4},
      {"folded on both sides", "uma ação"_cp, 0, "AÇÃO"_cp, semCaixa, nullopt, 4},
      {"the code page's own pairs", "uma Œuvre"_cp, 0, "œUVRE"_cp, semCaixa, nullopt, 4},
      {"match case", "AÇÃO ação"_cp, 0, "ação"_cp, comCaixa, nullopt, 5},
      {"from the start given", "casa casa", 1, "casa", semCaixa, nullopt, 5},
      {"empty target", "casa", 0, "", semCaixa, nullopt, nullopt},
      {"start past the end", "casa", 9, "casa", semCaixa, nullopt, nullopt},
      {"whole word skips a longer word", "casas casa", 0, "casa", palavra, nullopt, 6},
      {"an accented letter is a letter after", "casaé casa"_cp, 0, "casa", palavra, nullopt, 6},
      {"an accented letter is a letter before", "écasa casa"_cp, 0, "casa", palavra, nullopt, 6},
      {"a letter outside Latin-1 is a letter", "casaœ casa"_cp, 0, "casa", palavra, nullopt, 6},
      {"a digit counts as a letter", "casa1 casa", 0, "casa", palavra, nullopt, 6},
      {"times and divide are no letters", "×casa÷"_cp, 0, "casa", palavra, nullopt, 1},
      {"the text's own character before the start", "xcasa", 1, "casa", palavra, nullopt, nullopt},
      {"a given character before the start", "xcasa", 1, "casa", palavra, ' ', 1},
      {"a given letter before the start", "casa", 0, "casa", palavra, 'x', nullopt},
      {"no character before the start", "xcasa", 1, "casa", palavra, -1, 1},
      {"ends at the window's end", xs(99995) + "abcd", 0, "abcd", semCaixa, nullopt, 99995},
      {"ends past the window", xs(99996) + "abcd", 0, "abcd", semCaixa, nullopt, nullopt},
      {"a line break counts two", "\n" + xs(99993) + "abcd", 0, "abcd", semCaixa, nullopt, 99994},
      {"a line break counts two, past", "\n" + xs(99994) + "abcd", 0, "abcd", semCaixa, nullopt, nullopt},
      {"the window starts at the start", "abcd" + xs(99995) + "abcd", 4, "abcd", comCaixa, nullopt, 99999},
  };
  for (const auto& c : casos) {
    SCOPED_TRACE(c.nome);
    EXPECT_EQ(localizaTexto(c.texto, c.inicio, c.alvo, c.opcoes, c.antes), c.esperado);
  }
}

TEST(Busca, SubstituiTodas) {
  const struct {
    const char* nome;
    std::string texto;
    std::size_t inicio;
    std::string alvo, novo;
    OpcoesBusca opcoes;
    int quantidade;
    std::size_t trechoInicio, trechoFim;
    std::string resultado;
  } casos[] = {
      {"every match", "a casa, a CASA", 0, "casa", "lar", semCaixa, 2, 2, 14, "a lar, a lar"},
      {"from the start given", "casa casa", 1, "casa", "lar", semCaixa, 1, 5, 9, "casa lar"},
      {"accents folded", "AÇÃO e ação"_cp, 0, "ação"_cp, "x", semCaixa, 2, 0, 11, "x e x"},
      {"the new text holds the target", "aa", 0, "a", "aa", semCaixa, 2, 0, 2, "aaaa"},
      {"empty target", "casa", 0, "", "x", semCaixa, 0, 0, 0, "casa"},
      {"no match", "casa", 0, "lar", "x", semCaixa, 0, 0, 0, "casa"},
      {"empty new text", "casa, casa", 0, "casa", "", semCaixa, 2, 0, 10, ", "},
      {"whole word after a replacement ending in a letter", "x -a-a", 0, "-a", "z", palavra, 1, 2, 4, "x z-a"},
      {"whole word after a replacement ending in a sign", "x -a-a", 0, "-a", ".", palavra, 2, 2, 6, "x .."},
      {"whole word after an empty replacement", "x -a-a", 0, "-a", "", palavra, 2, 2, 6, "x "},
      {"each search has its own window", "ab" + xs(99990) + "ab" + xs(99990) + "ab", 0, "ab", "c", semCaixa, 3,
       0, 199986, "c" + xs(99990) + "c" + xs(99990) + "c"},
      {"a gap wider than the window", "ab" + xs(99998) + "ab", 0, "ab", "c", semCaixa, 1, 0, 2,
       "c" + xs(99998) + "ab"},
  };
  for (const auto& c : casos) {
    SCOPED_TRACE(c.nome);
    const SubstituicaoTotal r = substituiTodas(c.texto, c.inicio, c.alvo, c.novo, c.opcoes);
    EXPECT_EQ(r.quantidade, c.quantidade);
    if (r.quantidade == 0) continue;
    EXPECT_EQ(r.inicio, c.trechoInicio);
    EXPECT_EQ(r.fim, c.trechoFim);
    ASSERT_LE(r.inicio, r.fim);
    EXPECT_EQ(c.texto.substr(0, r.inicio) + r.trecho + c.texto.substr(r.fim), c.resultado);
  }
}

// ---------------------------------------------------------------------------
// Plain text through a temporary file.

// TMPDIR for one test.
class PastaTemporariaSistema {
 public:
  explicit PastaTemporariaSistema(const std::string& pasta) {
    if (const char* a = std::getenv("TMPDIR")) antigo_ = a;
    ::setenv("TMPDIR", pasta.c_str(), 1);
  }
  ~PastaTemporariaSistema() {
    if (antigo_)
      ::setenv("TMPDIR", antigo_->c_str(), 1);
    else
      ::unsetenv("TMPDIR");
  }

 private:
  std::optional<std::string> antigo_;
};

bool pastaVazia(const std::string& pasta) { return std::filesystem::is_empty(pasta); }

TEST(Formatacoes, EliminaFormatacoes) {
  const struct {
    const char* nome;
    Linhas linhas;
    Linhas esperado;
  } casos[] = {
      {"tabs become two blanks", {"a\tb", "\tc"}, {"a  b", "  c"}},
      {"a lone CR ends a line", {"x\ry", "z"}, {"x", "y", "z"}},
      {"empty lines stay", {"", ""}, {"", ""}},
      {"no lines", {}, {}},
  };
  apoio::PastaTemporaria pasta;
  apoio::Mensagens mensagens;
  PastaTemporariaSistema tmp(pasta.caminho());
  for (const auto& c : casos) {
    SCOPED_TRACE(c.nome);
    Linhas linhas = c.linhas;
    EXPECT_TRUE(eliminaFormatacoes(linhas));
    EXPECT_EQ(linhas, c.esperado);
    EXPECT_TRUE(pastaVazia(pasta.caminho()));
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
  EXPECT_TRUE(pastaVazia(pasta.caminho()));
}

// ---------------------------------------------------------------------------
// Meta-Braille.

TEST(MetaBraille, TextoMetaBraille) {
  const std::string grande = xs(limiteMetaBraille - 2) + "\r\n";  // ends at the limit
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
      {"a line added at exactly the limit", 0, 2, 3, xs(limiteMetaBraille - 2), nullopt, grande + grande},
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
  const struct {
    const char* nome;
    Linhas linhas;
    int primeira, ultima;
    std::string esperado;
  } casos[] = {
      {"a number", {"10"}, 0, 0, "#aj\r\n"},
      {"the lines asked for", {"10", "23", "45"}, 1, 9, "#bc\r\n#de\r\n"},
  };
  for (const auto& c : casos) {
    SCOPED_TRACE(c.nome);
    tabelaImpressora['#'] = '.';
    EXPECT_EQ(copiaMetaBraille(c.linhas, c.primeira, c.ultima), c.esperado);
    EXPECT_EQ(tabelaImpressora, tabelaIdentidade());
  }
}

}  // namespace
