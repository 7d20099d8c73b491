// Varied Portuguese text for the converter benchmarks: sentences built from
// a fixed seed, with accents, capitals and words in capitals, numbers of
// every form the converters treat apart (decimals, thousands, dates, times,
// ordinals, money, percentages), punctuation, quotation marks of each kind
// and brackets, balanced and not. Windows-1252, one paragraph a line.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

struct TextoGerado {
  std::vector<std::string> linhas;  // paragraphs, without line breaks
  std::size_t bytes = 0;            // their total length
};

// At least bytesMinimos bytes of text; the same seed gives the same text.
TextoGerado geraTextoPortugues(std::size_t bytesMinimos, std::uint32_t semente = 20240611);

// A paragraph as the editor holds it: lines cut at a blank near `largura`
// characters, appended to `linhas`.
void acrescentaLinhasEditor(const std::string& paragrafo, std::vector<std::string>& linhas,
                            std::size_t largura = 70);
