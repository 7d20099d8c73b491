// libFuzzer target of the spelling checker: any bytes as the five dictionary
// files load without a crash, and any word is judged and given suggestions
// that are all valid, sorted without regard to case and each there once.
#include <stdlib.h>
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

#include "brdic.h"
#include "brpalavra.h"

namespace {

const std::string& pasta() {
  static const std::string p = [] {
    char modelo[] = "/tmp/fuzz-ortografia-XXXXXX";
    if (!::mkdtemp(modelo)) std::abort();
    return std::string(modelo);
  }();
  return p;
}

void grava(const std::string& nome, std::string_view conteudo) {
  std::FILE* f = std::fopen(nome.c_str(), "wb");
  if (!f) std::abort();
  std::fwrite(conteudo.data(), 1, conteudo.size(), f);
  std::fclose(f);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dados, std::size_t tamanho) {
  // Byte 0 separates the suffix, word, reject, names and suggestion files
  // and the word; missing parts are empty.
  std::string_view resto(reinterpret_cast<const char*>(dados), tamanho);
  std::vector<std::string_view> partes;
  for (int i = 0; i < 5; ++i) {
    const std::size_t zero = resto.find('\0');
    partes.push_back(resto.substr(0, zero));
    resto = zero == std::string_view::npos ? std::string_view{} : resto.substr(zero + 1);
  }
  const char* nomes[] = {"/d.suf", "/d.dic", "/d.exc", "/d.nom", "/d.sug"};
  for (int i = 0; i < 5; ++i) grava(pasta() + nomes[i], partes[static_cast<std::size_t>(i)]);
  const int codigo = montaDicionario(pasta() + nomes[1], pasta() + nomes[0], pasta() + nomes[2],
                                     pasta() + nomes[3], pasta() + nomes[4]);
  if (codigo != 0 && codigo != 5) std::abort();

  const bool valida = palavraValida(resto);
  std::vector<std::string> lista;
  sugestoes(resto, lista);
  for (std::size_t i = 0; i < lista.size(); ++i) {
    if (!palavraValida(lista[i])) std::abort();
    if (i > 0 && comparaTexto(lista[i - 1], lista[i]) >= 0) std::abort();
  }
  if (valida) {
    bool achou = false;
    for (const auto& s : lista) achou = achou || comparaTexto(s, resto) == 0;
    if (!achou) std::abort();
  }
  // Every form of every entry is valid unless rejected.
  for (std::size_t i = 0; i < listaPalavras.size() && i < 8; ++i)
    for (const auto& forma : expandeVerbete(listaPalavras[i]))
      if (!palavraValida(forma) && !listaExcecoes.contem(forma) && !listaNomes.contem(forma)) std::abort();
  return 0;
}
