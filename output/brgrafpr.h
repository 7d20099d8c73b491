// Tactile graphic files (.GRB) and the dot matrix they are drawn into.
//
// A .GRB file is plain text, one line per dot row from the top, one character
// per dot column from the left; a blank is no dot, anything else a raised dot
// (the writers put "*"). Lines end in CR LF; a lone CR or LF also ends a line,
// a missing character is no dot and empty lines at the end are not rows.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

inline constexpr int tamanhoMatriz = 301;  // dots each way, 0 to 300

// 301 by 301 dots; element (x, y), x the column and y the row, lies at index
// 301 * y + x and holds 1 for a raised dot, 0 for none. Access outside the
// matrix reads 0 and writes nothing.
struct TMatrizPontos {
  std::array<unsigned char, tamanhoMatriz * tamanhoMatriz> pontos{};

  static bool dentro(int x, int y) {
    return x >= 0 && x < tamanhoMatriz && y >= 0 && y < tamanhoMatriz;
  }
  unsigned char le(int x, int y) const { return dentro(x, y) ? pontos[indice(x, y)] : 0; }
  void poe(int x, int y, unsigned char valor) {
    if (dentro(x, y)) pontos[indice(x, y)] = valor;
  }
  void limpa() { pontos.fill(0); }
  // Every element of the rectangle that lies inside the matrix := valor.
  void preencheRetangulo(int x0, int y0, int largura, int altura, unsigned char valor);

 private:
  static std::size_t indice(int x, int y) {
    return static_cast<std::size_t>(tamanhoMatriz) * static_cast<std::size_t>(y) +
           static_cast<std::size_t>(x);
  }
};

// The page image of graphic printing; its users clear it before each page.
extern TMatrizPontos matrizGrafica;

void limpaMatrizGrafica();
// Raises dot (x, y) of matrizGrafica; a dot outside the matrix is dropped.
void marcaPonto(int x, int y);
// Clears the part of the rectangle that lies inside matrizGrafica.
void limpaRetanguloGrafico(int x0, int y0, int largura, int altura);

// ---------------------------------------------------------------------------
// Names. A name read from a document or typed by the user that has no folder
// of its own from the root is looked up in the folder of the current document
// (nomeDocumento), and used as written while the document is untitled. Every
// reader and writer of graphics resolves names this way, so that a graphic
// measured while translating is the one later drawn. "\" counts as "/".
std::string resolveNomeGrafico(std::string_view nome);
// The same beside another document (a print job's copy of the name).
std::string resolveNomeGrafico(std::string_view nome, std::string_view documento);

// The lines of a .GRB text: a line ends at CR LF, at a lone CR or at a lone
// LF; a last line without an end is a line too.
std::vector<std::string_view> linhasGrafico(std::string_view conteudo);

// Measured size of a .GRB text: the longest line rounded up to even, and the
// line count without the trailing empty lines rounded up to a multiple of 3.
void dimensoesConteudoGrafico(std::string_view conteudo, int& largura, int& altura);

// Raises in `matriz` every dot of the .GRB text with its top left corner at
// (x0, y0); dots outside the matrix are dropped, nothing is cleared.
void carregaConteudoGrafico(TMatrizPontos& matriz, std::string_view conteudo, int x0, int y0);

// ---------------------------------------------------------------------------
// Files.

// Measured size of the file (0 by 0 when it cannot be read).
void dimensoesGrafico(std::string_view nome, int& largura, int& altura);
int larguraGrafico(std::string_view nome);
// The size in text lines and cells of the configured embosser.
void dimensoesGraficoCelulas(std::string_view nome, int& linhas, int& celulas);
// The number of text lines the graphic covers (0 when it cannot be read).
int alturaGraficoLinhas(std::string_view nome);

// Loads the file into `matriz` at (x0, y0), as carregaConteudoGrafico; false
// when the file cannot be read (the matrix is then untouched).
bool carregaGraficoTatil(TMatrizPontos& matriz, std::string_view nome, int x0, int y0);

// The lines a drawing is saved as: one per row, "*" for a dot, trailing blanks
// removed, trailing empty lines removed but the first line always kept.
std::vector<std::string> linhasDaMatriz(const TMatrizPontos& matriz);
// The file's text: each line followed by CR LF.
std::string textoGraficoTatil(const std::vector<std::string>& linhas);
// Writes the lines, each followed by CR LF, replacing the file safely; false
// when the file could not be written (an old file is then left whole).
bool gravaGraficoTatil(std::string_view nome, const std::vector<std::string>& linhas);

// ---------------------------------------------------------------------------
// Geometry as the graphic placement sees it.
int larguraCelulaGraf();
int colunaParaPonto(int n);
int celulasParaPontos(int n);

// ---------------------------------------------------------------------------
// "Criar gráfico vazio": asks for the size in text lines and cells and for a
// file name, and writes a framed empty graphic of that size for the drawing
// program to fill.
void criaGraficoVazio();

// The framed empty graphic of `linhas` text lines and `celulas` cells, as the
// command writes it (both above 0).
std::string conteudoGraficoVazio(int linhas, int celulas);

// The size answer "yy xx" read as text lines and cells; false unless both are
// decimal integers above 0 and the frame fits the matrix.
bool leTamanhoGraficoVazio(std::string_view resposta, int& linhas, int& celulas);
