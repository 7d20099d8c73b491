// Random settings files, any bytes and any line ends, with keys written into
// them one at a time or as one batch. Beyond the sanitizers' checks: every
// key of the file that was not written reads back exactly as before, and
// every key written reads back as its value.
#include <stdlib.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "perfil.h"

namespace {

void confere(bool condicao) {
  if (!condicao) std::abort();
}

const std::string& arquivoIni() {
  static const std::string nome = [] {
    char modelo[] = "/tmp/fuzz-perfil-XXXXXX";
    confere(::mkdtemp(modelo) != nullptr);
    return std::string(modelo) + "/LUMAREL.INI";
  }();
  return nome;
}

void grava(std::string_view conteudo) {
  std::FILE* f = std::fopen(arquivoIni().c_str(), "wb");
  confere(f != nullptr);
  confere(std::fwrite(conteudo.data(), 1, conteudo.size(), f) == conteudo.size());
  confere(std::fclose(f) == 0);
}

// What a read of a value written as `valor` gives: one line, without the
// blanks around it and one pair of enclosing quotes.
std::string valorLido(std::string_view valor) {
  valor = valor.substr(0, valor.find_first_of("\r\n"));
  while (!valor.empty() && (valor.front() == ' ' || valor.front() == '\t')) valor.remove_prefix(1);
  while (!valor.empty() && (valor.back() == ' ' || valor.back() == '\t')) valor.remove_suffix(1);
  if (valor.size() >= 2 && (valor.front() == '"' || valor.front() == '\'') && valor.back() == valor.front())
    valor = valor.substr(1, valor.size() - 2);
  return std::string(valor);
}

const char* const secoes[] = {"LUMAREL", "IMPBRAILLE", "DICIONARIO", "lumarel", "Nova"};
const char* const chaves[] = {"maxCarac", "arqTrab", "NomeArq", "ARQDIC", "titulo", "MAXCARAC", "nova"};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dados, std::size_t tamanho) {
  // The file up to the first byte 0; then writes, each a byte choosing the
  // section and the key followed by the value up to the next byte 0. The
  // first write's byte, when odd, puts all writes in one batch.
  const std::string_view entrada(reinterpret_cast<const char*>(dados), tamanho);
  const std::size_t fimArquivo = entrada.find('\0');
  const std::string_view conteudo = entrada.substr(0, fimArquivo);
  std::string_view resto = fimArquivo == std::string_view::npos ? std::string_view{} : entrada.substr(fimArquivo + 1);

  struct Escrita {
    plataforma::ChavePerfil par;
    std::string valor;
  };
  std::vector<Escrita> escritas;
  bool emLote = false;
  while (!resto.empty() && escritas.size() < 8) {
    const auto escolha = static_cast<unsigned char>(resto.front());
    if (escritas.empty()) emLote = escolha & 1;
    resto.remove_prefix(1);
    const std::size_t zero = resto.find('\0');
    escritas.push_back({{secoes[(escolha >> 1) % 5], chaves[(escolha >> 4) % 7]}, std::string(resto.substr(0, zero))});
    resto = zero == std::string_view::npos ? std::string_view{} : resto.substr(zero + 1);
  }

  grava(conteudo);
  const std::string padrao = "\x01sem valor";
  std::vector<std::pair<plataforma::ChavePerfil, std::string>> antes;
  for (plataforma::ChavePerfil& p : plataforma::chavesPerfil(conteudo)) {
    bool escrita = false;
    for (const Escrita& e : escritas)
      escrita = escrita || (plataforma::mesmoNomePerfil(p.secao, e.par.secao) && plataforma::mesmoNomePerfil(p.chave, e.par.chave));
    if (escrita) continue;
    std::string valor = plataforma::lePerfil(p.secao, p.chave, padrao, 0, arquivoIni());
    antes.emplace_back(std::move(p), std::move(valor));
  }

  if (emLote) {
    plataforma::LotePerfil lote(arquivoIni());
    for (const Escrita& e : escritas) lote.defineValor(e.par.secao, e.par.chave, e.valor);
    confere(lote.grava());
  } else {
    for (const Escrita& e : escritas) confere(plataforma::gravaPerfil(e.par.secao, e.par.chave, e.valor, arquivoIni()));
  }

  for (const auto& [p, valor] : antes)
    confere(plataforma::lePerfil(p.secao, p.chave, padrao, 0, arquivoIni()) == valor);
  // The last write of a key is the one that stays.
  for (std::size_t i = 0; i < escritas.size(); ++i) {
    bool reescrita = false;
    for (std::size_t j = i + 1; j < escritas.size(); ++j)
      reescrita = reescrita || (plataforma::mesmoNomePerfil(escritas[i].par.secao, escritas[j].par.secao) &&
                                plataforma::mesmoNomePerfil(escritas[i].par.chave, escritas[j].par.chave));
    if (reescrita) continue;
    const Escrita& e = escritas[i];
    confere(plataforma::lePerfil(e.par.secao, e.par.chave, padrao, 0, arquivoIni()) == valorLido(e.valor));
  }
  return 0;
}
