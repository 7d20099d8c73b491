// The drawing-command file (.gbr): while recording, every figure the user
// draws is appended as one line of text in user coordinates (origin and scale
// of ovvars), and a recorded file is replayed onto the canvas under the
// origin and scale then in force, so that figures move or resize.
//
// The file is Windows-1252 with CR LF lines: a keyword padded to 8 characters
// ("RETANG" to 9), then the values separated by single blanks. Numbers are
// written with "." whatever the locale; they are read with "." or ",".
//
// The recording is kept whole in memory and the file is rewritten through the
// safe writer after each figure, so a failed write never leaves a damaged
// file: the file then holds every figure recorded before the failure.
#pragma once

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "cp1252.h"

namespace orvento {

// The numbers of the command line being read, 1..100; they keep their values
// from one line to the next, so a line with fewer numbers than its keyword
// takes the missing ones from an earlier line.
inline constexpr int maxNumeros = 100;
extern std::array<double, maxNumeros + 1> numeros;

// Notices of the recording commands.
inline constexpr auto avisoArquivoExistente = "Arquivo existente será adicionado."_cp;
inline constexpr auto avisoArquivoNovo = "Arquivo novo criado."_cp;
inline constexpr auto avisoArquivoInutilizavel = "Arquivo não pode ser utilizado."_cp;
inline constexpr const char* avisoArquivoGravado = "Arquivo gravado";
inline constexpr const char* avisoErroGravar = "Erro ao gravar arquivo";
inline constexpr auto avisoArquivoNaoAchado = "Arquivo não foi achado."_cp;
inline constexpr const char* avisoErroLinha = "Arquivo com erro na linha ";
inline constexpr const char* filtroMetaGrafico = "Meta Grafico Braille (*.gbr)|*.gbr";

// Number formats of the file. F: fixed point, four decimals, never "-0.0000".
// E: 23 characters, a blank or "-", d.dddddddddddddd, "E", the exponent's
// sign and four digits. Empty for a value that is not finite.
std::string formataF(long double v);
std::string formataE(double v);

// Writers, called by the window after it drew the figure; each appends one
// line (the curve several) while registrando is set, and does nothing
// otherwise. Coordinates are dots. A write that fails shows "Erro ao gravar
// arquivo" and ends the recording; the figure stays drawn.
void registraReta(double x1, double y1, double x2, double y2);
void registraRetangulo(double x1, double y1, double x2, double y2);
void registraArea(double x1, double y1, double x2, double y2);
void registraElipse(double x1, double y1, double x2, double y2);
void registraAreaEliptica(double x1, double y1, double x2, double y2);
// Centre and radius in dots; the radius is stored as r / |escalaX|.
void registraCircunferencia(double cx, double cy, double r);
void registraCirculo(double cx, double cy, double r);
// The curve through pontosCurva[1..numPontosCurva] (pixels), written as dots
// with a fraction, without origin or scale. Nothing for no point.
void registraCurva();
// Print text at the pressed dot (tamanho is 0) and Braille text (tamanho is
// the size index 0..2); direcao 0..2; texto as typed (Windows-1252). Nothing
// for an empty text.
void registraTexto(int tamanho, int direcao, const std::string& texto, double x, double y);
void registraBraille(int tamanho, int direcao, const std::string& texto, double x, double y);

// Trims blanks and control characters from both ends of linha, then moves
// the text before its first blank into palavra; linha keeps what follows that
// blank (empty when there is none).
void separaPalavra(std::string& linha, std::string& palavra);
// Reads up to n numbers (n <= 100) from linha into numeros[1..]; stops early
// when linha runs out. False when a token is not a finite number (reading
// stops there).
bool leNumeros(std::string& linha, int n);
// A whole token as a finite number: an optional sign, digits with "." or ","
// as the decimal point, an optional exponent. Nothing otherwise.
std::optional<double> leNumero(std::string_view texto);

// Draws what a replayed "TEXTO" or "BRAILLE" line holds, at the dot (x, y), in
// direction 0..2; the Braille size is the index 0..2. The program binds them
// to its text and Braille drawing; true when the text was drawn.
extern std::function<bool(std::string_view texto, int x, int y, int direcao)>
    desenhaTextoComando;
extern std::function<bool(std::string_view texto, int x, int y, int direcao, int indiceTamanho)>
    desenhaBrailleComando;

// Gives the line after the current one, for the point lines of "CURVA";
// nothing at the end of the file.
using ProximaLinha = std::function<std::optional<std::string>()>;

// Carries out one command line; true when it was carried out (an empty line
// counts as done). False for an unknown keyword, unreadable numbers, an
// "ESCALA" with a 0, a "CURVA" count outside 1..100 or a bad or missing point
// line, a size or direction outside 0..2, and a text line with no drawing
// bound. "CURVA" takes its point lines from proxima.
bool executaComando(std::string linha, const ProximaLinha& proxima = {});

// The three commands of the window ("Registrar ações...", "Fim do registro",
// "Carregar ações..."), with their file dialogs and notices.
// Start: asks for a .gbr name; an existing file is added to, a missing one is
// created; sets registrando. An open recording is ended first.
void iniciaRegistro();
// End: when recording, "Arquivo gravado" (or "Erro ao gravar arquivo") and
// registrando cleared. The window's close calls it too.
void terminaRegistro();
// Replay: ends an open recording, asks for a .gbr file and carries out its
// lines in order; the first line not carried out shows "Arquivo com erro na
// linha " + its number (from 1) and ends the replay. The file is read whole
// and closed before the first line runs.
void carregaRegistro();
// The replay of a file's bytes without the dialogs; 0 when every line was
// carried out, else the number of the first line that was not.
std::size_t executaComandos(std::string_view conteudo);

// The name of the file of the last recording started ("" before any).
const std::string& arquivoRegistro();
// Back to the start of a run: no recording, numbers 0. The drawing hooks are
// left bound. For tests.
void reiniciaComandos();

}  // namespace orvento
