// The drawing program's output channel: "PRN" (any case) is a raw print job
// on the printer chosen before (impDispositivo), titled nomeDesenho; COM1,
// COM2 and LPT1..LPT3 are the ports, \\host\queue a network print queue and
// any other name a device or file (a regular file is emptied first). The
// embosser model plays no part here. One channel is open at a time: opened on
// the GUI thread, then written and closed by the one print job's worker.
#pragma once

#include <string>
#include <string_view>

namespace orvento {

// The name the channel was opened with, and the print job of "PRN" (-1 when
// none is open).
extern std::string nomeSaida;
extern int hImpressora;

// Opens the channel; true when it can be written. An empty name fails.
bool abreSaida(std::string_view nome);
// The channel named `nome` would write the existing file `arquivo`, however
// either is written (relative, through links, a port pointed at it).
bool saidaEscreveNoArquivo(std::string_view nome, std::string_view arquivo);
// Why the last open, write or close of the channel failed, in a few words
// (Windows-1252); empty when no failure was seen since the last open.
std::string motivoFalhaSaida();
// Sends a block; for "PRN" it is escreveSpooler. True when it all went out.
bool escreveSaida(std::string_view bloco);
// The print job side: a block starting with a form feed sends just that byte
// and starts a new job page; an empty block sends nothing and succeeds.
bool escreveSpooler(std::string_view bloco);
// Closes the channel (harmless when none is open); false when the device or
// the print service reported a failure at the end.
bool fechaSaida();

}  // namespace orvento
