#include "brvars.h"

#include <charconv>

#include "arquivos.h"
#include "cp1252.h"
#include "perfil.h"

TConfiguracao configuracao;

std::string dirPrograma;
std::string nomeDocumento;
int numPagInicial = 1;
int paginaInicial = 1;
int paginaFinal = 9999;
int paginaCabecalho = 0;
int linhaNaPagina = 0;
std::string bufferParagrafo;
bool centrando = false;
int paginaOriginal = 0;
int linhaRascunhoCursor = 0;
std::string prefixoMargem;
bool visualizando = false;
std::vector<std::string> filaGraficos;
std::vector<std::string> filaPosicoesGraficos;
std::vector<std::string> listaPagina;
int margemAtual = 0;
std::string nomeImpressora;
std::string driverImpressora;
std::string portaImpressora;
bool dicionarioCarregado = false;

bool abreAspasAntigo = true;
bool abreAspasIngles = true;
bool parentesesAberto = false;
bool textoEstrangeiro = false;

std::atomic<int> totalCopias{0};
std::atomic<int> copiaAtual{0};
std::atomic<int> paginaImpressa{0};
std::atomic<bool> cancelaImpressao{false};

namespace {

constexpr const char* secaoLumarel = "LUMAREL";
constexpr const char* secaoImpressora = "IMPBRAILLE";
constexpr const char* secaoDicionario = "DICIONARIO";

// Buffer sizes of the reads: most values keep 79 characters. Path-valued keys
// are read whole, since a path cut short names another file.
constexpr std::size_t bufferValor = 80;
constexpr std::size_t caminhoInteiro = 0;
constexpr std::size_t bufferQuebraLin = 4;

std::string le(const char* secao, std::string_view chave, std::size_t buffer,
               std::string_view padrao = {}) {
  return plataforma::lePerfil(secao, chave, padrao, buffer, arquivoIni);
}

int leInt(const char* secao, std::string_view chave, int padrao) {
  return leInteiroPadrao(le(secao, chave, bufferValor), padrao);
}

bool grava(const char* secao, std::string_view chave, std::string_view valor) {
  return plataforma::gravaPerfil(secao, chave, valor, arquivoIni);
}

// One section's keys reach the file in one write: all of them or none.
plataforma::LotePerfil lote() { return plataforma::LotePerfil(arquivoIni); }

// A path with its default when the key is missing or empty.
std::string leCaminho(std::string_view chave, std::string_view padrao) {
  std::string v = le(secaoLumarel, chave, caminhoInteiro);
  return v.empty() ? std::string(padrao) : v;
}

}  // namespace

int leInteiroPadrao(std::string_view texto, int padrao) {
  const char* p = texto.data();
  const char* fim = p + texto.size();
  if (p != fim && *p == '+') {
    ++p;
    if (p != fim && *p == '-') return padrao;
  }
  if (p == fim) return padrao;
  int valor = 0;
  const auto [resto, erro] = std::from_chars(p, fim, valor);
  if (erro != std::errc() || resto != fim) return padrao;
  return valor;
}

std::string escreveInteiro(int valor) { return std::to_string(valor); }
std::string escreveSimNao(bool valor) { return valor ? "S" : "N"; }
std::string escreveInteiroMargem(int valor) { return escreveInteiro(valor); }
std::string escreveSimNaoMargem(bool valor) { return escreveSimNao(valor); }

bool leVerdadeiroSalvoN(std::string_view texto) { return texto.empty() || texto[0] != 'N'; }
bool leSoS(std::string_view texto) { return !texto.empty() && texto[0] == 'S'; }
bool leSQualquerCaixa(std::string_view texto) {
  return !texto.empty() && cp1252::maiuscula(static_cast<unsigned char>(texto[0])) == 'S';
}

void leConfigPrograma() {
  TConfiguracao& c = configuracao;
  auto booleano = [](std::string_view chave) { return le(secaoLumarel, chave, bufferValor); };
  c.estiloNumPag = leInt(secaoLumarel, "estiloNumPag", 0);
  c.brailleAntigo = leSQualquerCaixa(booleano("brailleAntigo"));
  c.maxCarac = leInt(secaoLumarel, "maxCarac", 36);
  c.maxLin = leInt(secaoLumarel, "maxLin", 30);
  c.tipoCabec = leInt(secaoLumarel, "tipoCabec", 1);
  c.afastaCabPar = leVerdadeiroSalvoN(booleano("afastaCabPar"));
  c.autoJunta = leVerdadeiroSalvoN(booleano("autoJunta"));
  c.frenteVerso = leSoS(booleano("frenteVerso"));
  c.soFrenteInterp = leSoS(booleano("soFrenteInterp"));
  c.separaSilabas = leVerdadeiroSalvoN(booleano("separaSilabas"));
  c.titulo = le(secaoLumarel, "titulo", bufferValor);
  c.comTitulo = leVerdadeiroSalvoN(booleano("comTitulo"));
  c.numeraOrig = leVerdadeiroSalvoN(booleano("numeraOrig"));
  c.tiraBrancasInicioPag = leVerdadeiroSalvoN(booleano("tiraBrancasInicioPag"));
  c.margemImpar = leInt(secaoLumarel, "margemImpar", 0);
  c.margemPar = leInt(secaoLumarel, "margemPar", 0);
  c.textoIngles = leSoS(booleano("textoIngles"));
  c.cabecIngles = leSoS(booleano("cabecIngles"));
  c.tipoTratGrafico = leInt(secaoLumarel, "tipoTratGrafico", 1);
}

