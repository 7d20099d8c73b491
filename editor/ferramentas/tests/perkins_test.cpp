#include "perkins.h"

#include <gtest/gtest.h>

#include <bit>
#include <map>
#include <random>
#include <sstream>

#include "casos.h"

namespace {

// "F" a letter, "n7" keypad 7, "sp" "ent" "bs" "esc" "f11", anything else
// another key (shift).
Tecla tecla(const std::string& nome) {
  static const std::map<std::string, TipoTecla> especiais = {
      {"sp", TipoTecla::espaco}, {"ent", TipoTecla::enter}, {"bs", TipoTecla::backspace},
      {"esc", TipoTecla::escape}, {"f11", TipoTecla::f11}};
  if (const auto i = especiais.find(nome); i != especiais.end()) return {i->second};
  if (nome.size() == 2 && nome[0] == 'n') return {TipoTecla::caractere, nome[1], true};
  return nome.size() == 1 ? Tecla{TipoTecla::caractere, nome[0]} : Tecla{};
}

// Events "F+" press, "F-" release, "F~-" auto-repeat release, "F~+"
// auto-repeat press -> what the window does: text typed, [fecha], [envia].
std::string digita(TecladoPerkins& t, const std::string& eventos, bool antigo) {
  std::istringstream in(eventos);
  std::string r, e;
  while (in >> e) {
    const bool solta = e.back() == '-', repetida = e.size() > 2 && e[e.size() - 2] == '~';
    const Tecla k = tecla(e.substr(0, e.size() - (repetida ? 2 : 1)));
    const AcaoPerkins a = solta ? t.solta(k, repetida, antigo) : t.pressiona(k);
    const char* outras[] = {"", "", "[fecha]", "[envia]"};
    r += a.tipo == AcaoPerkins::insere ? a.texto : outras[a.tipo];
  }
  return r;
}

// The cases are in dados/, in the notation of tecla and digita.
TEST(Perkins, Acordes) {
  for (const auto& c : casos::le("acordesPerkins.tsv")) {
    SCOPED_TRACE(c);
    for (const bool antigo : {true, false}) {
      TecladoPerkins t;
      EXPECT_EQ(digita(t, c[1], antigo), c[antigo ? 2 : 3]) << antigo;
    }
  }
}

// Any order of keys leaves a cell's mask, no more keys held than its dots,
// and types single cells.
TEST(Perkins, SequenciasAoAcaso) {
  const char* nomes[] = {"F", "D", "S", "J", "K", "L", "n3", "n6", "sp", "bs", "esc", "x", "sh"};
  std::mt19937 gerador(1234);
  TecladoPerkins t;
  for (int i = 0; i < 20000; ++i) {
    const Tecla k = tecla(nomes[gerador() % std::size(nomes)]);
    const AcaoPerkins a = gerador() % 2 ? t.pressiona(k) : t.solta(k, gerador() % 4 == 0, i % 2);
    const unsigned mascara = static_cast<unsigned>(t.mascaraPerkins);
    ASSERT_TRUE(mascara < 64 && t.teclasPerkins >= 0 && t.teclasPerkins <= std::popcount(mascara)) << i;
    ASSERT_TRUE(a.tipo != AcaoPerkins::insere || a.texto.size() == 1) << i;
  }
}

}  // namespace
