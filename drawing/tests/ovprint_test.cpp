// The drawing program's printer code table and the stream of the canvas, on a
// file, a port and the private print server.
#include <cups/cups.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <optional>

#include "apoio_cups.h"
#include "apoio_testes.h"
#include "brimpraw.h"
#include "cp1252.h"
#include "dados.h"
#include "ovlpt.h"
#include "ovprint.h"
#include "ovvars.h"

using namespace orvento;

namespace {

using Trocas = std::vector<std::pair<int, int>>;  // internal byte -> printer byte
using Textos = std::vector<std::string>;          // the message boxes shown

TTabelaImpressora tabelaCom(const Trocas& trocas) {
  TTabelaImpressora t = tabelaIdentidade();
  for (auto [de, para] : trocas) t[de] = static_cast<unsigned char>(para);
  return t;
}

const std::string naoAbriu = "Não consegui abrir a impressora"_cp;
const std::string falhou = "Erro ao acionar a impressora";
const std::string naoAchou = "Arquivo ambcode2.cfg não achado"_cp;

// Dots 1..6 alone in cells 0..5, a full cell, a cell that the table turns
// into a control byte at the line's end, a dot in the third band, and dots in
// row 300 and column 300, which never go out.
void desenhaAmostra() {
  for (int p = 0; p < 6; ++p) tela.poe(2 * p + p / 3, p % 3, 1);
  tela.preencheRetangulo(14, 0, 2, 3, 1);
  for (auto [x, y] : {std::pair{41, 0}, {3, 7}, {5, 300}, {300, 8}}) tela.poe(x, y, 1);
  tabAmbCode = tabelaCom({{'a', 'A'}, {'^', 0x1F}});
}

class Desenho : public ::testing::Test {
 protected:
  void SetUp() override { reiniciaEstadoDesenho(); }
  void TearDown() override { fechaSaida(); reiniciaEstadoDesenho(); }
  apoio::WindowsTemporario windows;
  const apoio::PastaTemporaria& pasta = windows.pasta();
  apoio::Mensagens mensagens;
};

}  // namespace

TEST(TabelaAmbCode, CadaLinhaAplicadaOuPulada) {
  std::string binario;
  for (int b = 0; b < 256; ++b) binario += static_cast<char>(b);
  const struct { std::string conteudo; Trocas trocas; } casos[] = {
      {"", {}},
      {"41=42\r\n61=7a\n", {{0x41, 0x42}, {0x61, 0x7A}}},
      {"*41=42\n\n4142=43\n41=42 resto", {{0x41, 0x42}}},
      {"4\n41\n41=\n41=4\n4G=41\n41=4g\n", {}},
      {"41=42\n41=43\n", {{0x41, 0x43}}},
      {"41=42" + std::string(100000, 'x') + "\n" + std::string(100000, '*'), {{0x41, 0x42}}},
      {binario + "\n20=2E\xFF", {{0x20, 0x2E}}},
  };
  for (const auto& c : casos) {
    SCOPED_TRACE(c.conteudo.substr(0, 40));
    TTabelaImpressora t{};
    aplicaAmbCode(c.conteudo, t);
    EXPECT_EQ(t, tabelaCom(c.trocas));
  }
}

TEST_F(Desenho, CarregaAmbCodeDoIniOuDaPastaAtual) {
  pasta.grava("tabela.cfg", "61=41\n");
  std::filesystem::create_directory(pasta.arquivo("pasta.cfg"));
  // ini: the value of ambCode2, none for no INI (ambcode2.cfg of the current
  // folder); only a file that cannot be read stops the program.
  const struct { std::optional<std::string> ini; Textos textos; Trocas trocas; } casos[] = {
      {pasta.arquivo("tabela.cfg"), {}, {{'a', 'A'}}}, {std::nullopt, {}, {{'a', 'B'}}},
      {"", {naoAchou}, {}}, {pasta.arquivo("falta.cfg"), {naoAchou}, {}},
      {pasta.arquivo("pasta.cfg"), {naoAchou}, {}},
      {"/proc/self/mem", {"Erro em ambcode2.cfg"}, {}}};
  const auto antes = std::filesystem::current_path();
  apoio::PastaTemporaria atual;
  atual.grava("ambcode2.cfg", "61=42\n");
  std::filesystem::current_path(atual.caminho());
  for (const auto& c : casos) {
    SCOPED_TRACE(c.ini.value_or("(no INI)"));
    std::filesystem::remove(pasta.arquivo("LUMAREL.INI"));
    if (c.ini) windows.gravaIni("[LUMAREL]\r\nambCode2=" + *c.ini + "\r\n");
    tabAmbCode = tabelaCom({{'z', 'z' + 1}});
    mensagens.servico.limpa();
    mensagens.esperaOk(static_cast<int>(c.textos.size()));
    EXPECT_EQ(carregaAmbCode(), c.ini != "/proc/self/mem");
    EXPECT_EQ(tabAmbCode, tabelaCom(c.trocas));
    EXPECT_EQ(mensagens.servico.textos(), c.textos);
  }
  std::filesystem::current_path(antes);
}

