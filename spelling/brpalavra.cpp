#include "brpalavra.h"

#include <algorithm>
#include <array>
#include <unordered_set>

#include "cp1252.h"
#include "mensagens.h"

namespace {

constexpr std::array<bool, 256> tabela(std::string_view letras) {
  std::array<bool, 256> t{};
  for (const char c : letras) t[static_cast<unsigned char>(c)] = true;
  return t;
}

constexpr auto textoLetras =
    "'-ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"
    "ÀÁÂÃÇÈÉÊÍÎÑÓÔÕÖÚÜàáâãçèéêíîñóôõöúü"_cp;
constexpr auto textoVogais =
    "'-AEIOUaeiouÀÁÂÃÈÉÊÌÍÎÒÓÔÕÙÚÛÜàáâãèéêìíîòóôõùúûü"_cp;

const std::array<bool, 256> letras = tabela(textoLetras.vista());
const std::array<bool, 256> vogais = tabela(textoVogais.vista());

unsigned char maiusculaPropria(unsigned char c) {
  if ((c >= 'a' && c <= 'z') || c >= 224) return static_cast<unsigned char>(c - 32);
  return c;
}

}  // namespace

bool letraPalavra(unsigned char c) { return letras[c]; }
bool vogalInicial(unsigned char c) { return vogais[c]; }

std::string maiusculas(std::string_view palavra) {
  std::string r(palavra);
  for (char& c : r) c = static_cast<char>(maiusculaPropria(static_cast<unsigned char>(c)));
  return r;
}

// ---------------------------------------------------------------------------

namespace {

// The class names of an entry, split at blanks as the word file writes them.
template <class F>
void paraCadaClasse(std::string_view classes, F&& f) {
  while (!classes.empty()) {
    const std::size_t branco = classes.find(' ');
    f(classes.substr(0, branco));
    if (branco == std::string_view::npos) break;
    classes.remove_prefix(branco + 1);
    while (!classes.empty() && classes.front() == ' ') classes.remove_prefix(1);
  }
}

}  // namespace

void TDicionario::avisaSufixo(std::string_view classe) {
  if (sufixosAvisados_.contains(dobraTexto(classe))) return;
  sufixosAvisados_.insert(dobraTexto(classe));
  plataforma::mostraMensagem("problemas no dicionário: sufixo "_cp + std::string(classe));
}

std::vector<std::string> TDicionario::expandeVerbete(const TDicio& verbete) {
  std::vector<std::string> formas;
  paraCadaClasse(verbete.classes, [&](std::string_view ficha) {
    if (ficha == "=") {
      formas.push_back(verbete.palavra);
    } else if (const TClasseSufixos* c = listaSufixos.procura(ficha)) {
      for (const auto& s : c->sufixos) formas.push_back(verbete.palavra + s);
    } else {
      avisaSufixo(ficha);
    }
  });
  return formas;
}

bool TDicionario::entradaProduz(const TDicio& entrada, std::string_view fimDobrado) {
  // Every class is looked at, as a full expansion would, so that an unknown
  // one is reported whichever class makes the word.
  bool produz = false;
  paraCadaClasse(entrada.classes, [&](std::string_view ficha) {
    if (ficha == "=") {
      produz = produz || fimDobrado.empty();
      return;
    }
    dobraTexto(ficha, fichaDobrada_);
    const TClasseSufixos* c = listaSufixos.procuraDobrado(fichaDobrada_);
    if (!c)
      avisaSufixo(ficha);
    else if (!produz && !fimDobrado.empty())
      produz = c->dobrados.contains(fimDobrado);
  });
  return produz;
}

std::size_t TDicionario::maiorValida() const {
  return std::max(listaNomes.maior(), listaPalavras.maior() + listaSufixos.maiorSufixo());
}

bool TDicionario::palavraValida(std::string_view palavra) {
  if (palavra.size() > maiorValida()) return false;  // no name, no stem + suffix is that long
  if (listaNomes.contem(palavra)) return true;
  if (listaExcecoes.contem(palavra)) return false;
  const std::string dobrada = dobraTexto(palavra);
  // Longest stem first; a stem longer than any in the list cannot be found.
  for (std::size_t n = std::min(dobrada.size(), listaPalavras.maior()); n >= 1; --n) {
    const auto [primeira, fim] = listaPalavras.entradas(std::string_view(dobrada).substr(0, n));
    for (std::size_t i = primeira; i < fim; ++i)
      if (entradaProduz(listaPalavras[i], std::string_view(dobrada).substr(n))) return true;
  }
  return false;
}

void TDicionario::sugestoes(std::string_view palavra, std::vector<std::string>& lista) {
  lista.clear();
  std::unordered_set<std::string, HashTexto, std::equal_to<>> vistas;  // folded
  const std::size_t limite = maiorValida();
  auto tenta = [&](std::string candidata) {
    if (candidata.size() > limite || vistas.contains(dobraTexto(candidata))) return;
    if (!palavraValida(candidata)) return;
    vistas.insert(dobraTexto(candidata));
    lista.push_back(std::move(candidata));
  };

  if (palavraValida(palavra))
    tenta(std::string(palavra));
  else
    tenta(maiusculas(palavra));

  if (!palavra.empty() && vogalInicial(static_cast<unsigned char>(palavra.front()))) {
    tenta(maiusculas(palavra.substr(0, 1)) + std::string(palavra.substr(1)));
    std::string comH(1, 'h');
    comH.append(palavra);
    tenta(std::move(comH));
  }

  // Rewrites at every position. The whole rest of the word is kept, however
  // long, so that a suggestion never loses the word's end.
  std::size_t maiorErrado = 0;
  for (const auto& e : listaErrado) maiorErrado = std::max(maiorErrado, e.size());
  // A word so long that no rewrite can bring it within a valid length is
  // not walked at all.
  if (palavra.size() <= limite + maiorErrado) {
    for (std::size_t i = 0; i < palavra.size(); ++i) {
      const std::string_view resto = palavra.substr(i);
      for (std::size_t j = 0; j < listaErrado.size(); ++j) {
        const std::string& errado = listaErrado[j];
        if (!resto.starts_with(errado)) continue;
        const std::size_t tamanho = palavra.size() - errado.size() + listaCerto[j].size();
        if (tamanho > limite) continue;
        std::string candidata;
        candidata.reserve(tamanho);
        candidata.append(palavra.substr(0, i)).append(listaCerto[j]).append(resto.substr(errado.size()));
        tenta(std::move(candidata));
      }
    }
  }

  std::sort(lista.begin(), lista.end(),
            [](const std::string& a, const std::string& b) { return comparaTexto(a, b) < 0; });
}

// ---------------------------------------------------------------------------

std::vector<std::string> expandeVerbete(const TDicio& verbete) { return dicionario.expandeVerbete(verbete); }
bool palavraValida(std::string_view palavra) { return dicionario.palavraValida(palavra); }
void sugestoes(std::string_view palavra, std::vector<std::string>& lista) {
  dicionario.sugestoes(palavra, lista);
}