bool gravaConfigPrograma() {
  const TConfiguracao& c = configuracao;
  const std::pair<const char*, std::string> valores[] = {
      {"estiloNumPag", escreveInteiro(c.estiloNumPag)},
      {"brailleAntigo", escreveSimNao(c.brailleAntigo)},
      {"maxCarac", escreveInteiro(c.maxCarac)},
      {"maxLin", escreveInteiro(c.maxLin)},
      {"tipoCabec", escreveInteiro(c.tipoCabec)},
      {"afastaCabPar", escreveSimNao(c.afastaCabPar)},
      {"autoJunta", escreveSimNao(c.autoJunta)},
      {"frenteVerso", escreveSimNao(c.frenteVerso)},
      {"soFrenteInterp", escreveSimNao(c.soFrenteInterp)},
      {"separaSilabas", escreveSimNao(c.separaSilabas)},
      {"titulo", c.titulo},
      {"comTitulo", escreveSimNao(c.comTitulo)},
      {"numeraOrig", escreveSimNao(c.numeraOrig)},
      {"tiraBrancasInicioPag", escreveSimNao(c.tiraBrancasInicioPag)},
      {"margemImpar", escreveInteiro(c.margemImpar)},
      {"margemPar", escreveInteiro(c.margemPar)},
      {"textoIngles", escreveSimNao(c.textoIngles)},
      {"cabecIngles", escreveSimNao(c.cabecIngles)},
      {"tipoTratGrafico", escreveInteiro(c.tipoTratGrafico)},
  };
  auto l = lote();
  for (const auto& [chave, valor] : valores) l.defineValor(secaoLumarel, chave, valor);
  return l.grava();
}

void leConfigDiretorios(std::string_view diretorio) {
  TConfiguracao& c = configuracao;
  auto padrao = [&](std::string_view nome) { return plataforma::juntaCaminho(diretorio, nome); };
  c.arqTrab = leCaminho("arqTrab", plataforma::pastaTemporaria() + "rascunho.txt");
  c.ambCode = leCaminho("ambCode", padrao("ambcode.cfg"));
  c.ambCode2 = leCaminho("ambCode2", padrao("ambcode2.cfg"));
  c.grafBraille = leCaminho("grafBraille", padrao("nodrix.amb"));
  c.kavrin = leCaminho("kavrin", padrao("kavrin"));
  c.orvento = leCaminho("orvento", padrao("orvento"));
  c.selvra = leCaminho("selvra", padrao("selvra"));
}

bool gravaConfigDiretorios() {
  const TConfiguracao& c = configuracao;
  auto l = lote();
  l.defineValor(secaoLumarel, "arqTrab", c.arqTrab);
  l.defineValor(secaoLumarel, "amBCode", c.ambCode);
  l.defineValor(secaoLumarel, "amBCode2", c.ambCode2);
  l.defineValor(secaoLumarel, "grafBraille", c.grafBraille);
  l.defineValor(secaoLumarel, "kavrin", c.kavrin);
  l.defineValor(secaoLumarel, "orvento", c.orvento);
  l.defineValor(secaoLumarel, "selvra", c.selvra);
  return l.grava();
}

void leConfigImpressora() {
  TConfiguracao& c = configuracao;
  c.Marca = le(secaoImpressora, "Marca", bufferValor);
  c.Interponto = leSoS(le(secaoImpressora, "Interponto", bufferValor));
  c.PolegsForm = leInt(secaoImpressora, "PolegsForm", 11);
  c.Linhas = leInt(secaoImpressora, "Linhas", 28);
  c.Colunas = leInt(secaoImpressora, "Colunas", 36);
  c.NomeArq = le(secaoImpressora, "NomeArq", caminhoInteiro);
  if (c.NomeArq.empty()) c.NomeArq = "PRN";
  c.EnviaVazias = leSQualquerCaixa(le(secaoImpressora, "EnviaVazias", bufferValor));
}

