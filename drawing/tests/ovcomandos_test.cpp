#include "ovcomandos.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <clocale>
#include <filesystem>
#include <functional>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "apoio_testes.h"
#include "dados.h"
#include "ovtelavirt.h"
#include "ovvars.h"

using namespace orvento;
using plataforma::Botao;
using Avisos = std::vector<std::string>;

namespace {

using dados::pontosDe;

class Comandos : public ::testing::Test {
 protected:
  apoio::PastaTemporaria pasta;
  plataforma::ServicoMensagensGravador gravador;
  std::vector<std::string> textos;  // what the fake text and Braille drawings were given

  void SetUp() override {
    reiniciaEstadoDesenho();
    reiniciaComandos();
    corPonto = 1;
    gravador.aoInesperado = [](const std::string& d) { ADD_FAILURE() << "unexpected: " << d; };
    plataforma::instalaServicoMensagens(&gravador);
    desenhaTextoComando = [this](std::string_view t, int x, int y, int d) {
      return anota("T", {x, y, d}, t);
    };
    desenhaBrailleComando = [this](std::string_view t, int x, int y, int d, int tamanho) {
      return anota("B", {x, y, d, tamanho}, t);
    };
  }
  bool anota(std::string s, std::initializer_list<int> v, std::string_view texto) {
    for (int n : v) s += " " + std::to_string(n);
    textos.push_back(s + " " + std::string(texto));
    return true;
  }
  void TearDown() override {
    plataforma::simulaFalhaCriacao(0);
    plataforma::instalaServicoMensagens(nullptr);
    desenhaTextoComando = nullptr;
    desenhaBrailleComando = nullptr;
    reiniciaComandos();
  }

