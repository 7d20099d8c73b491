// File-system services shared by both programs: where the configuration and
// the temporary files live, names in Windows-1252, and safe whole-file writes.
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

// A Windows-1252 file name as the system's call wants it (UTF-8).
std::string caminhoSistema(std::string_view nome);

// Reads a whole file; false when it cannot be opened or read (a folder too).
bool leArquivo(std::string_view nome, std::string& conteudo);

// Writes a whole file safely: a temporary file in the same folder, flushed and
// renamed over the old one, so a failed write leaves the old file whole.
// Creates missing folders when criaPastas is set. False on any failure.
bool gravaArquivoSeguro(std::string_view nome, std::string_view conteudo, bool criaPastas = false);

}  // namespace plataforma
