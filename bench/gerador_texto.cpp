#include "gerador_texto.h"

#include <array>
#include <random>
#include <string_view>

#include "cp1252.h"

namespace {

const std::vector<std::string>& palavras() {
  static const std::vector<std::string> lista = {
      "de", "que", "o", "a", "para", "com", "uma", "os", "no", "se", "por", "mais", "as",
      "dos", "como", "mas", "ao", "ele", "das", "tem", "seu", "sua", "ou", "ser", "quando",
      "muito", "nos", "eu", "pelo", "pela", "isso", "ela", "entre", "era", "depois", "sem",
      "mesmo", "aos", "ter", "seus", "quem", "nas", "esse", "eles", "casa", "livro",
      "menino", "escola", "cidade", "tempo", "mundo", "trabalho", "governo", "professor",
      "janela", "estrada", "rio", "mar", "praia", "manhã"_cp, "não"_cp, "ação"_cp,
      "coração"_cp, "está"_cp, "você"_cp, "também"_cp, "pé"_cp, "avó"_cp,
      "português"_cp, "irmã"_cp, "órgão"_cp, "água"_cp, "à"_cp, "é"_cp, "porém"_cp,
      "lâmpada"_cp, "pêssego"_cp, "crônica"_cp, "através"_cp, "saúde"_cp, "país"_cp,
      "êxito"_cp, "café"_cp, "maçã"_cp, "informação"_cp, "três"_cp, "último"_cp,
      "já"_cp, "só"_cp, "até"_cp, "estão"_cp, "além"_cp, "lição"_cp, "ônibus"_cp,
      "útil"_cp, "fácil"_cp, "difícil"_cp, "século"_cp, "música"_cp, "história"_cp,
      "bem-vindo", "guarda-chuva", "segunda-feira", "pré-escola"_cp, "bem-estar",
  };
  return lista;
}

const std::vector<std::string>& nomes() {
  static const std::vector<std::string> lista = {
      "Maria", "João"_cp, "Lisboa", "Brasília"_cp, "Ângela"_cp, "Érica"_cp, "Luís"_cp,
      "Coimbra", "Porto Alegre", "Amazonas", "Pedro", "Inês"_cp, "Çarão"_cp, "Ana",
      "Belém"_cp, "Ribeirão Preto"_cp, "Conceição"_cp,
  };
  return lista;
}

// Made-up acronyms in the shapes the converters treat apart: two to five
// capitals, capitals with accents and cedilla, two words in capitals, and a
// plural with a small "s" after the capitals.
const std::vector<std::string>& siglas() {
  static const std::vector<std::string> lista = {
      "ZUQ", "KVD", "TBLR", "XUFM", "QW", "VÃO TELKU"_cp, "BRUÇÃ"_cp, "DWX", "GKT",
      "ZRFs", "QOTs", "ÉÇÃO"_cp,
  };
  return lista;
}

class Gerador {
 public:
  explicit Gerador(std::uint32_t semente) : rng_(semente) {}

  std::string paragrafo() {
    std::string p;
    const unsigned frases = 1 + sorteia(5);
    for (unsigned i = 0; i < frases; ++i) {
      if (i > 0) p += ' ';
      frase(p);
    }
    return p;
  }

 private:
  unsigned sorteia(unsigned n) { return static_cast<unsigned>(rng_() % n); }
  template <class T>
  const T& escolhe(const std::vector<T>& v) { return v[sorteia(static_cast<unsigned>(v.size()))]; }

  void numero(std::string& s) {
    switch (sorteia(14)) {
      case 0: s += std::to_string(sorteia(100)) + "," + std::to_string(sorteia(100)); break;
      case 1: s += std::to_string(1 + sorteia(99)) + "." + std::to_string(100 + sorteia(900)); break;
      case 2: s += std::to_string(1 + sorteia(28)) + "." + std::to_string(10 + sorteia(3)) + ".99"; break;
      case 3: s += std::to_string(sorteia(24)) + ":" + std::to_string(10 + sorteia(50)); break;
      case 4: s += std::to_string(1 + sorteia(20)) + "º"_cp; break;
      case 5: s += std::to_string(1 + sorteia(20)) + "ª"_cp; break;
      case 6: s += std::to_string(1 + sorteia(9)) + (sorteia(2) ? "as." : "os."); break;
      case 7: s += "R$ " + std::to_string(1 + sorteia(9)) + ".250,00"; break;
      case 8: s += std::to_string(sorteia(101)) + "%"; break;
      case 9: s += std::to_string(sorteia(12)) + "h" + std::to_string(10 + sorteia(50)); break;
      case 10: s += std::to_string(sorteia(10)) + "/" + std::to_string(1 + sorteia(12)) + "/2024"; break;
      case 11: s += std::to_string(1 + sorteia(9)) + "a"; break;
      case 12: s += std::to_string(1900 + sorteia(125)); break;
      default: s += std::to_string(sorteia(1000)); break;
    }
  }

