// Starting other programs: never through a shell, never waiting for them.
#pragma once

#include <string>
#include <vector>

namespace plataforma {

struct ProgramaIniciado {
  int pid = 0;   // the process, 0 when it did not start
  int erro = 0;  // errno of the failure
  explicit operator bool() const { return pid > 0; }
};

// Starts the program at `caminho` (Windows-1252) with `argumentos`, in the
// current directory and environment, and returns at once.
ProgramaIniciado iniciaPrograma(const std::string& caminho,
                                const std::vector<std::string>& argumentos = {});

// The first of `nomes` that a folder of PATH holds as an executable file, as
// a path (Windows-1252); empty when none does. For programs of the desktop
// that go by more than one name.
std::string localizaPrograma(const std::vector<std::string>& nomes);

// The process a call above started still runs. One that ended is reaped
// here, so it leaves nothing behind.
bool programaAtivo(int pid);

}  // namespace plataforma