// dados/faixas.txt: the one dot x y | the bands that go out.
TEST(FluxoDesenho, FaixasAteOPontoMaisBaixo) {
  for (const auto& c : dados::casos("faixas.txt")) {
    SCOPED_TRACE(c.texto);
    TMatrizPontos t;
    t.poe(c.n(0)[0], c.n(0)[1], 1);
    EXPECT_EQ(faixasDoDesenho(t), c.n(1)[0]);
  }
}

// The stream lands on a file or a port as the golden one (high resolution only
// changes ESC "1" into ESC "6"); a channel that does not open sends nothing;
// a device that fails says so once at the end; both name the device and why.
TEST_F(Desenho, ImprimeNoArquivoOuPortaOuAvisa) {
  pasta.grava("velho.txt", std::string(20000, '#'));
  pasta.grava("lpt1", "");
  const apoio::Variavel lpt1("LUMAREL_LPT1", pasta.arquivo("lpt1"));
  const apoio::Variavel lpt2("LUMAREL_LPT2", pasta.arquivo("falta"));
  // arquivo: where the stream lands, none when nothing goes (pRn: the printer
  // dialog is cancelled); the port lpt1 takes it in high resolution.
  const struct { std::string dispositivo, arquivo, dourado; Textos textos; } casos[] = {
      {pasta.arquivo("novo.txt"), "novo.txt", "desenho_vazio.bin", {}},
      {pasta.arquivo("velho.txt"), "velho.txt", "desenho_amostra.bin", {}},
      {"lpt1", "lpt1", "desenho_amostra.bin", {}}, {"pRn", "", "", {}},
      {"", "", "", {naoAbriu}}, {pasta.caminho(), "", "", {naoAbriu + "\n" + pasta.caminho() + ": é uma pasta"_cp}},
      {"LPT2", "", "", {naoAbriu + "\nLPT2: dispositivo não encontrado"_cp}},
      {pasta.arquivo("falta/d.brl"), "", "", {naoAbriu + "\n" + pasta.arquivo("falta/d.brl") + ": pasta não existe"_cp}},
      {"/dev/full", "", "", {falhou + "\n/dev/full: disco cheio"}}};
  for (const auto& c : casos) {
    SCOPED_TRACE(c.dispositivo);
    mensagens.servico.limpa();
    if (c.dourado == "desenho_amostra.bin") desenhaAmostra();
    altaResolucao = c.arquivo == "lpt1";
    dispositivo = c.dispositivo;
    mensagens.esperaOk(static_cast<int>(c.textos.size()));
    if (c.dispositivo == "pRn") mensagens.servico.respostasImpressora.push_back(std::nullopt);
    imprimeDesenho();
    aguardaFimImpressaoDesenho();
    EXPECT_EQ(mensagens.servico.textos(), c.textos);
    EXPECT_EQ(mensagens.servico.registro.size(), c.arquivo.empty() ? 1U : 0U);
    if (c.arquivo.empty()) continue;
    std::string esperado = dados::arquivo(c.dourado);
    if (altaResolucao) esperado[29] = '6';
    EXPECT_EQ(pasta.le(c.arquivo), esperado);
  }
  EXPECT_FALSE(std::filesystem::exists(pasta.arquivo("falta")));
}

