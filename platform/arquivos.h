// File-system services shared by both programs: where the configuration and
// the temporary files live, names in Windows-1252, and the one safe writer.
#pragma once

#include <string>
#include <string_view>

namespace plataforma {

// The folder that holds LUMAREL.INI: $LUMAREL_WINDIR, else
// $XDG_CONFIG_HOME/lumarel, else ~/.config/lumarel. Windows-1252, no final "/".
std::string diretorioWindows();

// The system's temporary folder with a final "/": $TMPDIR, else /tmp.
std::string pastaTemporaria();

// The current directory (Windows-1252), without a final "/" unless it is "/".
std::string diretorioAtual();

// A folder and a file name joined by "/" (no second "/" when the folder ends
// with one; the name alone when the folder is empty).
std::string juntaCaminho(std::string_view pasta, std::string_view nome);

// The name with `extensao` (".grb") added when its last part has no "." at
// all; an extension it has, in any case, is kept.
std::string comExtensao(std::string_view nome, std::string_view extensao);
// The last part of a name, after its last "/" or "\".
std::string_view semPastas(std::string_view nome);

// A Windows-1252 file name as the system's call wants it (UTF-8).
std::string caminhoSistema(std::string_view nome);

// Both names lead to one existing file (the same file however written: other
// folders on the way, links).
bool mesmoArquivo(std::string_view a, std::string_view b);

// Reads a whole file; false when it cannot be opened or read (a folder too).
bool leArquivo(std::string_view nome, std::string& conteudo);

// What a write does besides replacing the file.
struct OpcoesGravacao {
  bool criaPastas = false;  // create the missing folders of the path first
  std::string backup;       // not empty: the old file is kept under this name
  // When the folder refuses a new file (permission, read-only) but the file
  // itself may be written, write it in place, putting the old text back if
  // that write fails.
  bool noLugar = false;
};

// What a failure left of the old file.
enum class EstadoAntigo {
  intacto,     // never touched
  restaurado,  // an in-place write failed and the old text was written back
  perdido,     // an in-place write failed and so did writing the old text back
};

struct ResultadoGravacao {
  bool ok = false;
  int erro = 0;                                  // errno of the failure, 0 when it worked
  EstadoAntigo antigo = EstadoAntigo::intacto;   // meaningful on failure
  explicit operator bool() const { return ok; }
};

// The one writer of every file written for the user: the text goes whole to
// a temporary file in the same folder, is flushed to disk, the old file
// becomes the backup when one is asked for (a second name where possible,
// else a copy; a backup that cannot be made is no error), and the temporary
// file takes the file's name with the old file's permission bits. A path
// that is a folder or a device is refused, and so is a file whose write
// permission is off for its owner (EACCES), whoever runs the program. A
// failure leaves no temporary file and changes neither the file nor its
// backup (but for an in-place write whose old text could not be put back:
// see EstadoAntigo).
ResultadoGravacao gravaArquivo(std::string_view nome, std::string_view conteudo,
                               const OpcoesGravacao& opcoes = {});

// The reason of a failed write in a few words, for messages, in Windows-1252
// ("permissão negada", "disco cheio", ...; the system's text otherwise).
std::string motivoErro(int erro);
// The reason of a failed write, saying also when the old text could not be
// put back.
std::string motivoFalha(const ResultadoGravacao& resultado);

// gravaArquivo with no backup and no in-place write. False on any failure.
bool gravaArquivoSeguro(std::string_view nome, std::string_view conteudo, bool criaPastas = false);

// For tests: from now on creating the temporary file of a write fails with
// this errno, as in a folder the user may not add files to (running as root,
// no folder refuses). Backups are still made. 0 ends it.
void simulaFalhaCriacao(int erro, std::string_view pasta = {});

}  // namespace plataforma
