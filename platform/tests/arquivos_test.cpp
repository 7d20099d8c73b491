#include <gtest/gtest.h>

#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

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

namespace {

ino_t inode(const std::string& nome) {
  struct stat st {};
  return ::stat(nome.c_str(), &st) == 0 ? st.st_ino : 0;
}

}  // namespace

TEST(EscritorSeguro, FailureSaysWhyAndTouchesNothing) {
  struct Caso {
    const char* nome;
    std::string arquivo;  // in a folder with doc.txt and its backup, a folder and a file
    bool criaPastas;
    bool noLugar;
    int simulado;  // errno of a refused temporary file
    rlim_t limite;
    int erro;
    std::string motivo;
  } casos[] = {
      {"pasta que falta", "falta/novo.txt", false, true, 0, 0, ENOENT, "pasta não existe"_cp},
      {"caminho que é uma pasta", "pasta", true, true, 0, 0, EISDIR, "é uma pasta"_cp},
      {"parte do caminho é um arquivo", "arquivo/sub/novo.txt", true, false, 0, 0, ENOTDIR,
       "parte do caminho não é uma pasta"_cp},
      {"dispositivo", "/dev/null", false, true, 0, 0, EINVAL, "não é um arquivo comum"_cp},
      {"pasta recusa e não se grava no lugar", "doc.txt", false, false, EACCES, 0, EACCES,
       "permissão negada"_cp},
      {"pasta recusa e não há arquivo", "novo.txt", false, true, EPERM, 0, EPERM, "permissão negada"_cp},
      {"somente leitura", "doc.txt", false, false, EROFS, 0, EROFS, "sistema de arquivos somente de leitura"},
      // A full disk is no reason to write over the file itself.
      {"disco cheio ao criar", "doc.txt", false, true, ENOSPC, 0, ENOSPC, "disco cheio"},
      {"disco cheio ao gravar", "doc.txt", false, true, 0, 16, EFBIG, "arquivo grande demais"},
  };
  for (const auto& c : casos) {
    SCOPED_TRACE(c.nome);
    apoio::PastaTemporaria pasta;
    pasta.grava("doc.txt", "texto velho\r\n");
    pasta.grava("doc.txt.bak", "backup velho\r\n");
    pasta.grava("arquivo", "um arquivo");
    std::filesystem::create_directory(pasta.arquivo("pasta"));
    pasta.grava("pasta/dentro", "dentro");
    const auto antes = apoio::retratoPasta(pasta.caminho());
    const std::string nome = c.arquivo[0] == '/' ? c.arquivo : pasta.arquivo(c.arquivo);
    OpcoesGravacao opcoes{c.criaPastas, nome + ".bak", c.noLugar};
    ResultadoGravacao r;
    {
      apoio::FalhaSimulada falha(c.simulado);
      apoio::LimiteTamanho limite(c.limite);
      r = gravaArquivo(nome, std::string(1000, 'n'), opcoes);
    }
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.erro, c.erro);
    EXPECT_EQ(motivoFalha(r), c.motivo);
    EXPECT_EQ(r.antigo, EstadoAntigo::intacto);
    EXPECT_EQ(apoio::retratoPasta(pasta.caminho()), antes);
  }
}

