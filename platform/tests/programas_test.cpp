#include "programas.h"

#include <gtest/gtest.h>

#include <csignal>
#include <cstdlib>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include "apoio_testes.h"
#include "cp1252.h"

namespace {

TEST(Programas, IniciaOuDizPorqueNao) {
  apoio::PastaTemporaria pasta;
  for (const auto& [nome, modo] : {std::pair{"dorme", 0755}, std::pair{"parado", 0644}}) {
    pasta.grava(nome, "#!/bin/sh\nprintf '%s' \"$1\" > \"$0.arg\"\nexec sleep 30\n");
    ::chmod(pasta.arquivo(nome).c_str(), static_cast<mode_t>(modo));
  }
  struct Caso { std::string caminho; int erro; };
  for (const Caso& c : {Caso{pasta.arquivo("dorme"), 0}, Caso{pasta.arquivo("falta"), ENOENT},
                        Caso{pasta.caminho(), EACCES}, Caso{pasta.arquivo("parado"), EACCES},
                        Caso{"", ENOENT}}) {
    SCOPED_TRACE(c.caminho);
    const auto p = plataforma::iniciaPrograma(c.caminho, {"com espaço e $HOME"_cp});
    EXPECT_EQ(p.erro, c.erro);
    EXPECT_EQ(static_cast<bool>(p), c.erro == 0);
    if (!p) continue;
    std::string arg;  // the argument arrives whole, in the system's encoding
    EXPECT_TRUE(apoio::ate([&] { return plataforma::leArquivo(c.caminho + ".arg", arg) && arg != ""; }));
    EXPECT_EQ(arg, "com espaço e $HOME");
    EXPECT_TRUE(plataforma::programaAtivo(p.pid));
    ::kill(p.pid, SIGKILL);
    EXPECT_TRUE(apoio::ate([&] { return !plataforma::programaAtivo(p.pid); }));
  }
  EXPECT_FALSE(plataforma::programaAtivo(0));
  EXPECT_FALSE(plataforma::programaAtivo(-1));
}

TEST(Programas, EstadoDizComoTerminou) {
  apoio::PastaTemporaria pasta;
  // A path with blanks and shell characters is the program, never a command.
  ::mkdir(pasta.arquivo("com espaço; $(false)").c_str(), 0755);
  pasta.grava("com espaço; $(false)/sai", "#!/bin/sh\nexit \"$1\"\n");
  ::chmod(pasta.arquivo("com espaço; $(false)/sai").c_str(), 0755);
  using plataforma::EstadoPrograma;
  for (const auto& [codigo, fim] : {std::pair{"0", EstadoPrograma::terminouBem}, std::pair{"3", EstadoPrograma::falhou}}) {
    const auto p = plataforma::iniciaPrograma(pasta.arquivo("com espaço; $(false)/sai"_cp), {codigo});
    ASSERT_TRUE(p);
    // The end is told once: the process is reaped then.
    EstadoPrograma e = EstadoPrograma::rodando;
    EXPECT_TRUE(apoio::ate([&] {
      if (e == EstadoPrograma::rodando) e = plataforma::estadoPrograma(p.pid);
      return e != EstadoPrograma::rodando;
    }));
    EXPECT_EQ(e, fim) << codigo;
  }
}

// What the launcher started is reaped as soon as it ends, unasked, its end
// still told; a child it did not start is neither reaped nor waited for.
TEST(Programas, ColheSoOQueIniciou) {
  apoio::PastaTemporaria pasta;
  pasta.grava("sai", "#!/bin/sh\nexit 3\n");
  ::chmod(pasta.arquivo("sai").c_str(), 0755);
  const pid_t proprio = ::fork();
  if (proprio == 0) ::_exit(7);
  const auto p = plataforma::iniciaPrograma(pasta.arquivo("sai"));
  ASSERT_TRUE(p);
  siginfo_t info{};
  EXPECT_TRUE(apoio::ate([&] { return ::waitid(P_PID, p.pid, &info, WEXITED | WNOHANG | WNOWAIT) < 0 && errno == ECHILD; }));
  EXPECT_EQ(plataforma::estadoPrograma(p.pid), plataforma::EstadoPrograma::falhou);
  EXPECT_FALSE(plataforma::programaAtivo(proprio));
  int estado = 0;
  EXPECT_EQ(::waitpid(proprio, &estado, 0), proprio);
  EXPECT_EQ(WEXITSTATUS(estado), 7);
}

TEST(Programas, LocalizaNoPath) {
  apoio::PastaTemporaria a, b;
  a.grava("pinta", "#!/bin/sh\n");  // not executable: passed over
  b.grava("pinta", "#!/bin/sh\n");
  ::chmod(b.arquivo("pinta").c_str(), 0755);
  ::mkdir(a.arquivo("desenha").c_str(), 0755);  // a folder is no program
  const char* antes = std::getenv("PATH");
  const std::string guardado = antes ? antes : "";
  ::setenv("PATH", (a.caminho() + "::" + b.caminho()).c_str(), 1);
  EXPECT_EQ(plataforma::localizaPrograma({"desenha", "falta", "pinta"}), b.arquivo("pinta"));
  EXPECT_EQ(plataforma::localizaPrograma({"falta", "desenha", "", "/bin/sh"}), "");
  ::setenv("PATH", guardado.c_str(), 1);
}

}  // namespace
