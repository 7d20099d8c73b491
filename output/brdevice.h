// The one output channel every byte for an embosser passes through, chosen by
// a name (the setting NomeArq): COM1/COM2 the serial ports, LPT1..LPT3 the
// parallel ports, "PRN" the system printer (through its driver for a Tiger,
// else as a raw print job), \\host\queue a network print queue, and any other
// name a file. Port names are matched after upper-casing; file names keep
// their case. One channel is open at a time. Nothing here shows a message: a
// false result is reported by the caller.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "brimpraw.h"

// Name of the open (or last) channel: the port name upper-cased, or the file
// name as given.
extern std::string portaSaida;
// The raw print job of the "PRN" channel; -1 when none is open.
extern int hImpressora;

// A lone form feed on a "Puma 7" written to a file becomes this line.
inline constexpr std::string_view linhaSeparadoraPuma =
    "--------------------------------------------------\r\n";

// The output an output name stands for: port names, "PRN" and network queues
// as they are; a file name without a folder from the root lies in the folder
// of `documento` (as typed while the document is untitled), as relative
// graphic names do.
std::string resolveNomeSaida(std::string_view nome, std::string_view documento);

// Opens the channel named nome; true when it is ready for sending. A channel
// still open is closed first.
bool abreDispositivo(std::string_view nome);
// Sends printer-code bytes (CR LF line ends, form feed as page end) to the
// open channel; true only when all of them went out.
bool enviaDispositivo(std::string_view texto);
// Closes the open channel (harmless when none is). False when the channel
// reported a failure at the end (a print job the print system refused).
bool fechaDispositivo();

// The "PRN" side of enviaDispositivo: the printer driver for a Tiger; else the
// raw job, where each leading form feed ends one job page and starts the next.
bool enviaImpressora(std::string_view texto);
