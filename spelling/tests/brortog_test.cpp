#include "brortog.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "apoio_testes.h"
#include "brdic.h"
#include "brvars.h"
#include "casos_ortografia.h"
#include "cp1252.h"

namespace {

using Linhas = std::vector<std::string>;
using Cursor = std::pair<int, int>;

// A document in memory whose caret behaves as the editor's: a column past its
// line's end stops at the end, a line past the last is the end of the text.
struct Documento : DocumentoOrtografia {
  explicit Documento(Linhas l) : linhas(std::move(l)) {}
  Linhas linhas;
  Cursor cursor;
  mutable int leituras = 0;

  int numeroLinhas() const override { return static_cast<int>(linhas.size()); }
  std::string linha(int i) const override {
    ++leituras;
    return i < 0 || i >= numeroLinhas() ? std::string() : linhas[static_cast<std::size_t>(i)];
  }
  void defineLinha(int i, const std::string& texto) override {
    linhas.at(static_cast<std::size_t>(i)) = texto;
  }
  void posicaoCursor(int& l, int& c) const override { std::tie(l, c) = cursor; }
  void irParaLinhaColuna(int l, int c) override {
    const int i = std::max(l, 0);
    cursor = i >= numeroLinhas()
                 ? Cursor(numeroLinhas(), 0)
                 : Cursor(i, std::clamp(c, 0, static_cast<int>(linhas[static_cast<std::size_t>(i)].size())));
  }
};

// The windows: the replacement window answers from a list and records the
// word and the context it was shown ("-" for none).
struct Janelas {
  Linhas respostas, palavras, frases, avisos;
  int esperas = 0;
  JanelasOrtografia ganchos() {
    return {[this] { ++esperas; }, [this] { --esperas; },
            [this](const std::string& t) { avisos.push_back(t); },
            [this](const std::optional<std::string>& frase) {
              EXPECT_EQ(palavraEscolhida, palavraOriginal);
              palavras.push_back(palavraOriginal);
              frases.push_back(frase.value_or("-"));
              ASSERT_FALSE(respostas.empty()) << palavraOriginal;
              if (respostas.front() != "=") palavraEscolhida = respostas.front();
              respostas.erase(respostas.begin());
            }};
  }
};

Linhas separaLinhas(const std::string& campo) {
  Linhas r;
  for (std::size_t a = 0; !campo.empty();) {
    const std::size_t b = campo.find(" / ", a);
    r.push_back(campo.substr(a, b == std::string::npos ? b : b - a));
    if (b == std::string::npos) break;
    a = b + 3;
  }
  return r;
}

Cursor cursorDe(const std::string& campo) {
  const Linhas p = casos::palavras(campo);
  return {std::stoi(p.at(0)), std::stoi(p.at(1))};
}

class Ortografia : public ::testing::Test {
 protected:
  void SetUp() override {
    reiniciaVariaveis();
    reiniciaOrtografia();
    dirPrograma = casos::pastaDados();
    configuracao.ARQDIC = "verbos.dic";
    configuracao.ARQSUFIXOS = "verbos.suf";
    configuracao.ARQINEXIST = "verbos.exc";
    configuracao.ARQNOMES = "verbos.nom";
    configuracao.ARQSUGERE = "verbos.sug";
  }
  void TearDown() override {
    desmontaDicionario();
    reiniciaOrtografia();
    reiniciaVariaveis();
  }
  apoio::WindowsTemporario windows;
  apoio::Mensagens mensagens;
};

TEST(ProximaPalavra, DeUmaColuna) {
  for (const auto& c : casos::le("proxima.casos")) {
    SCOPED_TRACE(c[0] + " @" + c[1]);
    Documento d({c[0], "fim"});
    int linha = 0;
    int coluna = std::stoi(c[1]);
    std::string palavra = "resto";
    EXPECT_TRUE(proximaPalavra(d, linha, coluna, palavra));
    EXPECT_EQ(std::tuple(palavra, linha, coluna), std::tuple(c[2], std::stoi(c[3]), std::stoi(c[4])));
  }
  Documento d({"a", " ;"});
  int linha = 1;
  int coluna = 1;
  std::string palavra = "resto";
  EXPECT_FALSE(proximaPalavra(d, linha, coluna, palavra));
  EXPECT_EQ(std::tuple(palavra, linha, coluna), std::tuple("", 2, 0));
}

TEST(FraseContexto, QuinzeAntesEInicioMaisQuinzeDeComprimento) {
  std::string l;
  for (int i = 1; i <= 60; ++i) l += static_cast<char>('A' + i % 26);
  // Word at 30: characters 15 to 59; at 1: the first 16; cut at the line's end.
  for (const auto& [inicio, esperado] : std::vector<std::pair<int, std::string>>{
           {30, l.substr(14, 45)}, {1, l.substr(0, 16)}, {10, l.substr(0, 25)}, {55, l.substr(39)}})
    EXPECT_EQ(fraseContexto(l, inicio), "..." + esperado + "...") << inicio;
}

TEST_F(Ortografia, ComandosNoDocumento) {
  for (const auto& c : casos::le("verifica.casos")) {
    SCOPED_TRACE(c[0] + " | " + c[2]);
    reiniciaOrtografia();
    Documento d(separaLinhas(c[0]));
    d.cursor = cursorDe(c[1]);
    Janelas j;
    for (std::string passo : casos::palavras(c[2])) {
      SCOPED_TRACE(passo);
      const bool outras = passo[0] == '*';
      if (outras) passo.erase(0, 1);
      const std::size_t seta = passo.find('>');
      j.respostas = {seta == std::string::npos ? "" : passo.substr(seta + 1)};
      mensagens.servico.limpa();
      if (passo == ".") mensagens.esperaOk();
      (outras ? outrasAlternativas : verificaErro)(d, j.ganchos());
      EXPECT_EQ(mensagens.servico.textos(), passo == "." ? Linhas{"Fim do Texto"} : Linhas{});
      EXPECT_EQ(j.palavras, passo == "." ? Linhas{} : Linhas{passo.substr(0, seta)});
      for (const std::string& f : j.frases) EXPECT_EQ(f == "-", outras);
      j.palavras.clear();
      j.frases.clear();
    }
    EXPECT_EQ(d.linhas, separaLinhas(c[3]));
    EXPECT_EQ(d.cursor, cursorDe(c[4]));
    EXPECT_EQ(j.esperas, 0);
  }
}

// Loading and freeing: the notice or the plain message, one per command, and
// a failed load leaves no dictionary and the document as it was.
TEST_F(Ortografia, CarregarLiberarEFalhas) {
  Documento d({"xpto"});
  const struct {
    std::function<void(const JanelasOrtografia&)> comando;
    const char* sufixos;
    std::string aviso, mensagem;
    bool carregado;
  } passos[] = {
      {liberaDicionario, "verbos.suf", "", "Dicionário não estava carregado"_cp, false},
      {[&](auto& j) { verificaErro(d, j); }, "falta.suf", "", "Erro ao carregar o Dicionário"_cp, false},
      {[&](auto& j) { outrasAlternativas(d, j); }, "falta.suf", "", "Erro ao carregar o Dicionário"_cp,
       false},
      {carregaDicionario, "verbos.suf", "Dicionário carregado"_cp, "", true},
      {carregaDicionario, "verbos.suf", "Dicionário carregado"_cp, "", true},
      {liberaDicionario, "verbos.suf", "Dicionário removido da memória"_cp, "", false},
      {liberaDicionario, "verbos.suf", "", "Dicionário não estava carregado"_cp, false},
      {carregaDicionario, "verbos.suf", "Dicionário carregado"_cp, "", true},
      {carregaDicionario, "falta.suf", "", "Erro ao carregar o Dicionário"_cp, false},
  };
  for (const auto& p : passos) {
    SCOPED_TRACE(p.aviso + p.mensagem + p.sufixos);
    configuracao.ARQSUFIXOS = p.sufixos;
    Janelas j;
    mensagens.servico.limpa();
    if (!p.mensagem.empty()) mensagens.esperaOk();
    p.comando(j.ganchos());
    EXPECT_EQ(j.avisos, p.aviso.empty() ? Linhas{} : Linhas{p.aviso});
    EXPECT_EQ(mensagens.servico.textos(), p.mensagem.empty() ? Linhas{} : Linhas{p.mensagem});
    EXPECT_EQ(std::pair(dicionarioCarregado, listaPalavras.size() > 0), std::pair(p.carregado, p.carregado));
    EXPECT_EQ(j.esperas, 0);
  }
  EXPECT_EQ(std::pair(d.linhas, d.cursor), std::pair(Linhas{"xpto"}, Cursor(0, 0)));
}

// Every byte, a line of 100 000 blanks and a word of 100 000 letters: the
// check stops only at words and reads each line once on its way.
TEST_F(Ortografia, DocumentosExtremos) {
  std::string todos;
  for (int b = 0; b < 256; ++b) todos += static_cast<char>(b);
  const std::string xis(100000, 'x');
  Documento d({todos, std::string(100000, ' ') + "canto", xis, "canto"});
  Janelas j;
  for (int i = 0; i < 50 && (j.palavras.empty() || j.palavras.back() != xis); ++i) {
    j.respostas = {"="};
    verificaErro(d, j.ganchos());
  }
  ASSERT_FALSE(j.palavras.empty());
  EXPECT_EQ(std::pair(j.palavras.back(), d.cursor), std::pair(xis, Cursor(2, 100000)));
  EXPECT_EQ(j.palavras[0], "ABCDEFGHIJKLMNOPQRSTUVWXYZ");
  mensagens.esperaOk();
  d.leituras = 0;
  verificaErro(d, j.ganchos());
  EXPECT_EQ(mensagens.servico.textos(), Linhas{"Fim do Texto"});
  EXPECT_LE(d.leituras, 3);
  EXPECT_EQ(d.linhas[0], todos);
}

}  // namespace
