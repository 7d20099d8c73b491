// The editor's settings and the state its modules share: one record with a
// field per key of LUMAREL.INI, the readers and writers of its sections, and
// the counters, flags and buffers of the translation passes and the print job.
// Every text is Windows-1252.
#pragma once

#include <atomic>
#include <string>
#include <string_view>
#include <vector>

// The configuration file, always named bare so that it lies in the Windows
// directory.
inline constexpr const char* arquivoIni = "LUMAREL.INI";

struct TConfiguracao {
  // Section LUMAREL, program parameters.
  int estiloNumPag = 0;
  bool brailleAntigo = false;
  int maxCarac = 36;
  int maxLin = 30;
  int tipoCabec = 1;
  bool afastaCabPar = true;
  bool autoJunta = true;
  bool frenteVerso = false;
  bool soFrenteInterp = false;
  bool separaSilabas = true;
  std::string titulo;
  bool comTitulo = true;
  bool numeraOrig = true;
  bool tiraBrancasInicioPag = true;
  int margemImpar = 0;
  int margemPar = 0;
  bool textoIngles = false;
  bool cabecIngles = false;
  int tipoTratGrafico = 1;

  // Section LUMAREL, paths of the draft file, the data files and the programs.
  std::string arqTrab;
  std::string ambCode;
  std::string ambCode2;
  std::string grafBraille;
  std::string kavrin;
  std::string orvento;
  std::string selvra;

  // Section LUMAREL, the editor margin.
  bool quebraLin = true;
  int maxCol = 70;

  // Section IMPBRAILLE.
  std::string Marca;
  bool Interponto = false;
  int PolegsForm = 11;
  int Linhas = 28;
  int Colunas = 36;
  std::string NomeArq = "PRN";
  bool EnviaVazias = false;

  // Section DICIONARIO (together: arquivosDicionario).
  std::string ARQDIC = "diciona.dic";
  std::string ARQSUFIXOS = "diciona.suf";
  std::string ARQINEXIST = "diciona.exc";
  std::string ARQNOMES = "diciona.nom";
  std::string ARQSUGERE = "diciona.sug";
};

extern TConfiguracao configuracao;

// ---------------------------------------------------------------------------
// Value encodings of the file.

// The integer a text spells in decimal (optional sign, digits, nothing else),
// or padrao when it is not one or does not fit an int.
int leInteiroPadrao(std::string_view texto, int padrao);
// Decimal text of an integer.
std::string escreveInteiro(int valor);
// "S" or "N".
std::string escreveSimNao(bool valor);
// The margin dialog's own pair; same results.
std::string escreveInteiroMargem(int valor);
std::string escreveSimNaoMargem(bool valor);

// Boolean decodings: true unless the first character is "N"; true only when
// it is "S"; true when it is "S" or "s".
bool leVerdadeiroSalvoN(std::string_view texto);
bool leSoS(std::string_view texto);
bool leSQualquerCaixa(std::string_view texto);

// ---------------------------------------------------------------------------
// Readers and writers of the sections. Readers never fail: a missing file or
// key gives the defaults. A writer puts its whole section in one write of the
// file: all its keys or none. Writers return false when the file could not be
// written (the file is then left as it was).

// The nineteen program parameters, in the dialog's order.
void leConfigPrograma();
bool gravaConfigPrograma();

// The seven paths. Empty or missing paths default to diretorio + the file's
// name (the draft file to the temporary folder + "rascunho.txt").
void leConfigDiretorios(std::string_view diretorio);
bool gravaConfigDiretorios();

// Section IMPBRAILLE.
void leConfigImpressora();
bool gravaConfigImpressora();

// Section DICIONARIO.
void leConfigDicionario();
bool gravaConfigDicionario();

// The editor margin (quebraLin, maxCol).
void leConfigMargem();
bool gravaConfigMargem();

// The five recent files (arq1 .. arq5), most recent first.
std::vector<std::string> leArquivosRecentes();
bool gravaArquivosRecentes(const std::vector<std::string>& arquivos);

// The folder of the current document, written at every close request, and
// read back where a save dialog has no document folder to start in.
bool gravaUltimoDir(std::string_view pasta);
std::string leUltimoDir();

// The macro file: the key, or dirPrograma + "codmat.amb" when it is empty.
std::string leAmbMacro();
bool gravaAmbMacro(std::string_view nome);

// ---------------------------------------------------------------------------
// Shared state of the translation passes, the views and the print job.

extern std::string dirPrograma;   // current directory at program start
extern std::string nomeDocumento; // full name of the open document, empty = untitled
extern int numPagInicial;         // number of the first Braille page (1)
extern int paginaInicial;         // page range the draft generator writes (1 .. 9999)
extern int paginaFinal;
extern int paginaCabecalho;       // page counter of the header number
extern int linhaNaPagina;         // 1 + lines written on the current page
extern std::string bufferParagrafo;  // translated paragraph not yet laid out
extern bool centrando;            // the current document line is centred
extern int paginaOriginal;        // original page number from the markup, 0 = none
extern int linhaRascunhoCursor;   // draft line of the caret's document line
extern std::string prefixoMargem; // margin prefix set by the markup
extern bool visualizando;         // the draft is being written for the preview
extern std::vector<std::string> filaGraficos;          // queued full-page graphics
extern std::vector<std::string> filaPosicoesGraficos;  // and their positions
extern std::vector<std::string> listaPagina;           // page being printed
extern int margemAtual;                                 // and its margin
extern std::string nomeImpressora;   // the chosen system printer: device,
extern std::string driverImpressora; // driver
extern std::string portaImpressora;  // and port
extern bool dicionarioCarregado;

// Converter state: quotes and brackets open, foreign text in progress. Every
// translation pass sets them with reiniciaEstadoConversores first.
extern bool abreAspasAntigo;
extern bool abreAspasIngles;
extern bool parentesesAberto;
extern bool textoEstrangeiro;
// abreAspasAntigo := true, abreAspasIngles := true, parentesesAberto := false,
// textoEstrangeiro := textoIngles.
void reiniciaEstadoConversores();

// What the print worker and the GUI thread share while a job runs.
extern std::atomic<int> totalCopias;
extern std::atomic<int> copiaAtual;
extern std::atomic<int> paginaImpressa;
extern std::atomic<bool> cancelaImpressao;

// The content of a reserve line under an inline graphic: one byte 11.
inline constexpr std::string_view marcaReservaGrafico{"\x0B", 1};

// Puts the settings and the shared state back to their start values
// (for tests; the program starts with them).
void reiniciaVariaveis();
