// Profile files (LUMAREL.INI) with the rules of the system the programs came
// from: sections and keys matched without case, the first match wins, the
// default only when the key is missing, values cut to the caller's buffer,
// CR LF lines, bytes kept exactly. A bare file name lies in the Windows
// directory (plataforma::diretorioWindows()).
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace plataforma {

// The path of a profile file: a name without "/" lies in the Windows directory.
std::string caminhoPerfil(std::string_view arquivo);

// The value of key in section, or padrao when the file, the section or the
// key is missing. Blanks around the value and one pair of enclosing quotes are
// dropped. The result keeps at most tamanhoBuffer - 1 bytes (0 = whole value),
// like a read into a C buffer of that size.
std::string lePerfil(std::string_view secao, std::string_view chave, std::string_view padrao,
                     std::size_t tamanhoBuffer, std::string_view arquivo);

// Sets key in section to valor, creating the file, the section or the key when
// missing; every other line of the file is kept byte for byte. The file is
// replaced through a temporary file, so a failed write loses nothing.
// A CR or LF in the value ends it (a value is one line). False on failure.
bool gravaPerfil(std::string_view secao, std::string_view chave, std::string_view valor,
                 std::string_view arquivo);

}  // namespace plataforma
