// The print job: the print button's steps (device, draft file, progress
// window, worker), the worker that reads the draft once per copy, gathers
// each page with the odd-page or even-page margin, keeps or drops graphic
// directives by the graphic mode and hands the page to its renderer, and the
// end of the job (plate-printer wait, device closed, end message).
//
// At most one job runs: a guard taken by the print button and given back by
// the worker as its very last step covers the whole job. The worker prints
// from a snapshot taken when the job starts (the draft file's lines and every
// setting it reads), and it never touches a window: it reports through the
// message service and the hooks the windows give it.
#pragma once

#include <atomic>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "brimprpagina.h"
#include "cp1252.h"

// The worker has the draft open for a copy.
extern std::atomic<bool> imprimindo;
// Success of the job so far; chooses the end message.
extern std::atomic<bool> impressaoOk;

// Texts of the job's boxes.
inline constexpr auto mensagemDuasListagens = "Não é possível imprimir duas listagens simultaneamente"_cp;
inline constexpr auto mensagemSemTabela = "Configuração da Impressora Braille não achada (amBCode.cfg)"_cp;
inline constexpr auto mensagemSemDispositivo = "Não foi possível abrir o dispositivo de saída"_cp;
inline constexpr auto mensagemErroLeitura = "Erro de leitura no arquivo de rascunho ! "_cp;
inline constexpr auto mensagemEspere = "Espere o fim da impressão"_cp;
inline constexpr auto tituloEspere = "Quando terminar, clique em OK"_cp;
inline constexpr auto mensagemEnviado = "Arquivo enviado"_cp;
inline constexpr auto tituloEnviado = "Fim de impressão"_cp;
inline constexpr auto mensagemSaidaDocumento = "A saída da impressão é o próprio documento: "_cp;
inline constexpr auto mensagemErroImpressora = "Erro ao acionar a impressora"_cp;
inline constexpr auto tituloErroImpressora = "Verifique se a impressora está ligada"_cp;
// The model word of the plate printer ("Impressora de clichê"), matched in
// this exact case.
inline constexpr auto marcaClicheria = "lichê"_cp;

// Lines of the draft file longer than this are cut; the rest is skipped.
inline constexpr std::size_t maxLinhaRascunho = 255;

// A draft file's content as the worker reads it: lines end at LF (a CR
// before it dropped); a last line without an end counts; each line is cut
// to maxLinhaRascunho bytes.
std::vector<std::string> linhasDoRascunho(std::string_view conteudo);

// Everything one job reads, taken when it starts.
struct TrabalhoImpressao {
  AmbienteImpressao ambiente;
  int totalCopias = 1;
  int margemImpar = 0;
  int margemPar = 0;
  bool enviaVazias = false;
  std::string marca;          // the embosser model (plate-printer wait)
  bool rascunhoGerado = true; // the translator wrote the whole draft
  bool rascunhoLido = true;   // and it could be read back
  std::vector<std::string> linhas;  // the draft file
};

// The job from the current settings, counters and draft file (GUI thread,
// right after the draft was written).
TrabalhoImpressao capturaTrabalho(bool rascunhoGerado);

// Gathers the pages of one job and sends each with its renderer.
class TPaginaImpressao {
 public:
  TPaginaImpressao(const AmbienteImpressao& ambiente, CanalImpressao& canal)
      : renderizador(ambiente, canal), tipoTratGrafico_(ambiente.tipoTratGrafico),
        tiger_(ambiente.tiger) {}

  // Appends a draft line: a text line after margemAtual blanks; a graphic
  // directive in its normal form without margin (dropped in mode 1), which
  // marks the page unless the mode is 4.
  void adicionaLinhaPagina(std::string_view linha);
  // The page goes out wholly in graphic mode.
  bool paginaEmModoGrafico() const;
  // Sends the page with the fitting renderer and empties it; true when
  // everything went out.
  bool imprimePagina();

  bool temGrafico = false;
  TImprPagina renderizador;  // holds listaPagina and margemAtual

 private:
  int tipoTratGrafico_;
  bool tiger_;
};

// What the job tells the windows; each may be empty.
struct AcoesImpressao {
  std::function<void()> escondeDialogo;   // GUI thread
  std::function<void()> mostraProgresso;  // GUI thread
  // Called by the worker from its own thread: must only post to the GUI.
  std::function<void()> escondeProgresso;
};

// The worker's steps on a snapshot: every copy, the plate-printer wait, the
// channel closed, the end message. Returns impressaoOk.
bool executaTrabalho(const TrabalhoImpressao& trabalho, CanalImpressao& canal);

// The print worker: created running; it owns the job and its channel, and
// ends by hiding the progress window and giving the job guard back.
class TThreadImpressao {
 public:
  static void inicia(TrabalhoImpressao trabalho, std::unique_ptr<CanalImpressao> canal,
                     std::function<void()> escondeProgresso);
  void Execute();

 private:
  TThreadImpressao(TrabalhoImpressao trabalho, std::unique_ptr<CanalImpressao> canal,
                   std::function<void()> escondeProgresso);
  TrabalhoImpressao trabalho_;
  std::unique_ptr<CanalImpressao> canal_;
  std::function<void()> escondeProgresso_;
};

// The fields of the print dialog, as typed.
struct PedidoImpressao {
  std::string paginaInicial = "1";
  std::string paginaFinal = "9999";
  std::string copias = "1";
  std::string numPagInicial = "1";
  std::string dispositivo;
};

enum class InicioImpressao {
  iniciado,        // the worker runs
  recusado,        // another job is running
  emTraducao,      // a translation pass is running: nothing done, no box
  semTabela,       // no printer code table
  cancelado,       // the system printer choice was cancelled
  semDispositivo,  // the device did not open
  saidaDocumento,  // the output file is the document itself
};

// The print button: takes the guard (refusing a second job), gives it back
// at once while a translation pass runs (pressed from a box shown mid-pass:
// the draft and the page range are that pass's), refuses an output file
// that is the open document (error box; a relative output name lies in the
// document's folder), hides the dialog, loads
// the printer table, reads the fields, lets the user choose the system
// printer for "PRN", opens the device, shows the progress window, writes the
// draft of `documento` and starts the worker on a snapshot.
InicioImpressao iniciaImpressao(const PedidoImpressao& pedido,
                                const std::vector<std::string>& documento,
                                const AcoesImpressao& acoes);

// A job is running (from the print button to the end of its worker).
bool trabalhoImpressaoAtivo();
// Waits for the worker to end. Only where the worker cannot be waiting for
// this thread (never on the GUI thread while the windows' message service
// shows the worker's boxes).
void aguardaFimImpressao();
