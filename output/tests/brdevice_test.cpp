#include "brdevice.h"

#include <cups/cups.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <termios.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "apoio_dispositivos.h"
#include "apoio_testes.h"
#include "brcom.h"
#include "brgeometria.h"
#include "brtiger.h"
#include "brvars.h"
#include "cp1252.h"
#include "superficie_gravadora.h"

namespace {

bool existe(const std::string& caminho) {
  struct stat st{};
  return ::stat(caminho.c_str(), &st) == 0;
}

class DispositivoTest : public ::testing::Test {
 protected:
  void SetUp() override { reiniciaVariaveis(); }
  void TearDown() override {
    fechaDispositivo();
    instalaFabricaSuperficie(nullptr);
    reiniciaVariaveis();
    atualizaModoTiger();
  }
  apoio::PastaTemporaria pasta;
};

// Runs the test body with the temporary folder as the current directory, so
// that bare names land in it.
class NaPasta {
 public:
  explicit NaPasta(const std::string& pasta) : antes_(std::filesystem::current_path()) {
    std::filesystem::current_path(pasta);
  }
  ~NaPasta() { std::filesystem::current_path(antes_); }

 private:
  std::filesystem::path antes_;
};

TEST_F(DispositivoTest, EscolheOCanalPeloNomeEmMaiusculas) {
  apoio::PseudoTerminal pty;
  apoio::Variavel com1("LUMAREL_COM1", pty.nome);
  const std::string fifo = pasta.arquivo("lp");
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  const int leitura = ::open(fifo.c_str(), O_RDONLY | O_NONBLOCK);
  ASSERT_GE(leitura, 0);
  apoio::Variavel lpt2("LUMAREL_LPT2", fifo);
  NaPasta naPasta(pasta.caminho());

  struct Caso {
    std::string nome;
    std::string porta;    // portaSaida after the open
    std::string arquivo;  // the file the channel created, empty for a port
  };
  const Caso casos[] = {
      {"com1", "COM1", ""},
      {"lpt2", "LPT2", ""},
      {"Lpt2.txt", "Lpt2.txt", "Lpt2.txt"},
      {"LPT4", "LPT4", "LPT4"},
      {"com3", "com3", "com3"},
      {" COM1", " COM1", " COM1"},
      {"saída braille.brl"_cp, "saída braille.brl"_cp, cp1252::paraUtf8("saída braille.brl"_cp)},
  };
  for (const Caso& c : casos) {
    SCOPED_TRACE(c.nome);
    ASSERT_TRUE(abreDispositivo(c.nome));
    EXPECT_EQ(portaSaida, c.porta);
    EXPECT_TRUE(enviaDispositivo("x"));
    fechaDispositivo();
    if (!c.arquivo.empty()) {
      std::string conteudo;
      EXPECT_TRUE(plataforma::leArquivo(c.porta, conteudo)) << "no file " << c.arquivo;
      EXPECT_EQ(conteudo, "x");
      EXPECT_TRUE(existe(pasta.arquivo(c.arquivo)));  // UTF-8 on disk
    }
  }
  ::close(leitura);
}

TEST_F(DispositivoTest, ArquivoRecebeOsBytesExatos) {
  const std::string nome = pasta.arquivo("Saida.BRL");
  pasta.grava("Saida.BRL", "conteúdo antigo, mais longo que o novo"_cp);
  ASSERT_TRUE(abreDispositivo(nome));
  EXPECT_EQ(portaSaida, nome) << "a file name keeps its case";
  const std::string envios[] = {"linha\r\n", apoio::todosOsBytes(), "\f", "", "fim\f"};
  std::string esperado;
  for (const std::string& e : envios) {
    EXPECT_TRUE(enviaDispositivo(e));
    esperado += e;
    // Each send is on disk at once: nothing waits in a buffer.
    EXPECT_EQ(pasta.le("Saida.BRL"), esperado);
  }
  EXPECT_TRUE(fechaDispositivo());
  EXPECT_EQ(pasta.le("Saida.BRL"), esperado);
}

TEST_F(DispositivoTest, FormFeedSozinhoDaPuma7ViraLinhaSeparadora) {
  struct Caso {
    const char* marca;
    std::string texto;
    std::string gravado;
  };
  const std::string tracos = std::string(50, '-') + "\r\n";
  const Caso casos[] = {
      {"Puma 7", "\f", tracos},
      {"Puma 7", "texto\f", "texto\f"},
      {"Puma 7", "\f\f", "\f\f"},
      {"Puma 7", "\fx", "\fx"},
      {"puma 7", "\f", "\f"},
      {"Puma 7 ", "\f", "\f"},
      {"Index Basic", "\f", "\f"},
  };
  for (const Caso& c : casos) {
    SCOPED_TRACE(std::string(c.marca) + " / " + c.texto);
    configuracao.Marca = c.marca;
    ASSERT_TRUE(abreDispositivo(pasta.arquivo("puma.brl")));
    EXPECT_TRUE(enviaDispositivo(c.texto));
    fechaDispositivo();
    EXPECT_EQ(pasta.le("puma.brl"), c.gravado);
  }
}

TEST_F(DispositivoTest, ModeloFixadoNaAbertura) {
  for (const bool puma : {true, false}) {
    SCOPED_TRACE(puma ? "opened as Puma 7" : "opened as Braillo");
    configuracao.Marca = puma ? "Puma 7" : "Braillo";
    ASSERT_TRUE(abreDispositivo(pasta.arquivo("modelo.brl")));
    configuracao.Marca = puma ? "Braillo" : "Puma 7";
    EXPECT_TRUE(enviaDispositivo("\f"));
    fechaDispositivo();
    EXPECT_EQ(pasta.le("modelo.brl"), puma ? std::string(50, '-') + "\r\n" : "\f");
  }
}

TEST_F(DispositivoTest, AberturaImpossivelDaFalsoSemExcecao) {
  pasta.grava("arquivo", "x");
  ASSERT_EQ(::mkfifo(pasta.arquivo("fifo").c_str(), 0600), 0);
  const std::string casos[] = {
      pasta.arquivo("pasta-que-falta/saida.brl"),
      pasta.caminho(),                      // a directory
      pasta.arquivo(std::string(300, 'a')),  // longer than a file name may be
      pasta.arquivo("arquivo/dentro"),       // a file used as a folder
      pasta.arquivo("fifo"),                 // nobody reads it: must not hang
      "",
  };
  for (const std::string& nome : casos) {
    EXPECT_FALSE(abreDispositivo(nome)) << nome;
    EXPECT_FALSE(enviaDispositivo("x")) << "nothing is open after a failed open";
    EXPECT_TRUE(fechaDispositivo());
  }
}

TEST_F(DispositivoTest, DiscoCheioDaFalso) {
  if (!existe("/dev/full")) GTEST_SKIP() << "/dev/full is missing";
  ASSERT_TRUE(abreDispositivo("/dev/full"));
  EXPECT_TRUE(enviaDispositivo(""));
  EXPECT_FALSE(enviaDispositivo("sem espaço"_cp));
}

TEST_F(DispositivoTest, TerminalComoArquivoFicaCru) {
  apoio::PseudoTerminal pty;
  apoio::Leitor leitor(pty.mestre);
  ASSERT_TRUE(abreDispositivo(pty.nome));
  termios t{};
  ASSERT_EQ(tcgetattr(pty.escravo, &t), 0);
  EXPECT_EQ(t.c_oflag & OPOST, 0u);
  EXPECT_TRUE(enviaDispositivo("a\r\nb\n"));
  EXPECT_EQ(leitor.espera(5), "a\r\nb\n") << "CR LF must not become CR CR LF";
}

TEST_F(DispositivoTest, PrnComTigerVaiAoDriver) {
  SuperficieGravadora::Registro registro;
  instalaFabricaSuperficie([&] { return std::make_unique<SuperficieGravadora>(registro); });
  configuracao.Marca = "tiger pro";
  ASSERT_TRUE(abreDispositivo("prn"));
  EXPECT_EQ(portaSaida, "PRN");
  EXPECT_TRUE(modoTiger);
  EXPECT_TRUE(tigerAberto());
  registro.chamadas.clear();
  EXPECT_TRUE(enviaDispositivo("\fab"));
  EXPECT_TRUE(enviaImpressora("cd"));
  EXPECT_NE(std::find(registro.chamadas.begin(), registro.chamadas.end(), "escreveTexto 0,0 ab"),
            registro.chamadas.end());
  EXPECT_TRUE(fechaDispositivo());
  EXPECT_FALSE(tigerAberto());
}

TEST_F(DispositivoTest, TigerQueNaoAbreDaFalsoComAviso) {
  apoio::Mensagens mensagens;
  mensagens.esperaOk();
  configuracao.Marca = "Tiger";
  EXPECT_FALSE(abreDispositivo("PRN"));
  EXPECT_EQ(mensagens.servico.textos(),
            std::vector<std::string>{"Não consegui ativar a impressora Tiger"_cp});
}

TEST_F(DispositivoTest, PrnSemServidorDeImpressaoDaFalso) {
  // A port on which nothing listens: the open fails, nothing stays open.
  apoio::Variavel servidor("CUPS_SERVER", "127.0.0.1:1");
  cupsSetServer(nullptr);
  configuracao.Marca = "Index Everest";
  EXPECT_FALSE(abreDispositivo("PRN"));
  EXPECT_EQ(hImpressora, -1);
  EXPECT_FALSE(enviaDispositivo("x"));
  EXPECT_FALSE(enviaImpressora("x"));
  // A network queue on an absent server is not a file with backslashes.
  NaPasta naPasta(pasta.caminho());
  EXPECT_FALSE(abreDispositivo("\\\\127.0.0.1:1\\fila"));
  EXPECT_TRUE(std::filesystem::is_empty(pasta.caminho()));
  cupsSetServer(nullptr);
}

TEST(NomeRede, Separa) {
  struct Caso {
    const char* nome;
    bool valido;
    const char* servidor;
    const char* fila;
  };
  const Caso casos[] = {
      {"\\\\servidor\\braille", true, "servidor", "braille"},
      {"\\\\10.0.0.2:631\\index", true, "10.0.0.2:631", "index"},
      {"\\\\servidor\\", false, "", ""},
      {"\\\\servidor", false, "", ""},
      {"\\\\\\fila", false, "", ""},
      {"\\\\a\\b\\c", false, "", ""},
      {"\\servidor\\fila", false, "", ""},
      {"//servidor/fila", false, "", ""},
      {"", false, "", ""},
  };
  for (const Caso& c : casos) {
    std::string servidor, fila;
    EXPECT_EQ(separaNomeRede(c.nome, servidor, fila), c.valido) << c.nome;
    if (c.valido) {
      EXPECT_EQ(servidor, c.servidor);
      EXPECT_EQ(fila, c.fila);
    }
  }
}

}  // namespace
