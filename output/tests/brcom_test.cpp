#include "brcom.h"

#include <gtest/gtest.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <termios.h>

#include <atomic>
#include <chrono>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "apoio_dispositivos.h"
#include "apoio_testes.h"
#include "brvars.h"

namespace {

using namespace std::chrono_literals;

// Notices of the waiting serial send, as the progress window would get them.
struct Avisos {
  Avisos() {
    instalaAvisoEspera([this](const std::string& t) {
      std::lock_guard g(mutex);
      textos.push_back(t);
    });
  }
  ~Avisos() { instalaAvisoEspera(nullptr); }
  std::vector<std::string> lista() {
    std::lock_guard g(mutex);
    return textos;
  }
  std::mutex mutex;
  std::vector<std::string> textos;
};

// The modem lines of the port, as the test sets them.
struct Modem {
  Modem() {
    instalaLeituraModem([this](int) -> std::optional<int> {
      if (semLinhas) return std::nullopt;
      return bits.load();
    });
  }
  ~Modem() { instalaLeituraModem(nullptr); }
  std::atomic<int> bits{TIOCM_CTS | TIOCM_DSR};
  std::atomic<bool> semLinhas{false};
};

class PortaSerialTest : public ::testing::Test {
 protected:
  void SetUp() override {
    reiniciaVariaveis();
    encerrandoPrograma = false;
  }
  void TearDown() override {
    fechaCom();
    fechaPorta();
    reiniciaVariaveis();
    encerrandoPrograma = false;
  }
  apoio::PseudoTerminal pty;
  apoio::Variavel com1{"LUMAREL_COM1", pty.nome};
};

TEST_F(PortaSerialTest, LinhaEmModoCru9600OitoBitsSemParidadeUmStop) {
  // The port starts in the terminal's cooked mode with hardware flow control
  // on; the open must make it raw 8N1 at 9600 and keep the flow control.
  termios antes{};
  ASSERT_EQ(tcgetattr(pty.escravo, &antes), 0);
  antes.c_cflag |= CRTSCTS | PARENB | CSTOPB;
  antes.c_iflag |= IXON;
  cfsetospeed(&antes, B38400);
  ASSERT_EQ(tcsetattr(pty.escravo, TCSANOW, &antes), 0);

  ASSERT_TRUE(abreCom("COM1"));
  termios t{};
  ASSERT_EQ(tcgetattr(pty.escravo, &t), 0);
  EXPECT_EQ(cfgetospeed(&t), B9600);
  EXPECT_EQ(cfgetispeed(&t), B9600);
  EXPECT_EQ(t.c_cflag & CSIZE, static_cast<tcflag_t>(CS8));
  EXPECT_EQ(t.c_cflag & PARENB, 0u);
  EXPECT_EQ(t.c_cflag & CSTOPB, 0u);
  EXPECT_EQ(t.c_oflag & OPOST, 0u) << "output processing would turn LF into CR LF";
  EXPECT_EQ(t.c_lflag & (ICANON | ECHO | ISIG), 0u);
  EXPECT_NE(t.c_cflag & CRTSCTS, 0u) << "hardware flow control must be kept";
  EXPECT_NE(t.c_iflag & IXON, 0u) << "software flow control must be kept";
}

TEST_F(PortaSerialTest, BytesChegamIguaisNaOrdem) {
  apoio::Leitor leitor(pty.mestre);
  Avisos avisos;
  ASSERT_TRUE(abreCom("COM1"));
  // Longer than the pseudo-terminal's buffer, so writes are partial and
  // must be resumed; CR LF and every byte value pass unchanged.
  std::string grande;
  for (int i = 0; i < 20000; ++i) grande.push_back(static_cast<char>('a' + i % 26));
  const std::vector<std::string> envios = {"linha 1\r\n", apoio::todosOsBytes(), "\f", "",
                                           grande, "\x1b" "A\r\n"};
  std::string esperado;
  for (const std::string& e : envios) {
    EXPECT_TRUE(enviaCom(e));
    esperado += e;
  }
  EXPECT_EQ(leitor.espera(esperado.size()), esperado);
  EXPECT_TRUE(avisos.lista().empty()) << "a port ready at once leaves the notice alone";
}

TEST_F(PortaSerialTest, ProntaSoComCtsEDsr) {
  ASSERT_TRUE(abreCom("COM1"));
  EXPECT_FALSE(comBloqueada()) << "a pseudo-terminal has no modem lines: ready";
  Modem modem;
  struct Caso {
    std::optional<int> bits;
    bool bloqueada;
  };
  const Caso casos[] = {
      {TIOCM_CTS | TIOCM_DSR, false},
      {TIOCM_CTS | TIOCM_DSR | TIOCM_CD | TIOCM_RNG, false},
      {TIOCM_CTS, true},
      {TIOCM_DSR, true},
      {0, true},
      {std::nullopt, false},  // no modem lines at all: nothing says wait
  };
  for (const Caso& c : casos) {
    modem.semLinhas = !c.bits;
    modem.bits = c.bits.value_or(0);
    EXPECT_EQ(comBloqueada(), c.bloqueada) << "bits " << c.bits.value_or(-1);
  }
  fechaCom();
  EXPECT_TRUE(comBloqueada()) << "a closed port is never ready";
}

TEST_F(PortaSerialTest, EsperaAteFicarProntaEAvisaNaJanela) {
  apoio::Leitor leitor(pty.mestre);
  ASSERT_TRUE(abreCom("COM1"));
  Modem modem;
  Avisos avisos;
  modem.bits = TIOCM_CTS;  // data-set-ready off: blocked
  std::thread liberador([&] {
    std::this_thread::sleep_for(1200ms);
    EXPECT_EQ(leitor.agora(), "") << "nothing may go out while the embosser is not ready";
    modem.bits = TIOCM_CTS | TIOCM_DSR;
  });
  const auto inicio = std::chrono::steady_clock::now();
  EXPECT_TRUE(enviaCom("abc\r\n"));
  const auto duracao = std::chrono::steady_clock::now() - inicio;
  liberador.join();
  EXPECT_GE(duracao, 1200ms);
  EXPECT_EQ(leitor.espera(5), "abc\r\n");
  const std::vector<std::string> textos = avisos.lista();
  ASSERT_GE(textos.size(), 2u);
  EXPECT_EQ(textos.front(), "Impressora bloqueada");
  EXPECT_EQ(textos.back(), "") << "the notice is cleared when the wait ends";
}

TEST_F(PortaSerialTest, EsperaTerminaAoCancelarOuFecharPrograma) {
  struct Caso {
    const char* nome;
    std::atomic<bool>* flag;
  };
  const Caso casos[] = {{"cancel", &cancelaImpressao}, {"program close", &encerrandoPrograma}};
  for (const Caso& c : casos) {
    SCOPED_TRACE(c.nome);
    apoio::Leitor leitor(pty.mestre);
    ASSERT_TRUE(abreCom("COM1"));
    Modem modem;
    Avisos avisos;
    modem.bits = 0;
    std::thread cancelador([&] {
      std::this_thread::sleep_for(700ms);
      *c.flag = true;
    });
    const auto inicio = std::chrono::steady_clock::now();
    EXPECT_FALSE(enviaCom("nunca"));
    const auto duracao = std::chrono::steady_clock::now() - inicio;
    cancelador.join();
    EXPECT_LT(duracao, 2s);
    std::this_thread::sleep_for(100ms);
    EXPECT_EQ(leitor.agora(), "");
    ASSERT_FALSE(avisos.lista().empty());
    EXPECT_EQ(avisos.lista().back(), "");
    *c.flag = false;
    fechaCom();
  }
}

TEST_F(PortaSerialTest, DispositivoQueSomeDaErro) {
  ASSERT_TRUE(abreCom("COM1"));
  ::close(pty.escravo);
  pty.escravo = -1;
  pty.fechaMestre();  // the line hangs up under the writer
  EXPECT_FALSE(enviaCom("perdido\r\n"));
}

TEST(PortaSerial, AberturasQueFalham) {
  apoio::PastaTemporaria pasta;
  pasta.grava("comum.txt", "x");
  const std::string casos[] = {pasta.arquivo("nao-existe"), pasta.arquivo("comum.txt"),
                               pasta.caminho(), ""};
  for (const std::string& caminho : casos) {
    apoio::Variavel com2("LUMAREL_COM2", caminho.empty() ? "/dev/lumarel-sem-porta" : caminho);
    EXPECT_FALSE(abreCom("COM2")) << caminho;
    EXPECT_FALSE(enviaCom("x")) << "a send without an open port must fail";
  }
  struct stat st{};
  EXPECT_NE(::stat(pasta.arquivo("nao-existe").c_str(), &st), 0) << "the open must not create";
}

// ---------------------------------------------------------------------------

class PortaParalelaTest : public ::testing::Test {
 protected:
  void SetUp() override {
    reiniciaVariaveis();
    fifo = pasta.arquivo("lp0");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  }
  void TearDown() override {
    fechaPorta();
    reiniciaVariaveis();
  }
  // The reading end, open before the port so that the port finds a reader.
  int abreLeitura() { return ::open(fifo.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC); }

