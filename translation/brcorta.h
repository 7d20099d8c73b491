// Line breaking of a translated paragraph: cuts one Braille line off its
// front at a blank or, with hyphenation, between two Portuguese syllables.
// The text is in the internal Braille code, one byte per cell.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// True for the vowels the syllable rules know: AEIOU, aeiou and the accented
// Windows-1252 vowels À Á Â Ã É Ê Í Ó Ô Õ Ú and their lower case.
bool ehVogalCorte(unsigned char c);
// True for the consonants the syllable rules know: BCDFGJLMNPQRSTVXZ, their
// lower case, Ç and ç. H, K, W and Y are neither vowels nor consonants.
bool ehConsoanteCorte(unsigned char c);

// True when a line may end between a and b (b followed by c) by one of the
// six syllable rules.
bool podeSepararSilabas(unsigned char a, unsigned char b, unsigned char c);

// True when texto does not fit a line of largura cells; every non-empty text
// is too long for a width of 0 or less.
inline bool excedeLargura(std::string_view texto, int largura) {
  return largura < 0 || texto.size() > static_cast<std::size_t>(largura);
}

// Cuts the first line off texto, which is longer than largura: linha gets the
// line (at most largura cells, ending in "-" where a word was split) and texto
// keeps the rest, which begins with a non-blank cell or is empty. Every cut
// takes at least one cell off texto, whatever the width, so a caller that cuts
// until the text fits always ends; below a width of 2 a line takes one cell.
void cortaLinha(std::string& texto, std::string& linha, int largura, bool hifenizando);

// The continuation indent: puts two blanks before resto, but only when the
// indented rest is still shorter than the text was before the cut
// (comprimentoAntes), so that indenting never stops a paragraph from
// shrinking on very narrow lines. True when the blanks were added.
bool aplicaRecuoContinuacao(std::string& resto, std::size_t comprimentoAntes);
