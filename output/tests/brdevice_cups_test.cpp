// Raw print jobs through a private print server (started by the test
// fixture), whose capture backend keeps each job's bytes.
#include <cups/cups.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "apoio_cups.h"
#include "apoio_dispositivos.h"
#include "apoio_testes.h"
#include "arquivos.h"
#include "brdevice.h"
#include "brgeometria.h"
#include "brvars.h"
#include "cp1252.h"

namespace {

using namespace std::chrono_literals;

class ServidorImpressaoTest : public ::testing::Test {
 protected:
  void SetUp() override {
    cups_.conecta();
    if (IsSkipped() || HasFatalFailure()) return;
    reiniciaVariaveis();
    configuracao.Marca = "Index Basic";
    nomeImpressora = "lumarel_raw";
    nomeDocumento = "/docs/livro.txt";
  }
  void TearDown() override {
    fechaDispositivo();
    reiniciaVariaveis();
  }

  // The bytes the server handed to the printer for a job, once it finished.
  std::optional<std::string> capturado(int trabalho) {
    const std::string arquivo = cups_.pasta() + "/captura/" + std::to_string(trabalho) + ".bin";
    const auto fim = std::chrono::steady_clock::now() + 20s;
    std::string conteudo;
    while (std::chrono::steady_clock::now() < fim) {
      if (plataforma::leArquivo(arquivo, conteudo)) return conteudo;
      std::this_thread::sleep_for(50ms);
    }
    return std::nullopt;
  }

  // The jobs of a queue the server knows, finished ones included.
  std::vector<std::string> titulosDosTrabalhos(const char* fila) {
    cups_job_t* lista = nullptr;
    const int n = cupsGetJobs2(CUPS_HTTP_DEFAULT, &lista, fila, 0, CUPS_WHICHJOBS_ALL);
    std::vector<std::string> titulos;
    for (int i = 0; i < n; ++i) titulos.emplace_back(lista[i].title ? lista[i].title : "");
    cupsFreeJobs(n, lista);
    return titulos;
  }

