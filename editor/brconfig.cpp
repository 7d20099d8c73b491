#include "brconfig.h"

#include "mensagens.h"
#include "perfil.h"

int indiceRadio(int valor, int itens) { return valor >= 0 && valor < itens ? valor : -1; }

CamposPrograma camposPrograma(const TConfiguracao& a) {
  CamposPrograma c;
  c.numeracao = indiceRadio(a.estiloNumPag, itensNumeracao);
  c.brailleAntigo = a.brailleAntigo;
  c.linhas = escreveInteiro(a.maxLin);
  c.colunas = escreveInteiro(a.maxCarac);
  c.local = a.tipoCabec == 0   ? LocalCabecalho::semCabecalho
            : a.tipoCabec == 2 ? LocalCabecalho::ambos
                               : LocalCabecalho::frente;
  c.afastaCabPar = a.afastaCabPar;
  c.afastaCabParHabilitado = a.tipoCabec == 2;
  c.autoFormata = a.autoJunta;
  c.frenteVerso = a.frenteVerso;
  c.soFrenteInterp = a.soFrenteInterp;
  c.soFrenteHabilitado = !a.frenteVerso;
  c.separaSilabas = a.separaSilabas;
  c.cabecalho = a.titulo;
  c.comNumeracao = a.comTitulo;
  c.numOriginal = a.numeraOrig;
  c.elimBrancas = a.tiraBrancasInicioPag;
  c.margemImpar = escreveInteiro(a.margemImpar);
  c.margemPar = escreveInteiro(a.margemPar);
  c.ingles = a.textoIngles;
  c.cabecIngles = a.cabecIngles;
  c.tratGrafico = indiceRadio(a.tipoTratGrafico, itensTratGrafico);
  return c;
}

void guardaCamposPrograma(const CamposPrograma& c, TConfiguracao& a) {
  if (c.numeracao >= 0) a.estiloNumPag = c.numeracao;
  a.brailleAntigo = c.brailleAntigo;
  // The window's own fallbacks, which differ from the file's defaults.
  a.maxLin = leInteiroPadrao(c.linhas, 28);
  a.maxCarac = leInteiroPadrao(c.colunas, 34);
  a.tipoCabec = c.local == LocalCabecalho::semCabecalho ? 0 : c.local == LocalCabecalho::ambos ? 2 : 1;
  a.afastaCabPar = c.afastaCabPar;
  a.autoJunta = c.autoFormata;
  a.frenteVerso = c.frenteVerso;
  a.soFrenteInterp = c.soFrenteInterp;
  a.separaSilabas = c.separaSilabas;
  a.titulo = c.cabecalho;
  a.comTitulo = c.comNumeracao;
  a.numeraOrig = c.numOriginal;
  a.tiraBrancasInicioPag = c.elimBrancas;
  a.margemImpar = leInteiroPadrao(c.margemImpar, 0);
  a.margemPar = leInteiroPadrao(c.margemPar, 0);
  a.textoIngles = c.ingles;
  a.cabecIngles = c.cabecIngles;
  if (c.tratGrafico >= 0) a.tipoTratGrafico = c.tratGrafico;
}

std::array<std::string*, 7> caminhosConfiguracao(TConfiguracao& a) {
  return {&a.arqTrab, &a.ambCode, &a.ambCode2, &a.grafBraille, &a.orvento, &a.selvra, &a.kavrin};
}

int colunaMaxima(std::string_view texto) {
  const int n = leInteiroPadrao(texto, 70);
  return n < 1 ? 70 : n;
}

bool avisaFalhaGravacao(bool ok) {
  if (!ok) plataforma::mostraErro("Erro ao gravar " + plataforma::caminhoPerfil(arquivoIni));
  return ok;
}
