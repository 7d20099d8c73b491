// The serial and parallel ports of the embossers. COM1 and COM2 are the
// system's first two serial lines, LPT1 to LPT3 its line printers; each can be
// pointed elsewhere by an environment variable of the same name with the
// prefix LUMAREL_ (LUMAREL_COM1, LUMAREL_LPT2, ...). Sends run on the print
// worker: every wait they make ends when the job is cancelled or the program
// closes.
#pragma once

#include <atomic>
#include <chrono>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

// Set when the program closes, so that a worker waiting for an embosser lets go.
extern std::atomic<bool> encerrandoPrograma;

// How often the serial send looks again at an embosser that is not ready.
inline constexpr std::chrono::milliseconds intervaloEsperaCom{500};

// The notice the progress window shows while the serial embosser is not ready.
inline constexpr std::string_view avisoImpressoraBloqueada = "Impressora bloqueada";

// The port names, already upper-cased: "COM1" and "COM2" are serial,
// "LPT1" to "LPT3" parallel.
bool ehPortaSerial(std::string_view nome);
bool ehPortaParalela(std::string_view nome);

// Device path of a port name (already upper-cased): "COM1" -> $LUMAREL_COM1,
// else /dev/ttyS0; "LPT1" -> $LUMAREL_LPT1, else /dev/lp0 when it exists,
// else /dev/usb/lp0. Any other name is returned as it is.
std::string caminhoPorta(std::string_view nome);

// Writes every byte to a descriptor, looping over partial writes, EINTR and a
// device that is not ready to take more (waiting on it, and letting go when
// the job is cancelled or the program closes). False unless all went out.
bool escreveDescritor(int descritor, std::string_view dados);

struct termios;
// Makes terminal settings raw (bytes pass unchanged both ways), keeping the
// flow control they had.
void tornaCru(termios& t);
// The same on an open terminal; false when it is not one.
bool poeTerminalCru(int descritor);

// Opens an output named as a file for writing: a regular file is emptied
// first, a device is written as it is, a terminal is made raw (CR LF must not
// become CR CR LF), a folder fails. A FIFO nobody reads fails at once instead
// of hanging. The descriptor, or -1.
int abreArquivoSaida(std::string_view nome);

// The job was cancelled or the program is closing.
bool esperaInterrompida();

// ---------------------------------------------------------------------------
// Serial port.

// Reads the modem status bits of an open port (TIOCM_CTS, TIOCM_DSR, ...);
// nothing when the port has no modem lines (a pseudo-terminal, many USB
// adapters). Tests install their own to hold the port "not ready".
using LeituraModem = std::function<std::optional<int>(int descritor)>;
// An empty one restores the reading through TIOCMGET.
void instalaLeituraModem(LeituraModem leitura);

// Receives the text of the progress window's status line while the serial
// embosser is not ready. It is called on the worker and must only hand the
// text to the window's own thread, never wait for it. An empty one drops the
// notices.
using AvisoEspera = std::function<void(const std::string& texto)>;
void instalaAvisoEspera(AvisoEspera aviso);

// Opens the serial port (name as for caminhoPorta) and sets the line to 9600
// baud, 8 data bits, no parity, 1 stop bit, raw, keeping its flow control.
// False when it cannot be opened or is not a serial line.
bool abreCom(std::string_view nome);
// The embosser is not ready: clear-to-send or data-set-ready is off. A port
// without modem lines is always ready; a closed port is blocked.
bool comBloqueada();
// Waits, in steps of intervaloEsperaCom, until the embosser is ready (the
// status line says "Impressora bloqueada" while it is not), then writes all
// of texto. False when the wait was cancelled or not every byte went out.
bool enviaCom(std::string_view texto);
void fechaCom();

// ---------------------------------------------------------------------------
// Parallel port.

// Opens the existing device of the port for writing (never creates a file).
bool abrePorta(std::string_view nome);
// Writes all of texto; false unless every byte went out.
bool enviaPorta(std::string_view texto);
void fechaPorta();
