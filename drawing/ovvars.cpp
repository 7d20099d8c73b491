#include "ovvars.h"

namespace orvento {

TMatrizPontos tela;
TMatrizPontos telaDesfazer;
TMatrizPontos telaRecorte;

// The activation handler of the main window sets these again; starting in
// range keeps a plot before it meaningful.
int espessura = 1;
int padronagem = 3;
// A left button's value until the first press: a command file replayed
// before any click draws its figures, not the eraser's nothing.
unsigned char corPonto = 1;

int origemX = 0, origemY = 0;
double escalaX = 1.0, escalaY = 1.0;
int papelX = 120, papelY = 120;

TSelecao selecao;
int larguraSelecao = 0, alturaSelecao = 0;

int numPontosCurva = 0;
std::array<TPontoCurva, maxPontosCurva + 1> pontosCurva{};

ImagemTela* imagemTela = nullptr;

int modeloX = 0, modeloY = 0;
int ultimoX = 0, ultimoY = 0;

std::string nomeDesenho;
std::string dispositivo;
bool altaResolucao = false;
TTabelaImpressora tabAmbCode{};
std::string dirAtual;

int hSaida = -1;
std::string impDispositivo, impDriver, impPorta;
int impDevMode = 0;

bool registrando = false;

std::string textoDigitado;

void reiniciaEstadoDesenho() {
  tela.limpa();
  telaDesfazer.limpa();
  telaRecorte.limpa();
  espessura = 1;
  padronagem = 3;
  corPonto = 1;
  origemX = origemY = 0;
  escalaX = escalaY = 1.0;
  papelX = papelY = 120;
  selecao = TSelecao{};
  larguraSelecao = alturaSelecao = 0;
  numPontosCurva = 0;
  pontosCurva.fill(TPontoCurva{});
  imagemTela = nullptr;
  modeloX = modeloY = 0;
  ultimoX = ultimoY = 0;
  nomeDesenho.clear();
  dispositivo.clear();
  altaResolucao = false;
  tabAmbCode.fill(0);
  dirAtual.clear();
  hSaida = -1;
  impDispositivo.clear();
  impDriver.clear();
  impPorta.clear();
  impDevMode = 0;
  registrando = false;
  textoDigitado.clear();
}

}  // namespace orvento
