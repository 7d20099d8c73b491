#include "programas.h"

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <map>
#include <mutex>
#include <spawn.h>
#include <string_view>
#include <system_error>
#include <thread>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include "arquivos.h"
#include "cp1252.h"
#include "mensagens.h"

extern char** environ;

namespace plataforma {

namespace {

// The children this launcher started. Each one is waited for by a thread of
// its own, so that a program the user closes is reaped at once rather than
// staying defunct until the editor exits; its end is kept until asked for.
// Only these pids are ever waited for: other children of the program
// (QProcess, a test's own) belong to whoever started them.
struct Filho {
  unsigned long serie = 0;  // tells a reused pid's new child from the old one
  bool vigiado = false;     // a thread waits for it; else estadoPrograma polls
  bool terminou = false;
  int estado = 0;           // waitpid's status once it ended
};

struct Filhos {
  std::mutex trava;
  std::map<pid_t, Filho> porPid;
  unsigned long series = 0;
};

// Never destroyed: a waiting thread may record an end while the program
// exits.
Filhos& filhos() {
  static Filhos* const f = new Filhos;
  return *f;
}

void anotaFim(pid_t pid, unsigned long serie, int estado) {
  Filhos& f = filhos();
  const std::lock_guard trava(f.trava);
  const auto it = f.porPid.find(pid);
  if (it == f.porPid.end() || it->second.serie != serie) return;
  it->second.terminou = true;
  it->second.estado = estado;
}

void acompanha(pid_t pid) {
  Filhos& f = filhos();
  unsigned long serie = 0;
  {
    const std::lock_guard trava(f.trava);
    serie = ++f.series;
    f.porPid[pid] = Filho{serie, true, false, 0};
  }
  try {
    std::thread([pid, serie] {
      int estado = 0;
      pid_t r;
      do {
        r = ::waitpid(pid, &estado, 0);
      } while (r < 0 && errno == EINTR);
      anotaFim(pid, serie, r == pid ? estado : 0);
    }).detach();
  } catch (const std::system_error&) {
    // No thread to spare: the child is reaped when someone asks about it.
    const std::lock_guard trava(f.trava);
    f.porPid[pid].vigiado = false;
  }
}

}  // namespace

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
  acompanha(pid);
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
  Filhos& f = filhos();
  const std::lock_guard trava(f.trava);
  const auto it = f.porPid.find(static_cast<pid_t>(pid));
  // Not started here, or its end told already: nothing is known against it.
  if (it == f.porPid.end()) return EstadoPrograma::terminouBem;
  Filho& filho = it->second;
  if (!filho.terminou && !filho.vigiado) {
    int estado = 0;
    pid_t r;
    do {
      r = ::waitpid(static_cast<pid_t>(pid), &estado, WNOHANG);
    } while (r < 0 && errno == EINTR);
    if (r != 0) filho.terminou = true, filho.estado = r > 0 ? estado : 0;
  }
  if (!filho.terminou) return EstadoPrograma::rodando;
  const int estado = filho.estado;
  f.porPid.erase(it);
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