  apoio::PastaTemporaria pasta;
  std::string fifo;
};

TEST_F(PortaParalelaTest, TodosOsBytesChegam) {
  const int leitura = abreLeitura();
  ASSERT_GE(leitura, 0);
  {
    apoio::Leitor leitor(leitura);
    apoio::Variavel lpt("LUMAREL_LPT1", fifo);
    ASSERT_TRUE(abrePorta("LPT1"));
    std::string grande(200000, 'z');  // far beyond the pipe's buffer
    const std::string esperado = apoio::todosOsBytes() + "\r\n\f" + grande;
    EXPECT_TRUE(enviaPorta(apoio::todosOsBytes()));
    EXPECT_TRUE(enviaPorta("\r\n\f"));
    EXPECT_TRUE(enviaPorta(""));
    EXPECT_TRUE(enviaPorta(grande));
    fechaPorta();
    EXPECT_EQ(leitor.esperaFim(), esperado);
  }
  ::close(leitura);
}

TEST_F(PortaParalelaTest, LeitorQueSomeDaErroSemDerrubarOPrograma) {
  const int leitura = abreLeitura();
  ASSERT_GE(leitura, 0);
  apoio::Variavel lpt("LUMAREL_LPT2", fifo);
  ASSERT_TRUE(abrePorta("LPT2"));
  ::close(leitura);  // the device goes away: the write meets a broken pipe
  EXPECT_FALSE(enviaPorta("perdido"));
}

TEST_F(PortaParalelaTest, PortaInexistenteOuSemLeitor) {
  const std::string casos[] = {pasta.arquivo("sem/lp1"), pasta.arquivo("lp9"), pasta.caminho(),
                               fifo /* nobody reads it: must not hang */};
  for (const std::string& caminho : casos) {
    apoio::Variavel lpt("LUMAREL_LPT1", caminho);
    EXPECT_FALSE(abrePorta("LPT1")) << caminho;
    EXPECT_FALSE(enviaPorta("x"));
  }
  struct stat st{};
  EXPECT_NE(::stat(pasta.arquivo("lp9").c_str(), &st), 0) << "a missing port must not become a file";
}

}  // namespace
