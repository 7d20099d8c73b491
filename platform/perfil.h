// Profile files (LUMAREL.INI) with the rules of the system the programs came
// from: sections and keys matched without case, the first match wins, the
// default only when the key is missing, values cut to the caller's buffer,
// CR LF lines, bytes kept exactly. A bare file name lies in the Windows
// directory (plataforma::diretorioWindows()).
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

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

// Two section or key names are the same for the reader: case does not count.
bool mesmoNomePerfil(std::string_view a, std::string_view b);

// A key line of a profile text and the section it stands in ("" before the
// first section).
struct ChavePerfil {
  std::string secao;
  std::string chave;
};
// The sections a profile text opens and its key lines, in their order, with
// the names as the reader finds them (blanks around them dropped).
std::vector<std::string> secoesPerfil(std::string_view conteudo);
std::vector<ChavePerfil> chavesPerfil(std::string_view conteudo);

// Many keys of one profile file set with one read and one write, so that a
// settings section reaches the file whole or not at all. The file comes out
// byte for byte as the same gravaPerfil calls in the same order make it.
class LotePerfil {
 public:
  explicit LotePerfil(std::string_view arquivo);
  // Queues key = valor in secao, with the rules of gravaPerfil.
  void defineValor(std::string_view secao, std::string_view chave, std::string_view valor);
  // Reads the file once, sets the queued keys in order and writes it once,
  // creating its folder (an empty batch writes nothing). False on failure,
  // with the file as it was.
  bool grava();

 private:
  struct Chave {
    std::string secao;
    std::string chave;
    std::string valor;
  };
  std::string arquivo_;
  std::vector<Chave> chaves_;
};

}  // namespace plataforma