  apoio::ServidorCups cups_;
};

TEST_F(ServidorImpressaoTest, TrabalhoRawRecebeOsBytesExatos) {
  ASSERT_TRUE(abreDispositivo("prn"));
  EXPECT_EQ(portaSaida, "PRN");
  ASSERT_GE(hImpressora, 0);
  const int trabalho = trabalhoImpressoraRaw(hImpressora);
  ASSERT_GT(trabalho, 0);
  EXPECT_EQ(paginasImpressoraRaw(hImpressora), 1) << "the open starts the first page";

  struct Envio {
    std::string texto;
    int paginas;  // job pages after the send
  };
  const Envio envios[] = {
      {"linha 1\r\n", 1},
      {"\f\fabc", 3},  // each leading form feed ends a page and starts the next
      {"", 3},
      {apoio::todosOsBytes(), 3},  // ESC, 0, 255 and a form feed inside: data
      {"fim\f", 3},                // a trailing form feed is data too
      {"\f", 4},
      {std::string(100000, 'x') + "\x1b" "A\r\n", 4},
  };
  std::string esperado;
  for (const Envio& e : envios) {
    EXPECT_TRUE(enviaDispositivo(e.texto));
    EXPECT_EQ(paginasImpressoraRaw(hImpressora), e.paginas);
    esperado += e.texto;
  }
  EXPECT_TRUE(fechaDispositivo()) << "the server accepted the job";
  EXPECT_EQ(hImpressora, -1);
  const std::optional<std::string> bytes = capturado(trabalho);
  ASSERT_TRUE(bytes) << "the job never reached the printer";
  EXPECT_EQ(*bytes, esperado);
}

TEST_F(ServidorImpressaoTest, TrabalhoVazioTerminaBem) {
  // A draft with nothing to print still opens and closes the channel.
  ASSERT_TRUE(abreDispositivo("PRN"));
  EXPECT_TRUE(enviaDispositivo(""));
  EXPECT_TRUE(fechaDispositivo());
}

TEST_F(ServidorImpressaoTest, SemNomeVaiAoDestinoPadrao) {
  nomeImpressora.clear();
  ASSERT_TRUE(abreDispositivo("PRN"));
  const int trabalho = trabalhoImpressoraRaw(hImpressora);
  EXPECT_TRUE(enviaImpressora("padrão\r\n"_cp));
  EXPECT_TRUE(fechaDispositivo());
  const std::optional<std::string> bytes = capturado(trabalho);
  ASSERT_TRUE(bytes);
  EXPECT_EQ(*bytes, "padrão\r\n"_cp);
}

TEST_F(ServidorImpressaoTest, TituloDoTrabalhoEmUtf8) {
  struct Caso {
    std::string documento;
    std::string titulo;  // as the server shows it
  };
  const std::string longo(300, 'n');
  const Caso casos[] = {
      {"Relatório de ação"_cp, cp1252::paraUtf8("Relatório de ação"_cp)},
      {"", "Lumarel"},
      {longo, longo.substr(0, 255)},
  };
  for (const Caso& c : casos) {
    const int h = abreImpressoraRaw("lumarel_raw", "", c.documento);
    ASSERT_GE(h, 0);
    const int trabalho = trabalhoImpressoraRaw(h);
    ASSERT_TRUE(iniciaPaginaRaw(h));
    EXPECT_EQ(escreveImpressoraRaw(h, "t"), 1u);
    EXPECT_TRUE(terminaPaginaRaw(h));
    EXPECT_TRUE(fechaImpressoraRaw(h));
    ASSERT_TRUE(capturado(trabalho));
    const std::vector<std::string> titulos = titulosDosTrabalhos("lumarel_raw");
    EXPECT_NE(std::find(titulos.begin(), titulos.end(), c.titulo), titulos.end()) << c.titulo;
  }
}

TEST_F(ServidorImpressaoTest, FilaQueNaoExisteOuRecusaNaoAbre) {
  const char* filas[] = {"lumarel_recusa", "fila_que_nao_existe"};
  for (const char* fila : filas) {
    nomeImpressora = fila;
    EXPECT_FALSE(abreDispositivo("PRN")) << fila;
    EXPECT_EQ(hImpressora, -1);
    EXPECT_FALSE(enviaDispositivo("x"));
  }
  EXPECT_TRUE(titulosDosTrabalhos("lumarel_recusa").empty()) << "a refused open leaves no job";
}

TEST_F(ServidorImpressaoTest, ImpressoraDeRedeRecebeTrabalhoRaw) {
  // \\host\queue, as the embosser dialog proposes it, prints on that queue
  // and creates no file.
  apoio::PastaTemporaria pasta;
  const auto antes = std::filesystem::current_path();
  std::filesystem::current_path(pasta.caminho());
  configuracao.Marca = "Puma 7";
  const std::string nome = "\\\\" + cups_.servidor() + "\\lumarel_raw";
  const bool aberto = abreDispositivo(nome);
  std::filesystem::current_path(antes);
  ASSERT_TRUE(aberto);
  EXPECT_EQ(portaSaida, nome);
  EXPECT_TRUE(std::filesystem::is_empty(pasta.caminho()));

  std::string esperado;
  for (const std::string& texto : {std::string("a\r\n"), std::string("\f"),
                                   apoio::todosOsBytes(), std::string("\fb\f")}) {
    EXPECT_TRUE(enviaDispositivo(texto));
    esperado += texto == "\f" ? std::string(linhaSeparadoraPuma) : texto;
  }
  // The job's number is the newest one of the queue.
  cups_job_t* lista = nullptr;
  const int n = cupsGetJobs2(CUPS_HTTP_DEFAULT, &lista, "lumarel_raw", 0, CUPS_WHICHJOBS_ALL);
  int trabalho = 0;
  for (int i = 0; i < n; ++i) trabalho = std::max(trabalho, lista[i].id);
  cupsFreeJobs(n, lista);
  EXPECT_TRUE(fechaDispositivo());
  const std::optional<std::string> bytes = capturado(trabalho);
  ASSERT_TRUE(bytes);
  EXPECT_EQ(*bytes, esperado);
}

}  // namespace
