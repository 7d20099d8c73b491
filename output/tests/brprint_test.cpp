#include "brprint.h"

#include <cups/cups.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <filesystem>
#include <string>
#include <thread>
#include <vector>

#include "apoio_impressao.h"
#include "apoio_testes.h"
#include "brdevice.h"
#include "brrascunho.h"
#include "brvars.h"
#include "cp1252.h"

namespace {

using Envios = std::vector<std::string>;
using Textos = std::vector<std::string>;

const std::string sep(separadorPagina);
const std::string igual(separadorDuplo);
const std::string reserva(marcaReservaGrafico);
const std::string esc1{"\x1B" "1"};
const std::string escFim{"\x1B" "]"};

std::string diretiva(const std::string& posicao, const std::string& nome) {
  return std::string(prefixoDiretivaGrafico) + " " + (posicao.empty() ? "" : posicao + " ") + nome;
}

class Trabalho : public ::testing::Test {
 public:
  void SetUp() override {
    reiniciaVariaveis();
    configuracao.ambCode = apoio::pastaDados() + "/ambcode.cfg";
    configuracao.ambCode2 = apoio::pastaDados() + "/ambcode2.cfg";
    configuracao.arqTrab = pasta.arquivo("rascunho.txt");
    nomeDocumento = pasta.arquivo("livro.txt");
  }
  void TearDown() override {
    EXPECT_TRUE(apoio::esperaFimDoTrabalho());
    fechaDispositivo();
    reiniciaVariaveis();
    cancelaImpressao = false;
  }

  TrabalhoImpressao trabalhoDe(std::vector<std::string> linhas) {
    TrabalhoImpressao t;
    t.ambiente.tabela = tabelaIdentidade();
    t.ambiente.nomeDocumento = nomeDocumento;
    t.linhas = std::move(linhas);
    return t;
  }
  // The end box of a job and its title.
  std::pair<std::string, std::string> fim() const {
    const auto& r = mensagens.servico.registro;
    if (r.empty()) return {};
    return {r.back().texto, r.back().titulo};
  }

