// The output channel of an embosser that prints through its system printer
// driver: each Braille line is drawn as text in the printer font "Braille29"
// and each raised graphic dot as a short pen stroke; the driver turns the page
// image into embossed dots. The channel draws on the surface that
// criaSuperficie gives (superficie.h).
#pragma once

#include <string_view>

#include "brgrafpr.h"

// Line step of a text line and the distance of two graphic dots, in device
// units of the driver.
inline constexpr int passoLinhaTiger = 40;
inline constexpr int passoPontoTiger = 10;

// Opens the chosen printer (nomeImpressora, driverImpressora, portaImpressora)
// and starts the first page. When the printer or the document cannot be
// started, shows "Não consegui ativar a impressora Tiger"; any failure returns
// false with everything released.
bool abreTiger();
// Draws one string of a page: each leading form feed ends the page (the next
// one starts when something is drawn on it, so a job's last form feed adds no
// blank sheet; a page between two form feeds is kept blank), a final LF moves
// one line down and a final CR back to the left edge. False when the channel
// is not open or drawing failed.
bool escreveTiger(std::string_view texto);
// Ends the page; the next starts at its top left corner when drawn on.
void novaPaginaTiger();
// Draws the raised dots of the rectangle of `matriz` from the current text
// line down; the text position stays. False when the channel is not open or a
// stroke failed.
bool desenhaPontosTiger(const TMatrizPontos& matriz, int x0, int y0, int colunas, int linhas);
// Ends the page and the document and releases everything (nothing when
// closed).
void fechaTiger();
// The channel is open.
bool tigerAberto();

// Draws a graphic through the device when the model configured at the
// channel's open was a Tiger; false otherwise, and the caller renders the
// graphic itself. A model changed while the channel is open counts at the
// next open.
bool desenhaGraficoDispositivo(const TMatrizPontos& matriz, int x0, int y0, int colunas,
                               int linhas);
