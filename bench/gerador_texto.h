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

// How a transcriber opens a paragraph in the editor: two blanks, which the
// draft generator keeps as the paragraph's indent.
inline constexpr const char* recuoParagrafo = "  ";

// A paragraph as a transcriber types it, appended to `linhas`: its first line
// indented by recuoParagrafo, the text cut at a blank near `largura`
// characters, and every further line going on without a leading blank, so
// that the draft generator joins them into one paragraph.
void acrescentaLinhasEditor(const std::string& paragrafo, std::vector<std::string>& linhas,
                            std::size_t largura = 70);

// The paragraphs of `texto` one after another, each as acrescentaLinhasEditor
// types it; the indent alone separates them, as in a real document.
std::vector<std::string> linhasEditor(const TextoGerado& texto, std::size_t largura = 70);
