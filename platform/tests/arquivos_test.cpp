#include <gtest/gtest.h>

#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>

#include "apoio_testes.h"
#include "gravacoes_teste.h"
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

TEST(EscritorSeguro, FailureSaysWhyAndKeepsTheOldText) {
  struct Caso {
    const char* nome;
    std::string arquivo;  // beside doc.txt, its backup and a folder
    bool noLugar;
    int simulado;   // errno of a refused temporary file
    rlim_t limite;  // a full disk after this many bytes (0: none)
    std::string motivo;
    mode_t modo = 0644;  // of doc.txt
  } casos[] = {
      {"caminho que é uma pasta", "pasta", true, 0, 0, "é uma pasta"_cp},
      {"pasta recusa e não se grava no lugar", "doc.txt", false, EACCES, 0, "permissão negada"_cp},
      // A full disk is no reason to write over the file itself.
      {"disco cheio ao criar", "doc.txt", true, ENOSPC, 0, "disco cheio"},
      {"no lugar, repõe o antigo", "doc.txt", true, EPERM, 16, "arquivo grande demais"},
      {"no lugar, nem o antigo cabe", "doc.txt", true, EROFS, 8,
       "arquivo grande demais; o texto anterior não pôde ser reposto"_cp},
      // Protected by its mode bits: refused even for root, and never written in place.
      {"somente leitura", "doc.txt", false, 0, 0, "permissão negada"_cp, 0444},
      {"somente leitura, no lugar", "doc.txt", true, EACCES, 0, "permissão negada"_cp, 0440},
      {"só o grupo escreve", "doc.txt", true, 0, 0, "permissão negada"_cp, 0020},
  };
  for (const auto& c : casos) {
    SCOPED_TRACE(c.nome);
    apoio::PastaTemporaria pasta;
    pasta.grava("doc.txt", "texto velho\r\n");
    pasta.grava("doc.txt.bak", "backup velho\r\n");
    std::filesystem::create_directory(pasta.arquivo("pasta"));
    ASSERT_EQ(::chmod(pasta.arquivo("doc.txt").c_str(), c.modo), 0);
    const auto antes = apoio::retratoPasta(pasta.caminho());
    const std::string nome = pasta.arquivo(c.arquivo);
    const ResultadoGravacao r = apoio::comFalhas(c.simulado, c.limite, [&] {
      return gravaArquivo(nome, std::string(1000, 'n'), {false, nome + ".bak", c.noLugar});
    });
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(motivoFalha(r), c.motivo);
    auto depois = apoio::retratoPasta(pasta.caminho());
    // Only an in-place write whose old text could not be put back changes the file.
    if (r.antigo == EstadoAntigo::perdido) depois["/doc.txt"] = antes.at("/doc.txt");
    EXPECT_EQ(depois, antes);
  }
}

TEST(EscritorSeguro, BackupOnAnotherFileSystemIsACopy) {
  std::string outroSistema = "/dev/shm/lumarel-backup-XXXXXX";
  if (::mkdtemp(outroSistema.data()) == nullptr) GTEST_SKIP() << "no /dev/shm";
  apoio::PastaTemporaria pasta;
  const std::string backup = outroSistema + "/doc.txt.bak";
  pasta.grava("doc.txt", "antigo");
  ASSERT_TRUE(gravaArquivoSeguro(backup, "backup velho"));
  const bool ok = gravaArquivo(pasta.arquivo("doc.txt"), "novo", {false, backup, false}).ok;
  std::string lido;
  leArquivo(backup, lido);
  std::filesystem::remove_all(outroSistema);
  ASSERT_TRUE(ok);
  EXPECT_EQ(pasta.le("doc.txt"), "novo");
  EXPECT_EQ(lido, "antigo");
  EXPECT_EQ(apoio::retratoPasta(pasta.caminho()).size(), 1u);
}