  // Runs a command whose file dialog answers nome (when given) and whose n
  // notices take OK; the notices (boxes titled with their text) it showed.
  template <class F>
  Avisos roda(F f, int n, std::optional<std::optional<std::string>> nome = std::nullopt) {
    if (nome) gravador.respostasTexto.push_back(*nome);
    gravador.respostasBotao.assign(n, Botao::ok);
    gravador.registro.clear();
    f();
    Avisos r;
    for (const auto& m : gravador.registro)
      if (m.pedido == plataforma::RegistroMensagem::Tipo::mensagem) r.push_back(m.titulo);
    return r;
  }
  void registra(const std::string& nome, const std::string& aviso = avisoArquivoNovo) {
    EXPECT_EQ(roda(iniciaRegistro, 1, nome), Avisos{aviso});
    EXPECT_TRUE(registrando);
  }
  void termina() { EXPECT_EQ(roda(terminaRegistro, 1), Avisos{avisoArquivoGravado}); }
};

TEST_F(Comandos, NumberFormatsAndWords) {
  for (const auto& c : dados::casos("comandos_formatos.txt")) {
    SCOPED_TRACE(c.texto);
    const long double v = std::stold(c.campos[0]);
    const std::string e = formataE(static_cast<double>(v));
    if (c.nome == "F") EXPECT_EQ(formataF(v), c.campos[1]);
    else EXPECT_EQ(e, (v < 0 ? "" : " ") + c.campos[1]);
  }
  for (const auto& c : dados::casos("comandos_numeros.txt")) {
    SCOPED_TRACE(c.texto);
    if (c.campos[1] == "nao") EXPECT_FALSE(leNumero(c.campos[0]));
    else EXPECT_EQ(leNumero(c.campos[0]), std::stod(c.campos[1]));
  }
  for (const auto& [linha, palavra, resto] :
       {std::tuple{"  RETA   1 2 \r", "RETA", "  1 2"}, {"\t\x01X\r\n", "X", ""}, {"", "", ""}}) {
    std::string l = linha, p;
    separaPalavra(l, p);
    EXPECT_EQ(p + "|" + l, std::string(palavra) + "|" + resto) << linha;
  }
}

TEST_F(Comandos, ReplayDrawsAndStopsAtTheBadLine) {
  for (const auto& c : dados::casos("comandos_execucao.txt")) {
    SCOPED_TRACE(c.nome);
    reiniciaEstadoDesenho();  // the start: no mouse press yet
    std::string arquivo;  // with "\n", "\r", "\t" and "\s" (a blank) undone
    for (std::size_t i = 0; i < c.campos[0].size(); ++i) {
      const char e = c.campos[0][i] == '\\' ? c.campos[0][++i] : 0;
      arquivo += !e ? c.campos[0][i] : e == 'n' ? '\n' : e == 'r' ? '\r' : e == 't' ? '\t' : ' ';
    }
    EXPECT_EQ(executaComandos(arquivo), std::stoul(c.campos[1]));
    EXPECT_EQ(pontosDe(tela), c.campos[2]);
  }
}

TEST_F(Comandos, WritersGoldenAndTextsReplayed) {
  origemX = 10, origemY = 20, escalaX = 2, escalaY = -1;
  registra(pasta.arquivo("gravado"));
  registraReta(10, 20, 30, 20);
  registraRetangulo(11, 25, 9, 19);
  registraArea(10.00002, 20, 13, 21);
  registraElipse(9.99998, 20.5, 10, 20);
  registraAreaEliptica(1000000, 0, 0, 0);
  registraCircunferencia(20, 30, 5);
  registraCirculo(10, 20, 0);
  numPontosCurva = 3;
  pontosCurva[1] = {0, 0}, pontosCurva[2] = {6, 10}, pontosCurva[3] = {1203, 4};
  registraCurva();
  registraTexto(0, 1, "Olá mundo"_cp, 12, 22);
  registraTexto(0, 1, "", 12, 22);
  registraBraille(2, 2, " ab", 10, 20);
  registraBraille(0, 0, "a\r\nb", 10, 20);
  const std::string esperado = dados::arquivo("comandos_gravados.gbr");
  EXPECT_EQ(pasta.le("gravado.gbr"), esperado);
  termina();
  registraReta(1, 2, 3, 4);  // no longer recording
  EXPECT_EQ(pasta.le("gravado.gbr"), esperado);

  EXPECT_EQ(executaComandos(esperado), 0u);
  EXPECT_EQ(textos, (std::vector<std::string>{"T 12 22 1 " + "Olá mundo"_cp, "B 10 20 2 2  ab",
                                              "B 10 20 0 0 a  b"}));
  EXPECT_EQ(textoDigitado, "a  b");
}

TEST_F(Comandos, RecordedFigureReplaysToTheSameDots) {
  using Caixa = std::function<void(int, int, int, int)>;
  const auto elipse = [](bool cheia) {
    return [cheia](int x1, int y1, int x2, int y2) { tracaElipse(x1, y1, x2, y2, cheia); };
  };
  const std::map<std::string, std::pair<Caixa, void (*)(double, double, double, double)>> caixas = {
      {"reta", {tracaReta, registraReta}},          {"retang", {tracaRetangulo, registraRetangulo}},
      {"area", {preencheArea, registraArea}},       {"elipse", {elipse(false), registraElipse}},
      {"areael", {elipse(true), registraAreaEliptica}}};
  for (const auto& c : dados::casos("comandos_figuras.txt")) {
    SCOPED_TRACE(c.texto);
    const auto origem = c.n(1);
    const auto escala = c.n<double>(2);
    const auto inicia = [&] {
      reiniciaEstadoDesenho();
      corPonto = 1;
      origemX = origem[0], origemY = origem[1], escalaX = escala[0], escalaY = escala[1];
    };
    inicia();
    std::filesystem::remove(pasta.arquivo("ida.gbr"));
    registra(pasta.arquivo("ida.gbr"));
    const auto v = c.n(0);
    if (caixas.count(c.nome)) {
      caixas.at(c.nome).first(v[0], v[1], v[2], v[3]);
      caixas.at(c.nome).second(v[0], v[1], v[2], v[3]);
    } else if (c.nome == "curva") {
      for (std::size_t i = 0; i + 1 < v.size(); i += 2) {
        tracaReta(v[i] / tamPonto, v[i + 1] / tamPonto, v[i] / tamPonto, v[i + 1] / tamPonto);
        pontosCurva[++numPontosCurva] = {v[i], v[i + 1]};
      }
      tracaCurva();
      registraCurva();
    } else {
      tracaCircunferencia(v[0], v[1], v[2], c.nome == "circulo");
      (c.nome == "circulo" ? registraCirculo : registraCircunferencia)(v[0], v[1], v[2]);
    }
    const std::string desenhado = pontosDe(tela);
    EXPECT_FALSE(desenhado.empty());
    termina();
    inicia();
    EXPECT_EQ(executaComandos(pasta.le("ida.gbr")), 0u);
    EXPECT_EQ(pontosDe(tela), desenhado);
  }
}

TEST_F(Comandos, StartingAddsToAnExistingFileOrRefusesIt) {
  pasta.grava("velho.gbr", "RETA 1 1 1 1");
  registra(pasta.arquivo("velho.gbr"), avisoArquivoExistente);
  registraReta(2, 2, 2, 2);
  EXPECT_EQ(pasta.le("velho.gbr"), "RETA 1 1 1 1\r\nRETA    2.0000 2.0000 2.0000 2.0000\r\n");
  // A new start ends the open recording first.
  EXPECT_EQ(roda(iniciaRegistro, 2, pasta.arquivo("velho.gbr")),
            (Avisos{avisoArquivoGravado, avisoArquivoExistente}));
  std::filesystem::create_directory(pasta.arquivo("pasta.gbr"));
  for (const std::string& nome : {pasta.arquivo("falta/x.gbr"), pasta.arquivo("pasta.gbr")}) {
    const Avisos avisos = roda(iniciaRegistro, registrando ? 2 : 1, nome);
    EXPECT_EQ(avisos.back(), avisoArquivoInutilizavel) << nome;
    EXPECT_FALSE(registrando);
  }
  EXPECT_TRUE(std::filesystem::is_directory(pasta.arquivo("pasta.gbr")));
  EXPECT_EQ(roda(iniciaRegistro, 0, std::optional<std::string>{}), Avisos{});
}

TEST_F(Comandos, AFailedWriteEndsTheRecordingAndKeepsTheFile) {
  registra(pasta.arquivo("r.gbr"));
  registraReta(1, 1, 1, 1);
  const std::string antes = pasta.le("r.gbr");
  plataforma::simulaFalhaCriacao(EACCES, pasta.caminho());
  EXPECT_EQ(roda([] { registraArea(5, 5, 6, 6); }, 1), Avisos{avisoErroGravar});
  EXPECT_FALSE(registrando);
  plataforma::simulaFalhaCriacao(0);
  EXPECT_EQ(pasta.le("r.gbr"), antes);
  EXPECT_EQ(roda(terminaRegistro, 0), Avisos{});
}

TEST_F(Comandos, ReplayEndsTheRecordingAndNamesTheBadLine) {
  registra(pasta.arquivo("r.gbr"));
  registraReta(1, 1, 2, 1);
  const std::string gravado = pasta.le("r.gbr");
  // The name without its extension finds r.gbr; nothing replayed is recorded.
  EXPECT_EQ(roda(carregaRegistro, 1, pasta.arquivo("r")), Avisos{avisoArquivoGravado});
  EXPECT_FALSE(registrando);
  EXPECT_EQ(pontosDe(tela), "1,1 2,1");
  EXPECT_EQ(pasta.le("r.gbr"), gravado);

  pasta.grava("ruim.gbr", "RETA 0 0 0 0\r\n\r\nBOGUS\r\nRETA 3 3 3 3\r\n");
  EXPECT_EQ(roda(carregaRegistro, 1, pasta.arquivo("ruim.gbr")), Avisos{avisoErroLinha + "3"_cp});
  EXPECT_EQ(pontosDe(tela), "0,0 1,1 2,1");
  std::filesystem::create_directory(pasta.arquivo("d.gbr"));
  for (const std::string& nome : {pasta.arquivo("falta.gbr"), pasta.arquivo("d.gbr")})
    EXPECT_EQ(roda(carregaRegistro, 1, nome), Avisos{avisoArquivoNaoAchado});
  EXPECT_EQ(roda(carregaRegistro, 0, std::optional<std::string>{}), Avisos{});
}

TEST_F(Comandos, CommaLocaleChangesNothing) {
  struct VoltaAoC {
    ~VoltaAoC() { std::setlocale(LC_ALL, "C"); }
  } volta;
  bool virgula = false;
  for (const char* nome : {"pt_BR.UTF-8", "pt_BR.utf8", "de_DE.UTF-8", "fr_FR.UTF-8"})
    if (!virgula && std::setlocale(LC_ALL, nome) != nullptr)
      virgula = *std::localeconv()->decimal_point == ',';
  if (!virgula) GTEST_SKIP() << "no locale with a decimal comma is installed";
  EXPECT_EQ(formataE(0.25), " 2.50000000000000E-0001");
  EXPECT_EQ(leNumero("1.25"), 1.25);
  escalaX = 0.5;
  registra(pasta.arquivo("v.gbr"));
  registraCirculo(3, 4, 1.5);
  EXPECT_EQ(pasta.le("v.gbr"), "CIRCULO 6.0000 4.0000 3.0000\r\n");
  EXPECT_EQ(executaComandos("CIRCULO 6.5 4,0 2\r\n"), 0u);
  EXPECT_EQ(tela.le(4, 4), 1);  // centre Round(6.5 * 0.5) = 3, radius Round(2 * 0.5) = 1
}

}  // namespace
