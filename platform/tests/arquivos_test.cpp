#include <gtest/gtest.h>

#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>

#include "apoio_testes.h"
#include "arquivos.h"
#include "cp1252.h"

using namespace plataforma;

TEST(Arquivos, WindowsDirectoryAndTemporaryFolderFromEnvironment) {
  ::setenv("LUMAREL_WINDIR", "/algum/lugar/", 1);
  EXPECT_EQ(diretorioWindows(), "/algum/lugar");
  ::unsetenv("LUMAREL_WINDIR");
  ::setenv("XDG_CONFIG_HOME", "/xdg", 1);
  EXPECT_EQ(diretorioWindows(), "/xdg/lumarel");
  ::unsetenv("XDG_CONFIG_HOME");
  ::setenv("HOME", "/home/ana", 1);
  EXPECT_EQ(diretorioWindows(), "/home/ana/.config/lumarel");

  ::setenv("TMPDIR", "/var/tmp", 1);
  EXPECT_EQ(pastaTemporaria(), "/var/tmp/");
  ::unsetenv("TMPDIR");
  EXPECT_EQ(pastaTemporaria(), "/tmp/");
}

TEST(Arquivos, JoinsNamesWithOneSlash) {
  EXPECT_EQ(juntaCaminho("/a", "b.cfg"), "/a/b.cfg");
  EXPECT_EQ(juntaCaminho("/", "b.cfg"), "/b.cfg");
  EXPECT_EQ(juntaCaminho("", "b.cfg"), "b.cfg");
}

TEST(Arquivos, SafeWriteReplacesWholeAndKeepsOldOnFailure) {
  apoio::PastaTemporaria pasta;
  const std::string nome = pasta.arquivo("documento ção.txt"_cp.str());
  ASSERT_TRUE(gravaArquivoSeguro(nome, "primeiro\r\n"));
  std::string lido;
  ASSERT_TRUE(leArquivo(nome, lido));
  EXPECT_EQ(lido, "primeiro\r\n");
  // The name reached the file system as UTF-8.
  struct stat st {};
  EXPECT_EQ(::stat((pasta.caminho() + "/documento ção.txt").c_str(), &st), 0);

  ASSERT_TRUE(gravaArquivoSeguro(nome, std::string("\0\xFF", 2)));
  ASSERT_TRUE(leArquivo(nome, lido));
  EXPECT_EQ(lido, std::string("\0\xFF", 2));

  // A folder in the way, or a missing folder: the write fails and says so.
  EXPECT_FALSE(gravaArquivoSeguro(pasta.caminho(), "x"));
  EXPECT_FALSE(gravaArquivoSeguro(pasta.arquivo("falta/x.txt"), "x"));
  EXPECT_TRUE(gravaArquivoSeguro(pasta.arquivo("nova/sub/x.txt"), "x", true));
  EXPECT_FALSE(leArquivo(pasta.caminho(), lido));
  EXPECT_FALSE(leArquivo(pasta.arquivo("nada"), lido));
}

TEST(Arquivos, WriteThatRunsOutOfSpaceLeavesTheOldFile) {
  // A file-size limit makes write() fail part way, as a full disk does.
  apoio::PastaTemporaria pasta;
  const std::string nome = pasta.arquivo("x.ini");
  ASSERT_TRUE(gravaArquivoSeguro(nome, "antigo"));
  struct rlimit antes {};
  ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &antes), 0);
  auto sinal = std::signal(SIGXFSZ, SIG_IGN);
  struct rlimit pequeno = antes;
  pequeno.rlim_cur = 16;
  ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &pequeno), 0);
  const bool gravou = gravaArquivoSeguro(nome, std::string(1000, 'n'));
  ::setrlimit(RLIMIT_FSIZE, &antes);
  std::signal(SIGXFSZ, sinal);
  EXPECT_FALSE(gravou);
  std::string lido;
  ASSERT_TRUE(leArquivo(nome, lido));
  EXPECT_EQ(lido, "antigo");
  // No temporary file is left behind.
  int arquivos = 0;
  for (const auto& e : std::filesystem::directory_iterator(pasta.caminho())) (void)e, ++arquivos;
  EXPECT_EQ(arquivos, 1);
}

TEST(Arquivos, ReadingADeviceOrAFifoFailsAtOnce) {
  apoio::PastaTemporaria pasta;
  const std::string fifo = pasta.arquivo("fila");
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  std::string lido;
  EXPECT_FALSE(leArquivo(fifo, lido));  // no writer: must not wait for one
  EXPECT_FALSE(leArquivo("/dev/zero", lido));
  EXPECT_TRUE(lido.empty());
}
