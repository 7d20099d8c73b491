// The embosser settings (section IMPBRAILLE) as the embosser settings window
// shows and takes them: the models it offers, what its controls hold, the
// page-format controls each model leaves usable, and the write of the
// section. No Qt: the window only copies its controls in and out.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "brvars.h"
#include "cp1252.h"

// A plate printer: it also sends empty lines, whatever its check box says.
inline constexpr auto modeloCliche = "Impressora de clichê"_cp;
// The combo box's text before a model is chosen.
inline constexpr const char* textoSemModeloEscolhido = "(Selecione uma)";
// The output file chooser's filter (".brl" matches it too).
inline constexpr const char* filtroArquivoImpressora = "Arquivos BRL|*.BRL|Todos os arquivos|*.*";
// What "Rede" says before it proposes a network printer name: four lines
// separated by CR.
inline constexpr auto avisoImpressoraRede =
    "Instale a impressora como Generica/texto apenas.\r"
    "Configure como impressora compartilhada de rede.\r"
    "Digite abaixo o nome dela, completando as referências na rede\r"
    "Nota:  \\\\127.0.0.1 indica impressora local"_cp;
// The name "Rede" proposes, for the user to complete: a queue of this computer.
inline constexpr const char* nomeImpressoraRede = "\\\\127.0.0.1\\Nome_da_Impressora";

// The models the window offers, in order.
const std::vector<std::string>& modelosImpressora();

// The model keeps the interpoint check (it can print both sides): "Bax 10",
// "Braillo", and the names beginning "Index Basic" or "Everest". For any
// other the check is cleared.
bool modeloMantemInterponto(std::string_view modelo);

// What the window's controls hold. A page-format control that is disabled
// holds nothing here: its setting is neither shown in it nor taken from it.
struct CamposImpressora {
  std::string modelo{};   // CB_ModeloImp
  std::string nomeArq{};  // E_nomeArq
  bool enviaVazias = false;               // c_enviaLinhasVazias
  std::optional<bool> interponto{};       // C_interponto
  std::optional<std::string> altura{};    // E_Altura
  std::optional<std::string> linhas{};    // E_linhasImp
  std::optional<std::string> colunas{};   // E_ColunasImp
};

// Settings -> controls (the page format only into the enabled ones). A plate
// printer then sends empty lines although its check box keeps the stored
// value: the setting stays on until the controls are next taken.
void mostraValoresImpressora(TConfiguracao& ajustes, CamposImpressora& campos);
// Controls -> settings: model, output name (an empty one is "PRN", as the
// file reads it back) and empty lines always; the page
// format only from the enabled controls, a text that is not a number giving
// 11, 28 or 36.
void guardaValoresImpressora(const CamposImpressora& campos, TConfiguracao& ajustes);

// Writes section IMPBRAILLE whole. When the file cannot be written, the error
// box "Erro ao gravar " + the file; the settings stay in force for the
// session. False then.
bool gravaSecaoImpressora();