TEST(EscritorSeguro, BackupReplacesTheOldOneAndTheFileKeepsItsMode) {
  // A backup on another file system cannot be a second name: it is a copy.
  std::string outroSistema = "/dev/shm/lumarel-backup-XXXXXX";
  if (::mkdtemp(outroSistema.data()) == nullptr) outroSistema.clear();
  for (const std::string& pastaBackup : {std::string(), outroSistema}) {
    SCOPED_TRACE(pastaBackup.empty() ? "ao lado" : "noutro sistema de arquivos");
    apoio::PastaTemporaria pasta;
    const std::string nome = pasta.arquivo("doc.txt");
    const std::string backup = (pastaBackup.empty() ? pasta.caminho() : pastaBackup) + "/doc.txt.bak";
    pasta.grava("doc.txt", "antigo");
    ::chmod(nome.c_str(), 0640);
    ASSERT_TRUE(gravaArquivoSeguro(backup, "backup velho"));
    OpcoesGravacao opcoes;
    opcoes.backup = backup;
    const ResultadoGravacao r = gravaArquivo(nome, "novo", opcoes);
    ASSERT_TRUE(r.ok);
    EXPECT_TRUE(r.backupFeito);
    EXPECT_EQ(pasta.le("doc.txt"), "novo");
    std::string lido;
    EXPECT_TRUE(leArquivo(backup, lido));
    EXPECT_EQ(lido, "antigo");
    struct stat st {};
    ASSERT_EQ(::stat(nome.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0640u);
    EXPECT_EQ(apoio::retratoPasta(pasta.caminho()).size(), pastaBackup.empty() ? 2u : 1u);
  }
  if (!outroSistema.empty()) std::filesystem::remove_all(outroSistema);
}

TEST(EscritorSeguro, FolderThatRefusesNewFilesIsWrittenInPlace) {
  const std::string mil(1000, 'n');
  struct Caso {
    const char* nome;
    int simulado;  // errno of the refused temporary file
    std::string antigo;
    std::string novo;
    rlim_t limite;  // a full disk after this many bytes (0: none)
    EstadoAntigo estado;
    const char* conteudo;  // nullptr: whatever a failed write back left
    std::string motivo;    // empty: the write works
  } casos[] = {
      {"texto menor", EACCES, "texto antigo longo", "novo", 0, EstadoAntigo::intacto, "novo", ""},
      {"texto maior", EPERM, "a", "muito maior", 0, EstadoAntigo::intacto, "muito maior", ""},
      {"texto vazio", EROFS, "a", "", 0, EstadoAntigo::intacto, "", ""},
      {"falha e repõe o antigo", EACCES, "antigo", mil, 16, EstadoAntigo::restaurado, "antigo",
       "arquivo grande demais"},
      {"falha também ao repor", EACCES, std::string(100, 'v'), mil, 16, EstadoAntigo::perdido, nullptr,
       "arquivo grande demais; o texto anterior não pôde ser reposto"_cp},
  };
  for (const auto& c : casos) {
    SCOPED_TRACE(c.nome);
    apoio::PastaTemporaria pasta;
    const std::string nome = pasta.arquivo("doc.txt");
    pasta.grava("doc.txt", c.antigo);
    pasta.grava("doc.txt.bak", "backup velho");
    const ino_t antes = inode(nome);
    ResultadoGravacao r;
    {
      apoio::FalhaSimulada falha(c.simulado);
      apoio::LimiteTamanho limite(c.limite);
      r = gravaArquivo(nome, c.novo, {false, nome + ".bak", true});
    }
    const bool ok = c.motivo.empty();
    EXPECT_EQ(r.ok, ok);
    EXPECT_TRUE(r.noLugar);
    EXPECT_EQ(r.antigo, c.estado);
    if (!ok) {
      EXPECT_EQ(motivoFalha(r), c.motivo);
    }
    // The same file, written over; its backup is a copy of the old text
    // put in place only when the write worked; no other file appeared.
    EXPECT_EQ(inode(nome), antes);
    if (c.conteudo) {
      EXPECT_EQ(pasta.le("doc.txt"), c.conteudo);
    }
    EXPECT_EQ(r.backupFeito, ok);
    EXPECT_EQ(pasta.le("doc.txt.bak"), ok ? c.antigo : "backup velho");
    EXPECT_EQ(apoio::retratoPasta(pasta.caminho()).size(), 2u);
  }
}

TEST(EscritorSeguro, ReadOnlyFolderForAPlainUser) {
  if (::geteuid() == 0) GTEST_SKIP() << "root writes to any folder";
  for (const bool noLugar : {true, false}) {
    SCOPED_TRACE(noLugar ? "no lugar" : "só por arquivo novo");
    apoio::PastaTemporaria pasta;
    pasta.grava("doc.txt", "antigo");
    const std::string nome = pasta.arquivo("doc.txt");
    ASSERT_EQ(::chmod(pasta.caminho().c_str(), 0555), 0);
    const ResultadoGravacao r = gravaArquivo(nome, "novo", {false, nome + ".bak", noLugar});
    ::chmod(pasta.caminho().c_str(), 0755);
    EXPECT_EQ(r.ok, noLugar);
    EXPECT_EQ(r.erro, noLugar ? 0 : EACCES);
    EXPECT_EQ(pasta.le("doc.txt"), noLugar ? "novo" : "antigo");
    // No backup either: the folder takes no new file.
    EXPECT_EQ(apoio::retratoPasta(pasta.caminho()).size(), 1u);
  }
}
