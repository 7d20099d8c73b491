// Starting other programs: never through a shell, never waiting for them.
#pragma once

#include <functional>
#include <string>
#include <vector>

namespace plataforma {

struct ProgramaIniciado {
  int pid = 0;   // the process, 0 when it did not start
  int erro = 0;  // errno of the failure
  explicit operator bool() const { return pid > 0; }
};

// Starts the program at `caminho` (Windows-1252) with `argumentos`, in the
// current directory and environment, and returns at once. The program is
// reaped as soon as it ends, so that none stays behind as a defunct process;
// how it ended is kept for estadoPrograma.
ProgramaIniciado iniciaPrograma(const std::string& caminho,
                                const std::vector<std::string>& argumentos = {});

// The same without arguments, for the programs the user starts from a menu:
// one that does not start (missing, a folder, not executable) is reported
// with "Não foi possível iniciar o programa " and its path.
ProgramaIniciado iniciaProgramaOuDiz(const std::string& caminho);

// The first of `nomes` that a folder of PATH holds as an executable file, as
// a path (Windows-1252); empty when none does. For programs of the desktop
// that go by more than one name.
std::string localizaPrograma(const std::vector<std::string>& nomes);

// The process a call above started still runs. Any other pid (a process
// this launcher did not start) reads as not running, and is never waited
// for here: its own starter reaps it.
bool programaAtivo(int pid);

// The same, telling how a program that ended went: its exit code 0, or any
// other end (a code, a signal). The end is told once; after that, as for a
// process that is not ours, it reads as ended well: nothing is known
// against it.
enum class EstadoPrograma { rodando, terminouBem, falhou };
EstadoPrograma estadoPrograma(int pid);

// Opens a file with the desktop's default application, without waiting: the
// desktop's opener (xdg-open) is started on it. Nothing started when there is
// no opener. Whether the file really opened shows only in the opener's exit.
ProgramaIniciado abreNoDesktop(const std::string& caminho);
// Tests put their own opener in; an empty function restores the desktop's.
using Abridor = std::function<ProgramaIniciado(const std::string& caminho)>;
void defineAbridor(Abridor abridor);

}  // namespace plataforma