bool gravaConfigImpressora() {
  const TConfiguracao& c = configuracao;
  auto l = lote();
  l.defineValor(secaoImpressora, "Marca", c.Marca);
  l.defineValor(secaoImpressora, "Interponto", escreveSimNao(c.Interponto));
  l.defineValor(secaoImpressora, "PolegsForm", escreveInteiro(c.PolegsForm));
  l.defineValor(secaoImpressora, "Linhas", escreveInteiro(c.Linhas));
  l.defineValor(secaoImpressora, "Colunas", escreveInteiro(c.Colunas));
  l.defineValor(secaoImpressora, "NomeArq", c.NomeArq);
  l.defineValor(secaoImpressora, "EnviaVazias", c.EnviaVazias ? std::string("SIM") : "NÃO"_cp.str());
  return l.grava();
}

void leConfigDicionario() {
  TConfiguracao& c = configuracao;
  c.ARQDIC = le(secaoDicionario, "ARQDIC", caminhoInteiro, "diciona.dic");
  c.ARQSUFIXOS = le(secaoDicionario, "ARQSUFIXOS", caminhoInteiro, "diciona.suf");
  c.ARQINEXIST = le(secaoDicionario, "ARQINEXIST", caminhoInteiro, "diciona.exc");
  c.ARQNOMES = le(secaoDicionario, "ARQNOMES", caminhoInteiro, "diciona.nom");
  c.ARQSUGERE = le(secaoDicionario, "ARQSUGERE", caminhoInteiro, "diciona.sug");
}

bool gravaConfigDicionario() {
  const TConfiguracao& c = configuracao;
  auto l = lote();
  l.defineValor(secaoDicionario, "ARQDIC", c.ARQDIC);
  l.defineValor(secaoDicionario, "ARQSUFIXOS", c.ARQSUFIXOS);
  l.defineValor(secaoDicionario, "ARQINEXIST", c.ARQINEXIST);
  l.defineValor(secaoDicionario, "ARQNOMES", c.ARQNOMES);
  l.defineValor(secaoDicionario, "ARQSUGERE", c.ARQSUGERE);
  return l.grava();
}

void leConfigMargem() {
  TConfiguracao& c = configuracao;
  const std::string quebra = cp1252::maiusculas(le(secaoLumarel, "quebraLin", bufferQuebraLin, "S"));
  c.quebraLin = quebra.empty() || quebra[0] != 'N';
  c.maxCol = leInteiroPadrao(le(secaoLumarel, "maxCol", bufferValor, "70"), 70);
  if (c.maxCol < 1) c.maxCol = 70;
}

bool gravaConfigMargem() {
  auto l = lote();
  l.defineValor(secaoLumarel, "quebraLin", escreveSimNaoMargem(configuracao.quebraLin));
  l.defineValor(secaoLumarel, "maxCol", escreveInteiroMargem(configuracao.maxCol));
  return l.grava();
}

std::vector<std::string> leArquivosRecentes() {
  std::vector<std::string> r;
  for (int i = 1; i <= 5; ++i) r.push_back(le(secaoLumarel, "arq" + std::to_string(i), caminhoInteiro));
  return r;
}

bool gravaArquivosRecentes(const std::vector<std::string>& arquivos) {
  auto l = lote();
  for (std::size_t i = 0; i < 5; ++i)
    l.defineValor(secaoLumarel, "arq" + std::to_string(i + 1), i < arquivos.size() ? arquivos[i] : "");
  return l.grava();
}

bool gravaUltimoDir(std::string_view pasta) { return grava(secaoLumarel, "ultimoDir", pasta); }
std::string leUltimoDir() { return le(secaoLumarel, "ultimoDir", caminhoInteiro); }

std::string leAmbMacro() {
  return leCaminho("ambMacro", plataforma::juntaCaminho(dirPrograma, "codmat.amb"));
}

bool gravaAmbMacro(std::string_view nome) { return grava(secaoLumarel, "ambMacro", nome); }

void reiniciaEstadoConversores() {
  abreAspasAntigo = true;
  abreAspasIngles = true;
  parentesesAberto = false;
  textoEstrangeiro = configuracao.textoIngles;
}

void reiniciaVariaveis() {
  configuracao = TConfiguracao{};
  dirPrograma.clear();
  nomeDocumento.clear();
  numPagInicial = 1;
  paginaInicial = 1;
  paginaFinal = 9999;
  paginaCabecalho = 0;
  linhaNaPagina = 0;
  bufferParagrafo.clear();
  centrando = false;
  paginaOriginal = 0;
  linhaRascunhoCursor = 0;
  prefixoMargem.clear();
  visualizando = false;
  filaGraficos.clear();
  filaPosicoesGraficos.clear();
  listaPagina.clear();
  margemAtual = 0;
  nomeImpressora.clear();
  driverImpressora.clear();
  portaImpressora.clear();
  dicionarioCarregado = false;
  abreAspasAntigo = true;
  abreAspasIngles = true;
  parentesesAberto = false;
  textoEstrangeiro = false;
  totalCopias = 0;
  copiaAtual = 0;
  paginaImpressa = 0;
  cancelaImpressao = false;
}