  apoio::PastaTemporaria pasta;
  apoio::Mensagens mensagens;
  apoio::CanalGravador canal;
};

const std::pair<std::string, std::string> enviado{"Arquivo enviado", "Fim de impressão"_cp};
const std::pair<std::string, std::string> erroImpressora{"Erro ao acionar a impressora",
                                                         "Verifique se a impressora está ligada"_cp};

// ---------------------------------------------------------------------------

TEST(LinhasDoRascunho, ComoUmArquivoDeTextoSeLe) {
  const std::string longa(300, 'x');
  struct Caso {
    std::string conteudo;
    std::vector<std::string> linhas;
  } casos[] = {
      {"", {}},
      {"a\r\nb\r\n", {"a", "b"}},
      {"a\r\n\r\nb", {"a", "", "b"}},
      {"a\nb\n", {"a", "b"}},
      {"a\rb\r\n", {"a\rb"}},
      {longa + "\r\nfim", {longa.substr(0, 255), "fim"}},
  };
  for (const auto& c : casos) EXPECT_EQ(linhasDoRascunho(c.conteudo), c.linhas) << c.conteudo;
}

TEST_F(Trabalho, MargensDasPaginasImparesEPares) {
  auto t = trabalhoDe({"a", sep, "b", igual, "c", sep, "d", diretiva("C", "x.grb")});
  t.ambiente.tipoTratGrafico = 4;
  t.margemImpar = 2;
  t.margemPar = 0;
  mensagens.esperaOk();
  EXPECT_TRUE(executaTrabalho(t, canal));
  // Sides 1, 2, then 4 (the blank back after "="), then 5.
  EXPECT_EQ(canal.envios, (Envios{"  a\r", "\f", "b\r", "\f", "c\r", "\f", "  d\r\n",
                                  diretiva("C", "x.grb") + "\r", "\f"}));
  EXPECT_EQ(fim(), enviado);
  EXPECT_EQ(mensagens.servico.registro.back().tipo, plataforma::TipoMensagem::simples);
  EXPECT_EQ(canal.fechamentos, 1);
}

TEST_F(Trabalho, LinhasVaziasComESemMarcador) {
  for (const bool envia : {false, true}) {
    canal.envios.clear();
    auto t = trabalhoDe({"", "x"});
    t.enviaVazias = envia;
    mensagens.esperaOk();
    EXPECT_TRUE(executaTrabalho(t, canal));
    EXPECT_EQ(canal.envios, (Envios{envia ? " \r\n" : "\r\n", "x\r", "\f"}));
  }
}

TEST_F(Trabalho, CopiasRecomecamMargemEPagina) {
  struct Caso {
    int copias;
    int vezes;
  } casos[] = {{3, 3}, {1, 1}, {0, 0}, {-1, 0}};
  for (const auto& c : casos) {
    SCOPED_TRACE(c.copias);
    canal.envios.clear();
    canal.fechamentos = 0;
    auto t = trabalhoDe({"a", sep, "b"});
    t.totalCopias = c.copias;
    t.margemImpar = 1;
    Envios esperado;
    for (int i = 0; i < c.vezes; ++i) esperado.insert(esperado.end(), {" a\r", "\f", "b\r", "\f"});
    mensagens.esperaOk();
    EXPECT_TRUE(executaTrabalho(t, canal));
    EXPECT_EQ(canal.envios, esperado);
    EXPECT_EQ(copiaAtual, c.vezes);
    EXPECT_EQ(canal.fechamentos, 1);
    EXPECT_EQ(fim(), enviado);
  }
}

TEST_F(Trabalho, RascunhoVazioNadaEnvia) {
  mensagens.esperaOk();
  EXPECT_TRUE(executaTrabalho(trabalhoDe({}), canal));
  EXPECT_TRUE(canal.envios.empty());
  EXPECT_EQ(fim(), enviado);
}

TEST_F(Trabalho, FalhasTerminamOTrabalhoComErro) {
  struct Caso {
    const char* nome;
    int falha;          // first send that fails, -1 none
    bool gerado, lido, fechaFalha;
    Envios enviados;
    Textos textos;
  } casos[] = {
      {"first page", 0, true, true, false, {}, {"Erro ao acionar a impressora"}},
      {"the last page without separator", 2, true, true, false, {"a\r", "\f"},
       {"Erro ao acionar a impressora"}},
      {"draft not written", -1, false, true, false, {}, {"Erro ao acionar a impressora"}},
      {"draft not read", -1, true, false, false, {},
       {"Erro de leitura no arquivo de rascunho ! ", "Erro ao acionar a impressora"}},
      {"device refuses the job at its end", -1, true, true, true,
       {"a\r", "\f", "b\r", "\f", "a\r", "\f", "b\r", "\f"},
       {"Erro ao acionar a impressora"}},
  };
  for (const auto& c : casos) {
    SCOPED_TRACE(c.nome);
    canal = apoio::CanalGravador{};
    canal.falhaAPartirDe = c.falha;
    canal.fechaFalha = c.fechaFalha;
    mensagens.servico.limpa();
    mensagens.esperaOk(static_cast<int>(c.textos.size()));
    auto t = trabalhoDe({"a", sep, "b"});
    t.totalCopias = 2;
    t.rascunhoGerado = c.gerado;
    t.rascunhoLido = c.lido;
    EXPECT_FALSE(executaTrabalho(t, canal));
    EXPECT_EQ(canal.envios, c.enviados);
    EXPECT_LE(canal.recusados, 1) << "nothing more is tried after a failure";
    EXPECT_EQ(mensagens.servico.textos(), c.textos);
    EXPECT_EQ(fim(), erroImpressora);
    EXPECT_EQ(canal.fechamentos, 1);
    EXPECT_FALSE(imprimindo);
    EXPECT_FALSE(impressaoOk);
  }
}

TEST_F(Trabalho, CancelarParaAntesDaProximaLinha) {
  // Five pages of three lines, two copies; "Cancelar !" comes while page 4
  // goes out.
  std::vector<std::string> linhas;
  for (int p = 1; p <= 5; ++p) {
    for (int l = 1; l <= 3; ++l) linhas.push_back(std::to_string(p) + "." + std::to_string(l));
    if (p < 5) linhas.push_back(sep);
  }
  canal.aposEnvio = [](std::size_t n) {
    if (n == 13) cancelaImpressao = true;  // the first line of page 4
  };
  auto t = trabalhoDe(linhas);
  t.totalCopias = 2;
  mensagens.esperaOk();
  EXPECT_TRUE(executaTrabalho(t, canal));
  EXPECT_EQ(canal.envios.size(), 16u) << "page 4 ends, nothing after it";
  EXPECT_EQ(canal.envios.back(), "\f");
  EXPECT_EQ(copiaAtual, 1);
  EXPECT_EQ(fim(), enviado);
}

TEST_F(Trabalho, EsperaDaImpressoraDeClicheAntesDeFechar) {
  struct CanalAnotado : apoio::CanalGravador {
    const plataforma::ServicoMensagensGravador* servico = nullptr;
    Textos aoFechar;
    bool fecha() override {
      aoFechar = servico->textos();
      return CanalGravador::fecha();
    }
  };
  struct Caso {
    std::string marca;
    bool espera;
  } casos[] = {{"Impressora de clichê"_cp, true},
               {"IMPRESSORA DE CLICHÊ"_cp, false},
               {"Index Basic", false}};
  for (const auto& c : casos) {
    SCOPED_TRACE(c.marca);
    mensagens.servico.limpa();
    CanalAnotado anotado;
    anotado.servico = &mensagens.servico;
    auto t = trabalhoDe({"a"});
    t.marca = c.marca;
    mensagens.esperaOk(c.espera ? 2 : 1);
    EXPECT_TRUE(executaTrabalho(t, anotado));
    if (c.espera) {
      EXPECT_EQ(anotado.aoFechar, Textos{"Espere o fim da impressão"_cp});
      EXPECT_EQ(mensagens.servico.registro.front().titulo, "Quando terminar, clique em OK");
    } else {
      EXPECT_TRUE(anotado.aoFechar.empty());
    }
    EXPECT_EQ(fim(), enviado);
  }
}

TEST_F(Trabalho, ModosGraficosEscolhemORenderizador) {
  pasta.grava("g.grb", "**\r\n**\r\n**\r\n");
  const std::string g = diretiva("", "g.grb");
  const std::string cheia{static_cast<char>(pontosParaBrailleUnificado[63]), '\r', '\n'};
  struct Caso {
    int modo;
    bool tiger;
    Envios esperado;  // empty: a whole page in graphic mode
  } casos[] = {
      {0, false, {"T", "\r\n", esc1, cheia, escFim, "U", "\r", "\f"}},
      {1, false, {"T\r\n", reserva + "\r\n", "U\r", "\f"}},
      {2, false, {}},
      {3, false, {}},
      {4, false, {"T\r\n", g + "\r\n", reserva + "\r\n", "U\r", "\f"}},
      {0, true, {"T", "\r\n", " ", "\r\n", "U", "\r", "\f"}},
      {4, true, {"T", "\r\n", g, "\r\n", " ", "\r\n", "U", "\r", "\f"}},
  };
  for (const auto& c : casos) {
    SCOPED_TRACE(std::to_string(c.modo) + (c.tiger ? " tiger" : ""));
    canal = apoio::CanalGravador{};
    auto t = trabalhoDe({"T", g, reserva, "U"});
    t.ambiente.tipoTratGrafico = c.modo;
    t.ambiente.tiger = c.tiger;
    t.ambiente.pontosH = c.tiger ? 5 : 3;
    mensagens.esperaOk();
    EXPECT_TRUE(executaTrabalho(t, canal));
    if (c.esperado.empty()) {
      ASSERT_GE(canal.envios.size(), 4u);
      EXPECT_EQ(canal.envios.front(), esc1);
      EXPECT_EQ(canal.envios[canal.envios.size() - 2], escFim);
      EXPECT_EQ(canal.envios.back(), "\f");
    } else {
      EXPECT_EQ(canal.envios, c.esperado);
    }
    EXPECT_EQ(canal.desenhos.size(), c.tiger && c.modo != 4 ? 1u : 0u);
  }
  // Mode 2 sends a page without a graphic as text.
  canal = apoio::CanalGravador{};
  auto t = trabalhoDe({"T"});
  t.ambiente.tipoTratGrafico = 2;
  mensagens.esperaOk();
  EXPECT_TRUE(executaTrabalho(t, canal));
  EXPECT_EQ(canal.envios, (Envios{"T\r", "\f"}));
}

// Golden jobs: a draft of three pages (a graphic placed centred with text
// around it, a whole-page graphic with a blank back, a graphic at text column
// 3 on a page that breaks off) through the distributed unified-code table, in
// every graphic mode. LUMAREL_REGRAVA_DOURADOS rewrites the expected bytes
// for review.
TEST_F(Trabalho, TrabalhosDourados) {
  const std::string pastaDourados = apoio::pastaTestesImpressao() + "/dourados";
  std::string rascunho;
  ASSERT_TRUE(plataforma::leArquivo(pastaDourados + "/trabalho.rascunho", rascunho));
  TTabelaImpressora tabela{};
  ASSERT_TRUE(carregaArquivoAmbCode(configuracao.ambCode2, tabela));
  const bool regrava = std::getenv("LUMAREL_REGRAVA_DOURADOS") != nullptr;
  for (int modo = 0; modo <= 4; ++modo) {
    SCOPED_TRACE(modo);
    canal = apoio::CanalGravador{};
    auto t = trabalhoDe(linhasDoRascunho(rascunho));
    t.ambiente.tabela = tabela;
    t.ambiente.tipoTratGrafico = modo;
    t.ambiente.larguraLinha = 28;
    t.ambiente.nomeDocumento = pastaDourados + "/trabalho.txt";
    t.margemImpar = 1;
    t.enviaVazias = true;
    mensagens.esperaOk();
    EXPECT_TRUE(executaTrabalho(t, canal));
    const std::string nome = pastaDourados + "/trabalho_modo" + std::to_string(modo) + ".bin";
    if (regrava) {
      ASSERT_TRUE(plataforma::gravaArquivoSeguro(nome, canal.bytes()));
    }
    std::string esperado;
    ASSERT_TRUE(plataforma::leArquivo(nome, esperado));
    EXPECT_EQ(apoio::divideCrLf(canal.bytes()), apoio::divideCrLf(esperado));
    EXPECT_EQ(canal.bytes(), esperado);
  }
}

TEST_F(Trabalho, OTrabalhoVeSoOQueCapturouAoComecar) {
  ASSERT_TRUE(plataforma::gravaArquivoSeguro(configuracao.arqTrab, "ab\r\n"));
  configuracao.margemImpar = 1;
  configuracao.Marca = "Index Basic";
  tabelaImpressora = tabelaIdentidade();
  visualizando = true;  // a preview running meanwhile must not widen the cells
  totalCopias = 1;
  const TrabalhoImpressao t = capturaTrabalho(true);
  EXPECT_EQ(t.ambiente.pontosH, 3);
  EXPECT_EQ(t.ambiente.pontosV, 4);

  // A translation and a change of settings during the job.
  ASSERT_TRUE(plataforma::gravaArquivoSeguro(configuracao.arqTrab, "zz\r\n"));
  configuracao.margemImpar = 5;
  configuracao.tipoTratGrafico = 3;
  totalCopias = 3;
  mensagens.esperaOk();
  EXPECT_TRUE(executaTrabalho(t, canal));
  EXPECT_EQ(canal.envios, (Envios{" ab\r", "\f"}));

  // A draft file that cannot be read is a failed job, not an empty one.
  configuracao.arqTrab = pasta.arquivo("falta/rascunho.txt");
  EXPECT_FALSE(capturaTrabalho(true).rascunhoLido);
}

// ---------------------------------------------------------------------------
// The print button and the worker thread.

class BotaoImprime : public Trabalho {
 public:
  void SetUp() override {
    Trabalho::SetUp();
    acoes.escondeDialogo = [this] { ++dialogosEscondidos; };
    acoes.mostraProgresso = [this] { ++progressosMostrados; };
    acoes.escondeProgresso = [this] {
      threadEscondeu = std::this_thread::get_id();
      ++progressosEscondidos;
    };
    pedido.dispositivo = pasta.arquivo("saida.brl");
  }
  // The text-page stream of the draft file as it is now.
  std::string paginasDoRascunho() {
    std::string conteudo;
    EXPECT_TRUE(plataforma::leArquivo(configuracao.arqTrab, conteudo));
    std::string r;
    std::vector<std::string> pagina;
    auto fecha = [&] {
      for (std::size_t i = 0; i < pagina.size(); ++i) r += pagina[i] + (i + 1 == pagina.size() ? "\r" : "\r\n");
      r += "\f";
      pagina.clear();
    };
    for (const auto& l : apoio::divideCrLf(conteudo)) {
      if (ehLinhaSeparadora(l)) fecha();
      else pagina.push_back(l);
    }
    if (!pagina.empty()) fecha();
    return r;
  }

