// Word validity and suggestions against the loaded dictionary (brdic.h), and
// the characters that make up a word of the text. All text is Windows-1252.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "brdic.h"

// The characters that make up a word: "'", "-", the ASCII letters and the
// accented letters of Portuguese (and Ñ, Ö); every other one separates words.
bool letraPalavra(unsigned char c);
// The characters that let the capital-initial and "h" suggestions be tried
// when they begin a word: "'", "-" and the vowels, plain or accented.
bool vogalInicial(unsigned char c);

// Every form of one entry: "=" gives the stem, a class the stem followed by
// each of its suffixes, in order; an unknown class gives nothing and is
// reported once per load ("problemas no dicionário: sufixo " + class).
std::vector<std::string> expandeVerbete(const TDicio& verbete);

// A word is valid when it is a listed name (with regard to case), or when it
// is not rejected (without regard to case) and some stem of it with one of
// its classes makes it (without regard to case). Only the ending is judged
// against the classes: no stem is expanded.
bool palavraValida(std::string_view palavra);

// Upper case by the checker's own rule: "a".."z" and bytes 224..255 lose 32,
// every other byte stays.
std::string maiusculas(std::string_view palavra);

// The valid words the user may have meant, sorted without regard to case,
// each once (of two that differ only in case, the first found stays): the
// word itself (or its upper case), the capital initial and "h" + word when it
// begins with a vowel, and the suggestion file's rewrites at every position.
void sugestoes(std::string_view palavra, std::vector<std::string>& lista);
