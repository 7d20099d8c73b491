#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "brcorta.h"
#include "cp1252.h"

namespace {

struct Corte {
  std::string linha;
  std::string resto;
};

Corte corta(std::string texto, int largura, bool hifenizando) {
  Corte c;
  cortaLinha(texto, c.linha, largura, hifenizando);
  c.resto = texto;
  return c;
}

// Ten cells that no rule and no blank search can break inside, then a blank:
// a word placed after them starts at position 12.
const std::string abertura = "1234567890 ";

// Every syllable break the rules allow in a word, found by cutting the word
// (placed after `abertura`) at every width that leaves part of it on the line.
std::string silabas(const std::string& palavra) {
  std::vector<std::size_t> quebras;
  const int n = static_cast<int>(palavra.size());
  for (int largura = 11 + n - 1; largura >= 12; --largura) {
    const Corte c = corta(abertura + palavra, largura, true);
    if (!c.linha.empty() && c.linha.back() == '-') {
      const std::size_t p = c.linha.size() - 1 - abertura.size();
      EXPECT_EQ(c.linha.substr(0, abertura.size()), abertura) << palavra;
      EXPECT_EQ(abertura + palavra, c.linha.substr(0, c.linha.size() - 1) + c.resto) << palavra;
      if (std::find(quebras.begin(), quebras.end(), p) == quebras.end()) quebras.push_back(p);
    }
  }
  std::string r = palavra;
  std::sort(quebras.rbegin(), quebras.rend());
  for (std::size_t p : quebras) r.insert(p, 1, '-');
  return r;
}

TEST(CortaLinha, SyllableBreaksOfPortugueseWords) {
  const struct {
    std::string palavra;
    std::string esperado;
  } casos[] = {
      {"casa", "ca-sa"},                   // vowel, consonant, vowel
      {"hora", "ho-ra"},
      {"chave", "cha-ve"},                 // "ch" is never split
      {"carta", "car-ta"},                 // r + consonant + vowel
      {"pasta", "pas-ta"},
      {"antes", "an-tes"},
      {"sorte", "sor-te"},
      {"carro", "car-ro"},                 // rr
      {"guerra", "guer-ra"},
      {"pássaro"_cp, "pás-sa-ro"_cp},      // ss
      {"assistência"_cp, "as-sis-tên-cia"_cp},
      {"alto", "al-to"},                   // l + consonant + vowel
      {"entre", "en-tre"},                 // n r s + c d f g t v + l r
      {"mostra", "mos-tra"},
      {"inglês"_cp, "in-glês"_cp},
      {"enfrentar", "en-fren-tar"},
      {"sombra", "som-bra"},               // m + b p + l r
      {"compra", "com-pra"},
      {"exemplo", "exem-plo"},             // the first letter is never left alone
      {"macho", "ma-cho"},                 // vowel + c l n + h
      {"malha", "ma-lha"},
      {"filho", "fi-lho"},
      {"ninho", "ni-nho"},
      {"senhor", "se-nhor"},
      {"carinho", "ca-ri-nho"},
      {"olho", "olho"},
      {"coração"_cp, "co-ra-ção"_cp},      // ç is a consonant, ã a vowel
      {"abraço"_cp, "abra-ço"_cp},
      {"CORAÇÃO"_cp, "CO-RA-ÇÃO"_cp},      // capitals follow the same rules
      {"Brasil", "Bra-sil"},
      {"nascimento", "nas-ci-men-to"},
      {"transporte", "trans-por-te"},
      {"quente", "quen-te"},
      {"atlas", "atlas"},                  // t + l: no rule
      {"ritmo", "ritmo"},
      {"kiwi", "kiwi"},                    // w is neither vowel nor consonant
      {"ca1sa", "ca1sa"},                  // cells that are not letters never break
      {"ca.sa", "ca.sa"},
  };
  for (const auto& caso : casos) EXPECT_EQ(silabas(caso.palavra), caso.esperado) << caso.palavra;
}

TEST(CortaLinha, LetterSets) {
  // What the word table cannot show: "ll" never splits, and only the listed
  // letters take part, in either case.
  const struct {
    const char* abc;
    bool esperado;
  } casos[] = {{"lla", false}, {"LTO", true}, {"aLh", true}, {"aha", false},
               {"aka", false}, {"aya", false}, {"a#a", false}, {"mtr", false}};
  for (const auto& caso : casos) {
    const auto* s = reinterpret_cast<const unsigned char*>(caso.abc);
    EXPECT_EQ(podeSepararSilabas(s[0], s[1], s[2]), caso.esperado) << caso.abc;
  }
  for (unsigned char v : std::string("ÀÁÂÃÉÊÍÓÔÕÚàáâãéêíóôõú"_cp)) EXPECT_TRUE(ehVogalCorte(v)) << int(v);
  for (unsigned char c : std::string("ÈÌÒÙÄËÏÖÜèìòùäëïöüýÿñÑ"_cp))
    EXPECT_FALSE(ehVogalCorte(c) || ehConsoanteCorte(c)) << int(c);
}

TEST(CortaLinha, BlanksAndHardCuts) {
  const struct {
    const char* nome;
    std::string texto;
    int largura;
    bool hifenizando;
    std::string linha;
    std::string resto;
  } casos[] = {
      {"blank after the width", "um dois tres", 7, true, "um dois", "tres"},
      {"blanks after the width are skipped", "abcdefghijkl   mno", 14, true, "abcdefghijkl", "mno"},
      {"nothing but blanks after the width", "abcdefghijkl   ", 12, true, "abcdefghijkl", ""},
      {"short line keeps its blanks", "abcd   efgh", 6, true, "abcd  ", "efgh"},
      {"blank at the width", "uma casa amarela", 9, false, "uma casa", "amarela"},
      {"syllable break", "uma casa amarela", 13, true, "uma casa ama-", "rela"},
      {"syllable before a later one", "uma casa amarela", 14, true, "uma casa ama-", "rela"},
      {"no hyphenation: hard cut", "uma casa amarela", 14, false, "uma casa amar-", "ela"},
      {"no hyphenation: last blank", "uma casa amarela e verde", 22, false, "uma casa amarela e", "verde"},
      {"search reaches position 11", "123456789 abcdefghijkl", 15, false, "123456789", "abcdefghijkl"},
      {"search stops before position 10", "12345678 abcdefghijklm", 15, false, "12345678 abcde-", "fghijklm"},
      {"word at W-1 not split after one letter", "123456789012 amor", 15, true, "123456789012", "amor"},
      {"width 10 cuts hard", "casa casa casa", 8, true, "casa ca-", "sa casa"},
      {"width 10 at a blank", "casa casa casa", 10, true, "casa casa", "casa"},
      {"width 5", "abcdefgh", 5, true, "abcd-", "efgh"},
      {"width 2", "abcdefgh", 2, true, "a-", "bcdefgh"},
      {"width 1", "abcdefgh", 1, true, "a", "bcdefgh"},
      {"width 0", "abcdefgh", 0, true, "a", "bcdefgh"},
      {"negative width", "abcdefgh", -7, false, "a", "bcdefgh"},
      {"width 1 before a blank", "a bc", 1, true, "a", "bc"},
      {"width 1 at a blank", " abc", 1, true, "", "abc"},
      {"accented letters are one cell", "ação ação ação"_cp, 11, true, "ação ação"_cp, "ação"_cp},
  };
  for (const auto& caso : casos) {
    const Corte c = corta(caso.texto, caso.largura, caso.hifenizando);
    EXPECT_EQ(c.linha, caso.linha) << caso.nome;
    EXPECT_EQ(c.resto, caso.resto) << caso.nome;
    EXPECT_LE(c.linha.size(), static_cast<std::size_t>(std::max(caso.largura, 1))) << caso.nome;
  }
}

// Lays a paragraph out the way the draft generator does: cut while the text
// is too long, indent the rest when asked, write the last short line as it is.
std::vector<std::string> disposicao(std::string texto, int largura, bool hifenizando, bool recuo) {
  std::vector<std::string> linhas;
  const std::size_t limite = 4 * texto.size() + 4;
  while (!texto.empty()) {
    if (linhas.size() > limite) {
      ADD_FAILURE() << "layout does not end at width " << largura;
      break;
    }
    if (excedeLargura(texto, largura)) {
      const std::size_t antes = texto.size();
      std::string linha;
      cortaLinha(texto, linha, largura, hifenizando);
      linhas.push_back(linha);
      if (recuo) aplicaRecuoContinuacao(texto, antes);
    } else {
      linhas.push_back(texto);
      texto.clear();
    }
  }
  return linhas;
}

std::string semBrancosNemHifens(const std::string& s) {
  std::string r;
  for (char c : s)
    if (c != ' ' && c != '-') r += c;
  return r;
}

TEST(CortaLinha, LayoutEndsAndKeepsEveryCellAtAnyWidth) {
  const std::string paragrafos[] = {
      "o menino carregava a mochila pesada pela estrada de terra",
      "  recuo inicial e palavras",
      "abcdefghijklmnopqrstuvwxyzabcdefghijklmnopqrstuvwxyz",
      "a b c d e f g h",
      "paralelepípedo inconstitucionalíssimo"_cp,
  };
  for (const std::string& p : paragrafos)
    for (int largura = -3; largura <= 40; ++largura)
      for (bool hif : {false, true})
        for (bool recuo : {false, true}) {
          const auto linhas = disposicao(p, largura, hif, recuo);
          std::string junto;
          for (const auto& l : linhas) {
            EXPECT_LE(l.size(), static_cast<std::size_t>(std::max(largura, 1)))
                << p << " / " << largura << " / [" << l << "]";
            junto += l;
          }
          EXPECT_EQ(semBrancosNemHifens(junto), semBrancosNemHifens(p)) << p << " / " << largura;
        }
}

TEST(CortaLinha, ContinuationIndent) {
  // At a normal width every continuation line starts with two blanks.
  const auto linhas = disposicao("o menino carregava a mochila pesada pela estrada", 20, true, true);
  ASSERT_EQ(linhas.size(), 3u);
  EXPECT_EQ(linhas[0], "o menino carregava a");
  EXPECT_EQ(linhas[1], "  mochila pesada pe-");
  EXPECT_EQ(linhas[2], "  la estrada");

  // Where the cut took no more than the indent would give back, the rest
  // stays as it is, so the text still shrinks.
  std::string resto = "abc";
  EXPECT_FALSE(aplicaRecuoContinuacao(resto, 5));
  EXPECT_EQ(resto, "abc");
  EXPECT_TRUE(aplicaRecuoContinuacao(resto, 6));
  EXPECT_EQ(resto, "  abc");
  std::string vazio;
  EXPECT_FALSE(aplicaRecuoContinuacao(vazio, 10));
  EXPECT_EQ(vazio, "");
}

}  // namespace