  PedidoImpressao pedido;
  AcoesImpressao acoes;
  std::atomic<int> dialogosEscondidos{0}, progressosMostrados{0}, progressosEscondidos{0};
  std::thread::id threadEscondeu;
};

TEST_F(BotaoImprime, TrabalhoInteiroParaUmArquivo) {
  configuracao.maxLin = 4;
  std::vector<std::string> documento;
  for (int i = 0; i < 12; ++i) documento.push_back("Linha número "_cp + std::to_string(i) + " do texto.");
  mensagens.esperaOk();
  EXPECT_EQ(iniciaImpressao(pedido, documento, acoes), InicioImpressao::iniciado);
  ASSERT_TRUE(apoio::esperaFimDoTrabalho());
  EXPECT_EQ(fim(), enviado);
  const std::string saida = pasta.le("saida.brl");
  EXPECT_GT(std::count(saida.begin(), saida.end(), '\f'), 2);
  EXPECT_EQ(saida, paginasDoRascunho());
  EXPECT_EQ(dialogosEscondidos, 1);
  EXPECT_EQ(progressosMostrados, 1);
  EXPECT_EQ(progressosEscondidos, 1);
  EXPECT_NE(threadEscondeu, std::this_thread::get_id()) << "the worker hides the progress window";
  EXPECT_EQ(paginaInicial, 1);
  EXPECT_EQ(paginaFinal, 9999);
}

TEST_F(BotaoImprime, CamposDoPedido) {
  configuracao.maxLin = 3;
  std::vector<std::string> documento;
  for (int i = 0; i < 30; ++i) documento.push_back("texto " + std::to_string(i));
  struct Caso {
    const char* inicial;
    const char* final;
    const char* copias;
    int vezes;        // copies that went out
    bool vazio;       // no page in the range
  } casos[] = {
      {"1", "9999", "abc", 1, false},
      {"2", "3", "2", 2, false},
      {"5", "2", "1", 1, true},   // first page above the last
      {"1", "9999", "0", 0, false},
      {"1", "9999", "-3", 0, false},
  };
  for (const auto& c : casos) {
    SCOPED_TRACE(std::string(c.inicial) + ".." + c.final + " x " + c.copias);
    mensagens.servico.limpa();
    mensagens.esperaOk();
    pedido.paginaInicial = c.inicial;
    pedido.paginaFinal = c.final;
    pedido.copias = c.copias;
    EXPECT_EQ(iniciaImpressao(pedido, documento, acoes), InicioImpressao::iniciado);
    ASSERT_TRUE(apoio::esperaFimDoTrabalho());
    EXPECT_EQ(fim(), enviado);
    std::string umaCopia = c.vazio ? "" : paginasDoRascunho();
    if (!c.vazio) {
      EXPECT_FALSE(umaCopia.empty());
    }
    std::string esperado;
    for (int i = 0; i < c.vezes; ++i) esperado += umaCopia;
    EXPECT_TRUE(std::filesystem::exists(pasta.arquivo("saida.brl"))) << "the device was opened";
    EXPECT_EQ(pasta.le("saida.brl"), esperado);
  }
}

TEST_F(BotaoImprime, DezMilCopiasCanceladasDeUmaVez) {
  mensagens.esperaOk();
  pedido.copias = "10000";
  EXPECT_EQ(iniciaImpressao(pedido, {"Um texto curto."}, acoes), InicioImpressao::iniciado);
  cancelaImpressao = true;  // "Cancelar !" right after the start
  ASSERT_TRUE(apoio::esperaFimDoTrabalho(nullptr, std::chrono::seconds(10)));
  // The worker may have sent a few copies before the flag was seen; it
  // must stop there and not go on through the ten thousand.
  EXPECT_LT(copiaAtual, 10000) << "the cancel was lost";
  EXPECT_EQ(fim(), enviado);
  EXPECT_EQ(progressosEscondidos, 1);
  // The device was closed: the next job opens it again.
  mensagens.esperaOk();
  pedido.copias = "1";
  EXPECT_EQ(iniciaImpressao(pedido, {"Outro."}, acoes), InicioImpressao::iniciado);
  ASSERT_TRUE(apoio::esperaFimDoTrabalho());
  EXPECT_EQ(pasta.le("saida.brl"), paginasDoRascunho());
}

TEST_F(BotaoImprime, SegundoPedidoRecusadoEmQualquerIntervalo) {
  plataforma::instalaServicoMensagens(nullptr);
  apoio::MensagensRetidas retidas(std::string("Espere o fim da impressão"_cp));
  retidas.respostasBotao = {plataforma::Botao::ok, plataforma::Botao::ok, plataforma::Botao::ok};
  configuracao.Marca = "Impressora de clichê"_cp;
  EXPECT_EQ(iniciaImpressao(pedido, {"texto"}, acoes), InicioImpressao::iniciado);
  ASSERT_TRUE(retidas.esperaRetencao());
  // The worker has closed the draft and waits for the plate printer: the
  // job is not over.
  EXPECT_FALSE(imprimindo);
  EXPECT_TRUE(trabalhoImpressaoAtivo());
  EXPECT_EQ(iniciaImpressao(pedido, {"outro"}, acoes), InicioImpressao::recusado);
  EXPECT_EQ(dialogosEscondidos, 1) << "the refused request leaves the dialog as it is";
  retidas.libera();
  ASSERT_TRUE(apoio::esperaFimDoTrabalho());
  EXPECT_EQ(retidas.textosSeguros(),
            (Textos{"Não é possível imprimir duas listagens simultaneamente"_cp,
                    "Espere o fim da impressão"_cp, "Arquivo enviado"}));
  EXPECT_FALSE(trabalhoImpressaoAtivo());
}

TEST_F(BotaoImprime, InicioQueNaoVaiAdiante) {
  struct Caso {
    const char* nome;
    std::function<void(BotaoImprime&)> ajuste;
    InicioImpressao resultado;
    Textos textos;  // the table loader's own box comes first where it fails
  } casos[] = {
      {"device under a missing folder",
       [](BotaoImprime& t) { t.pedido.dispositivo = t.pasta.arquivo("falta/saida.brl"); },
       InicioImpressao::semDispositivo, {"Não foi possível abrir o dispositivo de saída"_cp}},
      {"no printer code table",
       [](BotaoImprime& t) { configuracao.ambCode2 = t.pasta.arquivo("falta.cfg"); },
       InicioImpressao::semTabela,
       {"Configuração da impressora não achada "_cp + pasta.arquivo("falta.cfg"),
        "Configuração da Impressora Braille não achada (amBCode.cfg)"_cp}},
      {"system printer choice cancelled",
       [](BotaoImprime& t) {
         t.pedido.dispositivo = "Prn";
         t.mensagens.servico.respostasImpressora.push_back(std::nullopt);
       },
       InicioImpressao::cancelado, {}},
  };
  for (const auto& c : casos) {
    SCOPED_TRACE(c.nome);
    SetUp();
    dialogosEscondidos = 0;
    mensagens.servico.limpa();
    c.ajuste(*this);
    mensagens.esperaOk(static_cast<int>(c.textos.size()));
    EXPECT_EQ(iniciaImpressao(pedido, {"texto"}, acoes), c.resultado);
    EXPECT_EQ(mensagens.servico.textos(), c.textos);
    EXPECT_FALSE(trabalhoImpressaoAtivo()) << "the guard is back";
    EXPECT_EQ(dialogosEscondidos, 1);
    EXPECT_EQ(progressosMostrados, 0);
    EXPECT_FALSE(std::filesystem::exists(configuracao.arqTrab)) << "no draft was written";
  }
}

// However the document's own name is written, it is refused as output; a
// relative output lies beside the document.
TEST_F(BotaoImprime, SaidaNoProprioDocumentoRecusada) {
  nomeDocumento = pasta.arquivo("livro.txt");
  pasta.grava("livro.txt", "texto\r\n");
  ASSERT_EQ(::symlink(nomeDocumento.c_str(), pasta.arquivo("atalho.txt").c_str()), 0);
  for (const std::string& saida :
       {std::string("livro.txt"), nomeDocumento, pasta.arquivo("./livro.txt"), std::string("atalho.txt")}) {
    SCOPED_TRACE(saida);
    mensagens.servico.limpa();
    mensagens.esperaOk();
    pedido.dispositivo = saida;
    EXPECT_EQ(iniciaImpressao(pedido, {"texto"}, acoes), InicioImpressao::saidaDocumento);
    ASSERT_EQ(mensagens.servico.registro.size(), 1u);
    EXPECT_EQ(mensagens.servico.registro[0].tipo, plataforma::TipoMensagem::erro);
    EXPECT_EQ(mensagens.servico.registro[0].texto,
              std::string(mensagemSaidaDocumento) +
                  (saida[0] == '/' ? saida : plataforma::juntaCaminho(pasta.caminho(), saida)));
    EXPECT_EQ(dialogosEscondidos, 0) << "the dialog stays for another name";
  }
  EXPECT_EQ(pasta.le("livro.txt"), "texto\r\n");
  mensagens.servico.limpa();
  mensagens.esperaOk();
  pedido.dispositivo = "copia.brl";
  EXPECT_EQ(iniciaImpressao(pedido, {"texto"}, acoes), InicioImpressao::iniciado);
  ASSERT_TRUE(apoio::esperaFimDoTrabalho());
  EXPECT_FALSE(pasta.le("copia.brl").empty());
}

TEST_F(BotaoImprime, PrnEmQualquerCaixaEscolheAImpressora) {
  // A print server nobody listens on: the raw job cannot start.
  cupsSetServer("127.0.0.1:9");
  mensagens.servico.respostasImpressora.push_back(
      plataforma::EscolhaImpressora{"fila_braille", "driver", "usb://x"});
  mensagens.esperaOk();
  pedido.dispositivo = "prn";
  EXPECT_EQ(iniciaImpressao(pedido, {"texto"}, acoes), InicioImpressao::semDispositivo);
  cupsSetServer(nullptr);
  EXPECT_EQ(nomeImpressora, "fila_braille");
  EXPECT_EQ(driverImpressora, "driver");
  EXPECT_EQ(portaImpressora, "usb://x");
  EXPECT_EQ(mensagens.servico.textos(), Textos{"Não foi possível abrir o dispositivo de saída"_cp});
}

TEST_F(BotaoImprime, RascunhoQueNaoSeGravaEncerraComErro) {
  configuracao.arqTrab = pasta.arquivo("falta/rascunho.txt");
  mensagens.esperaOk(2);
  EXPECT_EQ(iniciaImpressao(pedido, {"texto"}, acoes), InicioImpressao::iniciado);
  ASSERT_TRUE(apoio::esperaFimDoTrabalho());
  EXPECT_EQ(mensagens.servico.textos(),
            (Textos{mensagemErroRascunho, "Erro ao acionar a impressora"}));
  EXPECT_EQ(pasta.le("saida.brl"), "");
  EXPECT_EQ(progressosEscondidos, 1);
}

}  // namespace