  void palavra(std::string& s, bool inicio) {
    const unsigned k = sorteia(100);
    if (k < 6) {
      s += escolhe(nomes());
    } else if (k < 9) {
      s += escolhe(siglas());
    } else if (k < 17) {
      numero(s);
    } else {
      std::string w = escolhe(palavras());
      if (inicio) w[0] = static_cast<char>(cp1252::maiuscula(static_cast<unsigned char>(w[0])));
      s += w;
    }
  }

  // A few words, sometimes wrapped in quotes or brackets.
  void trecho(std::string& s, bool inicio) {
    const unsigned n = 1 + sorteia(4);
    for (unsigned i = 0; i < n; ++i) {
      if (i > 0) s += ' ';
      palavra(s, inicio && i == 0);
    }
  }

  void frase(std::string& s) {
    const unsigned partes = 2 + sorteia(5);
    for (unsigned i = 0; i < partes; ++i) {
      if (i > 0) s += ' ';
      switch (sorteia(16)) {
        case 0: s += "“"_cp; trecho(s, i == 0); s += "”"_cp; break;
        case 1: s += '"'; trecho(s, i == 0); s += '"'; break;
        case 2: s += "‘"_cp; trecho(s, i == 0); s += "’"_cp; break;
        case 3: s += "«"_cp; trecho(s, i == 0); s += "»"_cp; break;
        case 4: s += '('; trecho(s, i == 0); s += ')'; break;
        case 5: s += '('; numero(s); s += ')'; break;
        case 6: s += '['; trecho(s, i == 0); s += ']'; break;
        case 7: s += '('; trecho(s, i == 0); break;  // left open
        case 8: trecho(s, i == 0); s += " –"_cp; break;
        default: trecho(s, i == 0); break;
      }
      if (i + 1 < partes) {
        static constexpr std::array<std::string_view, 6> pausas = {",", ",", ",", ";", ":", ""};
        s += pausas[sorteia(pausas.size())];
      }
    }
    static const std::array<std::string, 7> fins = {".", ".", ".", "!", "?", "...", "…"_cp};
    s += fins[sorteia(fins.size())];
  }

  std::mt19937 rng_;
};

}  // namespace

TextoGerado geraTextoPortugues(std::size_t bytesMinimos, std::uint32_t semente) {
  TextoGerado t;
  Gerador g(semente);
  while (t.bytes < bytesMinimos) {
    t.linhas.push_back(g.paragrafo());
    t.bytes += t.linhas.back().size();
  }
  return t;
}

void acrescentaLinhasEditor(const std::string& paragrafo, std::vector<std::string>& linhas,
                            std::size_t largura) {
  // The indent opens the paragraph. Every later line goes on without a blank
  // at its start: the draft generator takes a leading blank for a new
  // paragraph, and the lines would never be joined.
  std::string linha = recuoParagrafo;
  std::size_t inicio = 0;
  while (inicio < paragrafo.size()) {
    const std::size_t cabe = largura > linha.size() + 1 ? largura - linha.size() : 1;
    std::size_t fim = paragrafo.size();
    if (inicio + cabe < paragrafo.size()) {
      fim = paragrafo.rfind(' ', inicio + cabe);
      // A word longer than the line is cut where the line ends.
      if (fim == std::string::npos || fim <= inicio) fim = inicio + cabe;
    }
    linha.append(paragrafo, inicio, fim - inicio);
    linhas.push_back(std::move(linha));
    linha.clear();
    inicio = fim;
    while (inicio < paragrafo.size() && paragrafo[inicio] == ' ') ++inicio;
  }
}

std::vector<std::string> linhasEditor(const TextoGerado& texto, std::size_t largura) {
  std::vector<std::string> linhas;
  for (const std::string& paragrafo : texto.linhas) acrescentaLinhasEditor(paragrafo, linhas, largura);
  return linhas;
}
