// "&Imprimir" from the window: the job runs beside it, a device that takes no
// more neither holds the window nor the teacher, and a device that fails
// says so once, naming itself and why.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QApplication>
#include <QTest>
#include <chrono>
#include <functional>
#include <thread>

#include "apoio_testes.h"
#include "brvars.h"
#include "cp1252.h"
#include "formconta.h"
#include "ovmain.h"
#include "ovprint.h"
#include "ovvars.h"

using namespace orvento;
using namespace std::chrono_literals;

namespace {

// Serves the windows until `pronto`, for at most `prazo`.
bool serveAte(const std::function<bool()>& pronto, std::chrono::milliseconds prazo = 10s) {
  const auto fim = std::chrono::steady_clock::now() + prazo;
  while (!pronto()) {
    if (std::chrono::steady_clock::now() > fim) return false;
    QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    std::this_thread::sleep_for(5ms);
  }
  QCoreApplication::processEvents();
  return true;
}

class ImpressaoJanela : public ::testing::Test {
 protected:
  apoio::WindowsTemporario windows;
  const apoio::PastaTemporaria& pasta = windows.pasta();
  apoio::Mensagens mensagens;
  std::unique_ptr<TFormConta> conta;
  std::unique_ptr<TForm1> form;

  void SetUp() override {
    reiniciaEstadoDesenho();
    const char* dados = std::getenv("LUMAREL_DATA_DIR");
    windows.gravaIni("[LUMAREL]\r\nambCode2=" + std::string(dados ? dados : ".") + "/ambcode2.cfg\r\n");
    conta = std::make_unique<TFormConta>();
    FormConta = conta.get();
    form = std::make_unique<TForm1>();
    // Not shown: painting the large canvas would bring in Qt's own image
    // threads, which the thread checker cannot follow. The handlers are the
    // window's all the same.
    ASSERT_TRUE(form->FormActivate());
  }
  void TearDown() override {
    cancelaImpressao = true;
    EXPECT_TRUE(serveAte([] { return !impressaoDesenhoAtiva(); }));
    aguardaFimImpressaoDesenho();
    tela.limpa();  // closing asks nothing
    form.reset();
    FormConta = nullptr;
    conta.reset();
    reiniciaEstadoDesenho();
  }
};

TEST_F(ImpressaoJanela, DispositivoParadoNaoPrendeAJanela) {
  // Three dots down every other column: 100 full bands, far more than the
  // FIFO below holds.
  for (int x = 0; x < 300; x += 2) tela.preencheRetangulo(x, 0, 1, 300, 1);
  const TMatrizPontos desenhado = tela;
  std::string esperado;
  geraFluxoDesenho(desenhado, tabAmbCode, false, [&](std::string_view b) { return esperado.append(b), true; });
  // Its reader holds it open and reads only when the test says.
  const std::string fifo = pasta.arquivo("fila");
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  const int leitor = ::open(fifo.c_str(), O_RDONLY | O_NONBLOCK);
  ASSERT_GE(::fcntl(leitor, F_SETPIPE_SZ, 4096), 4096);
  dispositivo = fifo;
  const auto le = [&](bool ateOFim) {
    std::string lido;
    char bloco[4096];
    serveAte([&] {
      const ssize_t n = ::read(leitor, bloco, sizeof bloco);
      if (n > 0) lido.append(bloco, static_cast<size_t>(n));
      return n == 0 || (n < 0 && !ateOFim);
    });
    return lido;
  };
  for (const bool cancela : {false, true}) {
    SCOPED_TRACE(cancela ? "cancelled" : "read at last");
    mensagens.servico.limpa();
    form->Imprimir1Click();
    serveAte([] { return false; }, 300ms);
    ASSERT_TRUE(impressaoDesenhoAtiva());
    EXPECT_TRUE(FormConta->isVisible());
    // The window goes on: it draws, and a second job is refused.
    form->PaintBox2MouseDown(Qt::LeftButton, 4 * 251 + 1, 4 * 290 + 1);
    form->PaintBox2MouseUp(4 * 251 + 1, 4 * 290 + 1);
    EXPECT_EQ(tela.le(251, 290), 1);
    mensagens.esperaOk();
    form->Imprimir1Click();
    EXPECT_EQ(mensagens.servico.textos(),
              std::vector<std::string>{"Não é possível imprimir dois desenhos ao mesmo tempo"_cp});
    if (cancela) {
      QTest::mouseClick(FormConta->Button1, Qt::LeftButton);
      const std::string lido = le(false);
      EXPECT_TRUE(serveAte([] { return !impressaoDesenhoAtiva(); }, 2s));
      EXPECT_LT(lido.size(), esperado.size());
      EXPECT_EQ(lido, esperado.substr(0, lido.size()));
    } else {
      // What goes out is the drawing as it was when the job began.
      EXPECT_EQ(le(true), esperado);
    }
    EXPECT_TRUE(serveAte([] { return !impressaoDesenhoAtiva() && !FormConta->isVisible(); }));
    EXPECT_EQ(mensagens.servico.registro.size(), 1u);  // nothing said at the end
    tela = desenhado;
  }
  ::close(leitor);
}

TEST_F(ImpressaoJanela, FalhaDitaUmaVezComDispositivoEMotivo) {
  const std::string semPasta = pasta.arquivo("falta/d.brl"), fifo = pasta.arquivo("fila");
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  const struct { std::string dispositivo, texto; } casos[] = {
      {semPasta, "Não consegui abrir a impressora\n"_cp + semPasta + ": pasta não existe"_cp},
      {"/dev/full", "Erro ao acionar a impressora\n/dev/full: disco cheio"},
      // Its reader goes away while the job waits for it.
      {fifo, "Erro ao acionar a impressora\n" + fifo + ": o dispositivo deixou de receber os dados"}};
  tela.preencheRetangulo(0, 0, 300, 300, 1);
  for (const auto& c : casos) {
    SCOPED_TRACE(c.dispositivo);
    mensagens.servico.limpa();
    dispositivo = c.dispositivo;
    mensagens.esperaOk();
    const int leitor = c.dispositivo == fifo ? ::open(fifo.c_str(), O_RDONLY | O_NONBLOCK) : -1;
    if (leitor >= 0) ::fcntl(leitor, F_SETPIPE_SZ, 4096);
    form->Imprimir1Click();
    if (leitor >= 0) serveAte([] { return false; }, 200ms), ::close(leitor);
    EXPECT_TRUE(serveAte([] { return !impressaoDesenhoAtiva() && !FormConta->isVisible(); }));
    aguardaFimImpressaoDesenho();
    EXPECT_EQ(mensagens.servico.textos(), std::vector<std::string>{c.texto});
  }
}

}  // namespace
