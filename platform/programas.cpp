#include "programas.h"

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <spawn.h>
#include <string_view>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include "arquivos.h"
#include "cp1252.h"
#include "mensagens.h"

extern char** environ;

namespace plataforma {

ProgramaIniciado iniciaPrograma(const std::string& caminho,
                                const std::vector<std::string>& argumentos) {
  // An empty name would make posix_spawn look nowhere in particular; say so
  // as exec itself would.
  if (caminho.empty()) return {0, ENOENT};

  // The names go to the system in its own encoding, the arguments too (they
  // are file names as often as not).
  std::vector<std::string> textos;
  textos.reserve(argumentos.size() + 1);
  textos.push_back(caminhoSistema(caminho));
  for (const std::string& a : argumentos) textos.push_back(caminhoSistema(a));
  std::vector<char*> argv;
  argv.reserve(textos.size() + 1);
  for (std::string& t : textos) argv.push_back(t.data());
  argv.push_back(nullptr);

  // The caller's thread may block signals (the GUI's worker threads do); the
  // new program must not start with them blocked.
  posix_spawnattr_t atributos;
  if (const int e = ::posix_spawnattr_init(&atributos); e != 0) return {0, e};
  sigset_t nenhum;
  sigemptyset(&nenhum);
  ::posix_spawnattr_setsigmask(&atributos, &nenhum);
  ::posix_spawnattr_setflags(&atributos, POSIX_SPAWN_SETSIGMASK);

  // No search along PATH and no shell: the path is the program. glibc reports
  // a failed exec (missing, a folder, not executable) as the return value.
  pid_t pid = 0;
  const int erro = ::posix_spawn(&pid, textos.front().c_str(), nullptr, &atributos, argv.data(),
                                 environ);
  ::posix_spawnattr_destroy(&atributos);
  if (erro != 0) return {0, erro};
  return {static_cast<int>(pid), 0};
}

ProgramaIniciado iniciaProgramaOuDiz(const std::string& caminho) {
  const ProgramaIniciado p = iniciaPrograma(caminho);
  if (!p) mostraErro("Não foi possível iniciar o programa "_cp + caminho);
  return p;
}

std::string localizaPrograma(const std::vector<std::string>& nomes) {
  const char* path = std::getenv("PATH");
  const std::string_view pastas = path != nullptr ? path : "/usr/local/bin:/usr/bin:/bin";
  for (const std::string& nome : nomes) {
    if (nome.empty() || nome.find('/') != std::string::npos) continue;
    for (std::size_t i = 0; i <= pastas.size();) {
      std::size_t fim = pastas.find(':', i);
      if (fim == std::string_view::npos) fim = pastas.size();
      // An empty entry is the current folder, as the shell takes it.
      const std::string_view pasta = fim > i ? pastas.substr(i, fim - i) : std::string_view(".");
      i = fim + 1;
      // A folder named outside ASCII could not be handed back in Windows-1252.
      bool ascii = true;
      for (const char c : pasta) ascii = ascii && static_cast<unsigned char>(c) < 0x80;
      if (!ascii) continue;
      const std::string caminho = juntaCaminho(pasta, nome);
      const std::string sistema = caminhoSistema(caminho);
      struct stat st {};
      if (::stat(sistema.c_str(), &st) == 0 && S_ISREG(st.st_mode) && ::access(sistema.c_str(), X_OK) == 0)
        return caminho;
    }
  }
  return {};
}

bool programaAtivo(int pid) { return estadoPrograma(pid) == EstadoPrograma::rodando; }

EstadoPrograma estadoPrograma(int pid) {
  if (pid <= 0) return EstadoPrograma::terminouBem;
  int estado = 0;
  pid_t r;
  do {
    r = ::waitpid(static_cast<pid_t>(pid), &estado, WNOHANG);
  } while (r < 0 && errno == EINTR);
  // 0: still running. The pid: it ended and is now reaped. An error: it is
  // not our child any more (reaped before), so not running for us either.
  if (r == 0) return EstadoPrograma::rodando;
  if (r < 0) return EstadoPrograma::terminouBem;
  return WIFEXITED(estado) && WEXITSTATUS(estado) == 0 ? EstadoPrograma::terminouBem : EstadoPrograma::falhou;
}

namespace {

Abridor& abridorInstalado() {
  static Abridor abridor;
  return abridor;
}

}  // namespace

ProgramaIniciado abreNoDesktop(const std::string& caminho) {
  if (abridorInstalado()) return abridorInstalado()(caminho);
  const std::string abridor = localizaPrograma({"xdg-open"});
  if (abridor.empty()) return {0, ENOENT};
  return iniciaPrograma(abridor, {caminho});
}

void defineAbridor(Abridor abridor) { abridorInstalado() = std::move(abridor); }

}  // namespace plataforma
