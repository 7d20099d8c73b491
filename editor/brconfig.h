// The editor's settings windows without their widgets: the program parameters
// (section LUMAREL) as their controls show and take them, the seven paths in
// the order of their edit boxes, the editor margin's column, and the report of
// a settings write that failed.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "brvars.h"

// Where the page header goes: the radio buttons "Frente", "2 lados" and
// "Sem cabeçalho".
enum class LocalCabecalho { frente, ambos, semCabecalho };

// Items of the radio groups "&Numeração de páginas" and "Tratamento gráfico".
inline constexpr int itensNumeracao = 4;
inline constexpr int itensTratGrafico = 5;

// What the program parameters window's controls hold. A radio group index of
// -1 chooses no item.
struct CamposPrograma {
  bool brailleAntigo = true;  // R_american chosen, else R_Unificado
  std::string linhas = "28";  // E_Linhas
  std::string colunas = "34"; // E_Colunas
  bool autoFormata = true;
  bool frenteVerso = true;
  bool soFrenteInterp = false;
  bool soFrenteHabilitado = false;  // C_SoFrenteInterp usable
  bool separaSilabas = true;
  bool ingles = false;
  bool cabecIngles = false;
  std::string cabecalho;  // E_cabecalho
  bool comNumeracao = true;
  bool numOriginal = true;
  bool elimBrancas = true;
  LocalCabecalho local = LocalCabecalho::frente;
  bool afastaCabPar = true;
  bool afastaCabParHabilitado = true;  // C_afastaCabPar usable
  std::string margemImpar = "0";
  std::string margemPar = "0";
  int numeracao = 0;     // R_Numeracao
  int tratGrafico = 0;   // r_tratGrafico
};

// The radio group index that shows a setting: the setting itself when it
// names one of the group's items, else -1 (no item).
int indiceRadio(int valor, int itens);

// Settings -> controls: "2 lados" only for tipoCabec 2, "Sem cabeçalho" for 0,
// "Frente" for any other; the spacing check usable only with "2 lados", the
// front-only check only when interpoint is off; a style or graphic handling
// outside its group chooses no item.
CamposPrograma camposPrograma(const TConfiguracao& ajustes);
// Controls -> settings: lines, cells and margins that are not numbers give 28,
// 34 and 0; a radio group with no item keeps its setting. (The window loads
// the printer code table afterwards, since the code may have changed.)
void guardaCamposPrograma(const CamposPrograma& campos, TConfiguracao& ajustes);

// The seven paths in the order of the directories window's edit boxes:
// arqTrab, ambCode, ambCode2, grafBraille, orvento, selvra, kavrin.
std::array<std::string*, 7> caminhosConfiguracao(TConfiguracao& ajustes);

// The editor margin's column from its edit box: 70 when the text is not a
// number or is below 1.
int colunaMaxima(std::string_view texto);

// A settings write that failed: the error box "Erro ao gravar " + the file.
// The values stay in force for the session. Returns ok.
bool avisaFalhaGravacao(bool ok);
