// Embossing the canvas: the drawing program's printer code table and the
// graphic-mode stream of the canvas. The table reader and the stream builder
// take everything as parameters; carregaAmbCode and imprimeDesenho bind them
// to the program's globals, its settings file and its output channel.
#pragma once

#include <functional>
#include <string_view>

#include "brcodigo.h"
#include "brgrafpr.h"

namespace orvento {

// Sends one block of the stream; the result is not looked at.
using EnvioBloco = std::function<bool(std::string_view bloco)>;

// The printer code table of a table file's text: the identity, patched by each
// "hh=hh" line. Unlike the editor's reader, a bad line never stops it: empty
// lines, lines starting with "*", lines without "=" as third character and
// lines too short or with a non-hexadecimal digit in their fields are skipped;
// a later line for the same byte wins.
void aplicaAmbCode(std::string_view conteudo, TTabelaImpressora& tabela);

enum class LeituraAmbCode { lida, naoAchada, erroLeitura };
// Loads `tabela` from the file `caminho`. The table is the identity first;
// a file that cannot be opened (or is a folder) leaves it so.
LeituraAmbCode leArquivoAmbCode(std::string_view caminho, TTabelaImpressora& tabela);

// Loads tabAmbCode from the file named by key ambCode2 of LUMAREL.INI.
// A missing file shows "Arquivo ambcode2.cfg não achado" and keeps the
// identity. A read error shows "Erro em ambcode2.cfg" and returns false: the
// caller ends the program at once, without asking about the drawing.
bool carregaAmbCode();

// Bands of three dot rows that the canvas needs: down to the lowest dot of
// rows 1..299 within columns 0..299, at least one.
int faixasDoDesenho(const TMatrizPontos& tela);

// The graphic-mode stream of the canvas, block by block: the test line, the
// mode (ESC "6" for the high resolution, else ESC "1"), one line per band
// through the unified cell table and `tabela`, ESC "]", the test line again
// and a lone form feed.
void geraFluxoDesenho(const TMatrizPontos& tela, const TTabelaImpressora& tabela,
                      bool altaResolucao, const EnvioBloco& envia);

// "&Imprimir": for "PRN" asks for the printer first (cancel: nothing happens),
// then sends the stream of tela through the output channel on dispositivo.
// A channel that does not open shows "Não consegui abrir a impressora".
void imprimeDesenho();

}  // namespace orvento
