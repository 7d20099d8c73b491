// How many graphic dots make up one Braille cell on the configured embosser,
// and the model tests that decide it. The translation core, the page renderers
// and the views share these numbers, so a graphic covers the same cells
// everywhere.
#pragma once

#include <atomic>
#include <string_view>

// Dots per cell of each family of embossers: across and down.
inline constexpr int pontosHTiger = 5;
inline constexpr int pontosVTiger = 4;
inline constexpr int pontosHIndex = 3;
inline constexpr int pontosVIndex = 4;
inline constexpr int pontosHOutras = 3;
inline constexpr int pontosVOutras = 4;

// The configured model prints through its system printer driver. Shared by
// the GUI thread (translation, views) and the print worker.
extern std::atomic<bool> modoTiger;

// The model name begins with "TIGER" (ASCII letters in any case).
bool ehTiger(std::string_view marca);
// The configured model begins with "INDEX" or "EVEREST" (any case).
bool ehIndex();
// modoTiger := ehTiger(configured model).
void atualizaModoTiger();

// Reads the model and the preview flag again and sets the dots per cell; in
// the preview of a model that is not a Tiger a cell is twice as wide.
void calculaPontosCelula();
int pontosPorCelulaH();
int pontosPorCelulaV();

// x of the first dot of text column n (from 1): (n - 1) * H + 1.
int pontoInicialColuna(int n);
// n cells in dots: n * H.
int celulasEmPontos(int n);
// d dots across in cells, rounded up.
int pontosEmCelulas(int d);
// d dots down in text lines, rounded up.
int pontosEmLinhas(int d);

// The same numbers for a given model and preview flag rather than the
// configured ones: a view of an earlier pass uses the values that pass saw.
int pontosCelulaH(bool tiger, bool previa);
int pontoInicialColuna(int n, int h);
int celulasEmPontos(int n, int h);
