#include "ovarquivo.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <sstream>

#include "apoio_testes.h"
#include "arquivos.h"
#include "brgrafpr.h"
#include "cp1252.h"
#include "dados.h"
#include "ovvars.h"

using namespace orvento;

namespace {

void poePontos(TMatrizPontos& m, const std::string& lista) {
  m.limpa();
  std::istringstream in(lista);
  for (std::string p; in >> p;) m.poe(std::stoi(p), std::stoi(p.substr(p.find(',') + 1)), 1);
}

using dados::pontosDe;

class ArquivoDesenho : public ::testing::Test {
 protected:
  apoio::Mensagens mensagens;
  apoio::PastaTemporaria pasta;
  void SetUp() override { reiniciaEstadoDesenho(); }
  void TearDown() override { reiniciaEstadoDesenho(); }
  std::vector<std::string> avisos() {
    std::vector<std::string> r;
    for (const auto& m : mensagens.servico.registro) r.push_back(m.titulo);
    return r;
  }
};

TEST_F(ArquivoDesenho, BlocosComoNaSelecao) {
  const std::map<std::string, void (*)()> comandos = {
      {"copia", copiaBloco}, {"recorta", recortaBloco}, {"cola", colaBloco}, {"sobrepoe", sobrepoeBloco}};
  for (const auto& c : dados::casos("blocos.txt")) {
    SCOPED_TRACE(c.texto);
    // Field 0 is what follows the command's name.
    const auto s = c.n(1), tamanhos = c.n(6);
    ASSERT_EQ(s.size(), 4u);
    selecao = {s[0], s[1], s[2], s[3]};
    poePontos(tela, c.campos.at(2));
    poePontos(telaRecorte, c.campos.at(3));
    comandos.at(c.nome)();
    EXPECT_EQ(pontosDe(tela), c.campos.at(4));
    EXPECT_EQ(pontosDe(telaRecorte), c.campos.at(5));
    EXPECT_EQ(std::vector<int>({larguraSelecao, alturaSelecao}), tamanhos);
  }
  // Undo exchanges: twice gives the drawing back.
  poePontos(tela, "1,2");
  poePontos(telaDesfazer, "3,4");
  trocaDesfazer();
  EXPECT_EQ(pontosDe(tela) + "|" + pontosDe(telaDesfazer), "3,4|1,2");
  trocaDesfazer();
  EXPECT_EQ(pontosDe(tela), "1,2");
}

TEST_F(ArquivoDesenho, SalvaEAbreComoOEditorLe) {
  // Empty: one empty line.
  mensagens.servico.respostasTexto = {pasta.arquivo("vazio")};
  EXPECT_TRUE(salvaDesenho());
  EXPECT_EQ(nomeDesenho, pasta.arquivo("vazio.grb"));  // the extension added
  EXPECT_EQ(pasta.le("vazio.grb"), "\r\n");
  EXPECT_EQ(tituloDesenho(), "Orvento vazio.grb");
  // The lowest dot on row 10, one at column 300: 11 lines, the 301st character.
  poePontos(tela, "0,0 300,10 7,3");
  mensagens.servico.respostasTexto = {pasta.arquivo("casa.GRB")};
  EXPECT_TRUE(salvaDesenhoComo());
  const std::string texto = pasta.le("casa.GRB");
  EXPECT_EQ(std::count(texto.begin(), texto.end(), '\n'), 11);
  EXPECT_EQ(texto.substr(0, 3), "*\r\n");
  EXPECT_EQ(texto.substr(texto.size() - 303), std::string(300, ' ') + "*\r\n");
  // The editor measures (301 columns to even, 11 rows to a multiple of 3)
  // and places it with the same dots.
  int largura = 0, altura = 0;
  dimensoesGrafico(nomeDesenho, largura, altura);
  EXPECT_EQ(std::pair(largura, altura), std::pair(302, 12));
  TMatrizPontos lida;
  ASSERT_TRUE(carregaGraficoTatil(lida, nomeDesenho, 0, 0));
  EXPECT_EQ(pontosDe(lida), pontosDe(tela));
  // And the drawing program reads it back.
  tela.limpa();
  ASSERT_TRUE(abreDesenho(pasta.arquivo("casa.GRB")));
  EXPECT_EQ(pontosDe(tela), "0,0 7,3 300,10");
  EXPECT_TRUE(mensagens.servico.registro.size() == 2);  // the two file names, no notice
}

TEST_F(ArquivoDesenho, ArquivosEstranhosNaoPerdemODesenho) {
  struct Caso {
    std::string conteudo, pontos;  // "todos": the whole canvas
    bool foraDaTela = false;       // dots beyond it: said once, the file kept
  };
  const std::string longa(2000, 'x');
  std::string muitas, cheia;
  for (int i = 0; i < 2000; ++i) muitas += longa + "\n";
  for (int i = 0; i < 301; ++i) cheia += std::string(301, 'x') + "\r\n";
  const std::string foraDaTela =
      "Este desenho passa de 301 por 301 pontos: a parte de fora não foi carregada e não será gravada."_cp;
  const Caso casos[] = {
      {"", ""},
      {"* *\r*\r\n\n *", "0,0 2,0 0,1 1,3"},    // CR, CR LF and LF end lines; CR is no dot
      {std::string("\0a\xff ", 4), "0,0 1,0 2,0"},  // any byte but the blank is a dot
      {muitas, "todos", true},
      {cheia + "   \r\n\r\n", "todos"},  // blanks beyond lose nothing
      {cheia + "    *", "todos", true},
      {std::string(301, ' ') + "*\r\n" + std::string(100, ' ') + "*", "100,1", true},
      {"*" + std::string(500, ' '), "0,0"}};
  for (const auto& c : casos) {
    SCOPED_TRACE(c.conteudo.substr(0, 20) + "... " + std::to_string(c.conteudo.size()));
    pasta.grava("d.grb", c.conteudo);
    mensagens.servico.limpa();
    if (c.foraDaTela) mensagens.esperaOk();
    ASSERT_TRUE(abreDesenho(pasta.arquivo("d.grb")));
    if (c.pontos == "todos") {
      EXPECT_EQ(std::count(tela.pontos.begin(), tela.pontos.end(), 1), 301 * 301);
    } else {
      EXPECT_EQ(pontosDe(tela), c.pontos);
    }
    EXPECT_EQ(mensagens.servico.textos(), c.foraDaTela ? std::vector{foraDaTela} : std::vector<std::string>{});
    EXPECT_EQ(pasta.le("d.grb"), c.conteudo);
  }
  mensagens.servico.limpa();
  // A folder or a missing file: the notice, and the drawing and its name stay.
  poePontos(tela, "4,4");
  nomeDesenho = "antes.grb";
  for (const std::string& nome : {pasta.caminho(), pasta.arquivo("falta.grb")}) {
    mensagens.esperaOk();
    EXPECT_FALSE(abreDesenho(nome));
  }
  EXPECT_EQ(pontosDe(tela), "4,4");
  EXPECT_EQ(nomeDesenho, "antes.grb");
  EXPECT_EQ(avisos(), std::vector<std::string>(2, "Arquivo não pode ser aberto"_cp));
  // A failed save says so and leaves the old file.
  pasta.grava("velho.grb", "velho");
  nomeDesenho = pasta.arquivo("nada/x.grb");
  mensagens.esperaOk();
  EXPECT_FALSE(salvaDesenho());
  nomeDesenho = pasta.caminho();
  mensagens.esperaOk();
  EXPECT_FALSE(salvaDesenho());
  EXPECT_EQ(avisos().back(), "Erro ao gravar arquivo");
  EXPECT_EQ(mensagens.servico.registro.size(), 4u);
  EXPECT_EQ(pasta.le("velho.grb"), "velho");
  // A cancelled dialog writes nothing.
  nomeDesenho.clear();
  mensagens.servico.respostasTexto = {std::nullopt};
  EXPECT_FALSE(salvaDesenho());
}

// The drawing takes a file's name only once it was read from or written to
// that file; the caption names that file.
TEST_F(ArquivoDesenho, NomeETituloSoDeArquivoLidoOuGravado) {
  pasta.grava("d.grb", "*");
  const struct {
    std::string antes;
    bool (*comando)();
    std::optional<std::string> resposta;  // to the file dialog
    std::string depois, aviso;
  } casos[] = {
      {"", salvaDesenho, "a", "a.grb", ""},  // the first save of a new drawing
      {"", salvaDesenho, "falta/a", "", "Erro ao gravar arquivo"},
      {"", salvaDesenho, std::nullopt, "", ""},
      {"b.grb", salvaDesenhoComo, "c.grb", "c.grb", ""},
      {"b.grb", salvaDesenhoComo, "falta/c", "b.grb", "Erro ao gravar arquivo"},
      {"b.grb", abreDesenhoEscolhido, "d.grb", "d.grb", ""}};
  for (const auto& c : casos) {
    SCOPED_TRACE(c.antes + " -> " + c.resposta.value_or("(cancelled)"));
    mensagens.servico.limpa();
    nomeDesenho = c.antes.empty() ? "" : pasta.arquivo(c.antes);
    mensagens.servico.respostasTexto = {c.resposta ? std::optional(pasta.arquivo(*c.resposta)) : std::nullopt};
    if (!c.aviso.empty()) mensagens.esperaOk();
    EXPECT_EQ(c.comando(), c.aviso.empty() && c.resposta.has_value());
    EXPECT_EQ(nomeDesenho, c.depois.empty() ? "" : pasta.arquivo(c.depois));
    EXPECT_EQ(tituloDesenho(), c.depois.empty() ? "Orvento" : "Orvento " + c.depois);
    EXPECT_EQ(avisos().empty() ? "" : avisos().back(), c.aviso);
  }
}

TEST_F(ArquivoDesenho, OrigemEscalaEPapelPerguntados) {
  struct Caso {
    bool (*comando)();
    std::optional<std::string> resposta;
    std::vector<double> valores;  // papel, origem, escala after it
    std::string aviso;
  };
  const std::string s = "Entre os números separados por espaço"_cp, c = "Coordenada incorretamente especificada";
  const Caso casos[] = {
      {perguntaOrigem, "3.7 2", {120, 120, 4, 2, 1, 1}, ""},
      {perguntaOrigem, "2.5 -0,5", {120, 120, 2, 0, 1, 1}, ""},  // halves to even
      {perguntaEscala, "0,5 -1", {120, 120, 0, 0, 0.5, -1}, ""},
      {perguntaEscala, "0 1", {120, 120, 0, 0, 1, 1}, c},
      {perguntaEscala, std::nullopt, {120, 120, 0, 0, 1, 1}, s},
      {perguntaNumeroPontos, "200 100", {200, 100, 0, 0, 1, 1}, ""},
      {perguntaNumeroPontos, "200 x", {120, 120, 0, 0, 1, 1}, c}};
  for (const auto& k : casos) {
    SCOPED_TRACE(k.resposta.value_or("(cancelled)"));
    reiniciaEstadoDesenho();
    papelX = papelY = 120;
    escalaX = escalaY = 1;
    mensagens.servico.registro.clear();
    mensagens.servico.respostasTexto = {k.resposta};
    if (!k.aviso.empty()) mensagens.esperaOk();
    EXPECT_EQ(k.comando(), k.aviso.empty());
    EXPECT_EQ(std::vector<double>({double(papelX), double(papelY), double(origemX), double(origemY), escalaX, escalaY}),
              k.valores);
    ASSERT_EQ(mensagens.servico.registro.size(), k.aviso.empty() ? 1u : 2u);
    if (!k.aviso.empty()) {
      EXPECT_EQ(avisos().back(), k.aviso);
    }
  }
  // The device is edited in place; cancelling keeps it.
  dispositivo = "LPT1";
  mensagens.servico.respostasTexto = {"PRN", std::nullopt};
  EXPECT_TRUE(perguntaDispositivo());
  EXPECT_FALSE(perguntaDispositivo());
  EXPECT_EQ(dispositivo, "PRN");
}

}  // namespace