// An output that is the drawing's own file, however written, is refused and
// the file stays; any other output takes the stream.
TEST_F(Desenho, SaidaQueEhOProprioDesenhoRecusada) {
  pasta.grava("casa.grb", "*\r\n");
  std::filesystem::create_directory(pasta.arquivo("sub"));
  std::filesystem::create_symlink(pasta.arquivo("casa.grb"), pasta.arquivo("elo.grb"));
  const apoio::Variavel lpt1("LUMAREL_LPT1", pasta.arquivo("casa.grb"));
  const auto antes = std::filesystem::current_path();
  std::filesystem::current_path(pasta.caminho());
  const std::string casa = pasta.arquivo("casa.grb");
  const struct { std::string dispositivo, desenho; bool recusa; } casos[] = {
      {casa, "casa.grb", true}, {"casa.grb", casa, true}, {"./casa.grb", casa, true},
      {"sub/../elo.grb", casa, true}, {"lpt1", casa, true}, {"outro.grb", casa, false},
      {"elo.grb", "", false}};  // a new drawing has no file yet
  for (const auto& c : casos)
    EXPECT_EQ(saidaEscreveNoArquivo(c.dispositivo, c.desenho), c.recusa) << c.dispositivo << " / " << c.desenho;
  dispositivo = "./casa.grb";
  nomeDesenho = casa;
  mensagens.esperaOk();
  EXPECT_EQ(imprimeDesenho(), InicioDesenho::saidaDesenho);
  EXPECT_EQ(mensagens.servico.textos(), Textos{"A saída da impressão é o próprio desenho: ./casa.grb"_cp});
  EXPECT_EQ(pasta.le("casa.grb"), "*\r\n");
  std::filesystem::current_path(antes);
}

class DesenhoCups : public Desenho {
 protected:
  void SetUp() override { Desenho::SetUp(); cups_.conecta(); }
  // The newest job of the queue and its title.
  static std::pair<int, std::string> ultimoTrabalho() {
    cups_job_t* lista = nullptr;
    const int n = cupsGetJobs2(CUPS_HTTP_DEFAULT, &lista, "lumarel_raw", 0, CUPS_WHICHJOBS_ALL);
    std::pair<int, std::string> ultimo{0, ""};
    for (int i = 0; i < n; ++i)
      if (lista[i].id > ultimo.first) ultimo = {lista[i].id, lista[i].title ? lista[i].title : ""};
    cupsFreeJobs(n, lista);
    return ultimo;
  }
  // A job's bytes once the server printed it.
  std::string capturado(int trabalho) {
    std::string s;
    const std::string arquivo = cups_.pasta() + "/captura/" + std::to_string(trabalho) + ".bin";
    apoio::ate([&] { return plataforma::leArquivo(arquivo, s); });
    return s;
  }
  apoio::ServidorCups cups_;
};

TEST_F(DesenhoCups, PrnEFilaDeRedeRecebemOFluxo) {
  // impressora: the printer chosen when one is asked for.
  const struct { std::string dispositivo, impressora; bool abre; } casos[] = {
      {"prn", "lumarel_raw", true}, {"\\\\" + cups_.servidor() + "\\lumarel_raw", "", true},
      {"PRN", "lumarel_recusa", false}};
  desenhaAmostra();
  nomeDesenho = "/d/casa.grb";
  for (const auto& c : casos) {
    SCOPED_TRACE(c.dispositivo);
    const int antes = ultimoTrabalho().first;
    mensagens.servico.limpa();
    impDispositivo.clear();
    dispositivo = c.dispositivo;
    if (!c.impressora.empty())
      mensagens.servico.respostasImpressora.push_back({{c.impressora, "", "lpt9"}});
    if (!c.abre) mensagens.esperaOk();
    imprimeDesenho();
    aguardaFimImpressaoDesenho();
    EXPECT_EQ(impDispositivo, c.impressora);
    EXPECT_EQ(mensagens.servico.textos(),
              c.abre ? Textos{} : Textos{naoAbriu + "\nPRN: o serviço de impressão recusou o trabalho"_cp});
    if (!c.abre) continue;
    const auto [trabalho, titulo] = ultimoTrabalho();
    ASSERT_GT(trabalho, antes);
    EXPECT_EQ(titulo, nomeDesenho);
    EXPECT_EQ(capturado(trabalho), dados::arquivo("desenho_amostra.bin"));
  }
}

TEST_F(DesenhoCups, SpoolerEnviaSoOSaltoDePagina) {
  impDispositivo = "lumarel_raw";
  ASSERT_TRUE(abreSaida("PRN"));
  const int trabalho = trabalhoImpressoraRaw(hImpressora);
  const struct { std::string bloco; int paginas; } casos[] = {
      {"ab", 1}, {"", 1}, {"\fcd", 2}, {"e\f", 2}, {"\f", 3}};
  for (const auto& c : casos) {
    SCOPED_TRACE(c.bloco);
    EXPECT_TRUE(escreveSaida(c.bloco));
    EXPECT_EQ(paginasImpressoraRaw(hImpressora), c.paginas);
  }
  fechaSaida();
  EXPECT_EQ(hImpressora, -1);
  EXPECT_EQ(capturado(trabalho), "ab\fe\f\f");
}
