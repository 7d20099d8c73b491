// Embossing the canvas: the drawing program's printer code table and the
// graphic-mode stream of the canvas. The table reader and the stream builder
// take everything as parameters; carregaAmbCode and imprimeDesenho bind them
// to the program's globals, its settings file and its output channel.
#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "brcodigo.h"
#include "brgrafpr.h"

namespace orvento {

// Sends one block of the stream; false ends the stream there (a cancelled
// job).
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

// Everything a job reads, taken when it starts: drawing on, or changing the
// device or the resolution while it embosses, changes nothing of it.
struct TrabalhoDesenho {
  TMatrizPontos tela;
  TTabelaImpressora tabela{};
  bool altaResolucao = false;
  std::string dispositivo;
};

// The worker's steps on the open channel: the stream of the snapshot (cut
// short by a cancel) and the channel closed. When a write or the close
// failed and the job was not cancelled, the text of the one box that tells
// it, naming the device and why; else empty.
std::string enviaDesenho(const TrabalhoDesenho& trabalho);

// What "&Imprimir" tells the windows; each may be empty.
struct AcoesImprimeDesenho {
  std::function<void()> mostraProgresso;  // GUI thread
  // Called by the worker from its own thread: must only post to the GUI.
  std::function<void()> escondeProgresso;
};

enum class InicioDesenho {
  iniciado,      // the worker runs
  recusado,      // another job is running
  saidaDesenho,  // the output is the drawing's own file
  cancelado,     // the printer choice of "PRN" was cancelled
  semSaida,      // the channel did not open
};

// "&Imprimir": refuses a second job and an output that is the drawing's own
// file (error box), for "PRN" asks for the printer (cancel: nothing
// happens), opens the channel on dispositivo ("Não consegui abrir a
// impressora", with the device and why), shows the progress window and
// starts the worker on a snapshot. Its cancel ends the job; nothing is said.
InicioDesenho imprimeDesenho(const AcoesImprimeDesenho& acoes = {});
// A job is running (from "&Imprimir" to the end of its worker).
bool impressaoDesenhoAtiva();
// Waits for the worker to end (not on the GUI thread while it may show a box).
void aguardaFimImpressaoDesenho();
// At the program's end: a running job is cancelled and waited for, with
// `entreEsperas` run between looks.
void encerraImpressaoDesenho(const std::function<void()>& entreEsperas);

}  // namespace orvento
