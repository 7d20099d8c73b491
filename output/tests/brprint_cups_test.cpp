// A whole print job to "PRN" through the private print server of the test
// fixture: the bytes its capture backend keeps must be the job's, exactly.
#include <cups/cups.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <set>
#include <string>
#include <thread>

#include "apoio_cups.h"
#include "apoio_dispositivos.h"
#include "apoio_impressao.h"
#include "apoio_testes.h"
#include "brdevice.h"
#include "brprint.h"
#include "brvars.h"
#include "cp1252.h"

namespace {

using namespace std::chrono_literals;

class ImpressaoNoServidor : public ::testing::Test {
 protected:
  void SetUp() override {
    cups_.conecta();
    if (IsSkipped() || HasFatalFailure()) return;
    reiniciaVariaveis();
    configuracao.Marca = "Index Basic";
    configuracao.ambCode2 = apoio::pastaDados() + "/ambcode2.cfg";
    configuracao.arqTrab = pasta.arquivo("rascunho.txt");
    configuracao.tipoTratGrafico = 0;
    configuracao.maxCarac = 28;
    configuracao.maxLin = 8;
  }
  void TearDown() override {
    apoio::esperaFimDoTrabalho();
    fechaDispositivo();
    reiniciaVariaveis();
  }

  std::set<std::string> capturas() const {
    std::set<std::string> r;
    std::error_code ec;
    for (const auto& e : std::filesystem::directory_iterator(cups_.pasta() + "/captura", ec))
      r.insert(e.path().string());
    return r;
  }
  // The bytes of the one job captured since `antes`, once it is complete.
  std::optional<std::string> novaCaptura(const std::set<std::string>& antes) {
    const auto fim = std::chrono::steady_clock::now() + 20s;
    while (std::chrono::steady_clock::now() < fim) {
      for (const auto& c : capturas()) {
        if (antes.count(c) || c.size() < 4 || c.substr(c.size() - 4) != ".bin") continue;
        std::string conteudo;
        if (plataforma::leArquivo(c, conteudo)) return conteudo;
      }
      std::this_thread::sleep_for(50ms);
    }
    return std::nullopt;
  }

  apoio::PastaTemporaria pasta;
  apoio::Mensagens mensagens;
  apoio::ServidorCups cups_;
};

TEST_F(ImpressaoNoServidor, DocumentoComGraficoChegaByteAByte) {
  // The document with a centred graphic, two copies, printed to a file first
  // and then to the system printer: both must hold the same bytes.
  pasta.grava("figura.grb", std::string("**********\r\n*        *\r\n**********\r\n"));
  nomeDocumento = pasta.arquivo("livro.txt");
  const std::vector<std::string> documento = {
      "Antes da figura, com acentuação."_cp, "<G* C figura.grb>", "Depois da figura.", "<P>",
      "Segunda página."_cp};
  PedidoImpressao pedido;
  pedido.copias = "2";
  pedido.dispositivo = pasta.arquivo("saida.brl");
  mensagens.esperaOk();
  ASSERT_EQ(iniciaImpressao(pedido, documento, {}), InicioImpressao::iniciado);
  ASSERT_TRUE(apoio::esperaFimDoTrabalho());
  const std::string esperado = pasta.le("saida.brl");
  ASSERT_NE(esperado.find("\x1B" "1"), std::string::npos) << "the graphic went out in graphic mode";

  const auto antes = capturas();
  mensagens.servico.respostasImpressora.push_back(
      plataforma::EscolhaImpressora{"lumarel_raw", "", ""});
  mensagens.esperaOk();
  pedido.dispositivo = "PRN";
  ASSERT_EQ(iniciaImpressao(pedido, documento, {}), InicioImpressao::iniciado);
  ASSERT_TRUE(apoio::esperaFimDoTrabalho());
  EXPECT_EQ(mensagens.servico.textos(), (std::vector<std::string>{"Arquivo enviado", "Arquivo enviado"}));
  const std::optional<std::string> bytes = novaCaptura(antes);
  ASSERT_TRUE(bytes) << "the job never reached the printer";
  EXPECT_EQ(apoio::divideCrLf(*bytes), apoio::divideCrLf(esperado));
  EXPECT_EQ(*bytes, esperado);
}

}  // namespace
