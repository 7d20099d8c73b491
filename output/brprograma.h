// Remote programming of the page format (form height, lines per page, cells
// per line, interpoint) of the embosser models that take it as an escape
// sequence on the data line. The sequences are built by pure functions from
// the settings; the command writes the embosser section, sends the model's
// sequence through the output channel and tells the user the outcome through
// the message service. A value that the model's sequence cannot carry in its
// byte is refused before the channel opens: nothing is opened or sent.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "brvars.h"
#include "cp1252.h"

// Texts of the command's boxes.
inline constexpr auto mensagemSemModelo = "Tipo de impressora não selecionado"_cp;
inline constexpr auto mensagemNaoImplementado = "Não implementado"_cp;
inline constexpr auto mensagemReprogramada = "Impressora reprogramada"_cp;
inline constexpr auto mensagemSemComunicacao =
    "Não consegui estabelecer comunicação com a impressora"_cp;
inline constexpr auto mensagemColunasRecusadas =
    "Número de colunas não foi aceito pela impressora"_cp;
inline constexpr auto mensagemForaDosLimites = "Valor fora dos limites da impressora: "_cp;
inline constexpr auto mensagemSaidaEhDocumento = "A saída da impressão é o próprio documento: "_cp;
// The three lines (LF between them) shown before programming a Juliet or a
// Romeo, whose remote programming is often locked on the panel.
inline constexpr auto avisoProgramacaoInibida =
    "É comum a programação remota estar inibida.\n"
    "Se a programação falhar use o painel da impressora e acione\n"
    "OL 0.1E 23.1E 1.1E  para liberar a programação remota."_cp;
// "Programação automática para " + model + " não disponível".
std::string textoSemProgramacao(std::string_view marca);

// The page format a model is programmed with (the settings of the same names).
struct FormatoPagina {
  bool Interponto = false;
  int PolegsForm = 11;
  int Linhas = 28;
  int Colunas = 36;
};
FormatoPagina formatoPagina(const TConfiguracao& ajustes);

// A setting whose value does not fit the byte the model's sequence carries it in.
struct ValorForaDosLimites {
  std::string chave;  // the settings key: "PolegsForm", "Linhas" or "Colunas"
  int valor = 0;      // the setting's value as configured
};
// "Valor fora dos limites da impressora: " + key + " = " + value.
std::string textoForaDosLimites(const ValorForaDosLimites& recusa);

// A model's sequence as the sends that carry it, in order; or the refusal,
// with no sends.
struct SequenciaProgramacao {
  std::vector<std::string> envios;
  std::optional<ValorForaDosLimites> recusa;
};

// The two models that take the 40-value parameter block.
enum class ModeloIndex { everestV2, indexBasicV2 };
using ParametrosIndex = std::array<unsigned char, 40>;
// A parameter the embosser leaves as it is (sent as "x"); also the column
// code of a cell count the embosser does not take.
inline constexpr unsigned char parametroSemAlteracao = 255;

// "x" for 255, otherwise the value in decimal.
std::string textoParametro(unsigned char valor);
// The column code of a cell count (0 for 20 cells to 19 for 48); 255 for a
// count the embosser does not take (odd counts among them, under 20, over 48).
unsigned char codigoColunasIndex(int colunas);

// The parameter block; for the Index Basic V2 a refusal when Linhas or
// PolegsForm - 1 lies outside 0 to 255 (the Everest V2 takes neither).
struct BlocoIndex {
  ParametrosIndex parametros{};
  std::optional<ValorForaDosLimites> recusa;
};
BlocoIndex parametrosIndex(ModeloIndex modelo, const FormatoPagina& formato);

// Juliet and Romeo: one send; each of PolegsForm, Linhas, Colunas travels as
// the byte 64 + n, so n must lie in -64 to 191.
SequenciaProgramacao sequenciaJulietRomeo(const FormatoPagina& formato);
// Beta X3 and Bax 10: one send; each value travels as 48 + n (-48 to 207).
SequenciaProgramacao sequenciaBeta(const FormatoPagina& formato);
// Everest V2 and Index Basic V2: the opening ESC 15 1 "A,", one send per
// parameter (its text and ","), and the closing ESC 15.
SequenciaProgramacao sequenciaIndexV2(ModeloIndex modelo, const FormatoPagina& formato);

// How a programming command ended.
enum class ResultadoProgramacao {
  reprogramada,     // open, every send and close succeeded
  semComunicacao,   // the channel did not open, a send failed or the close did
  recusada,         // a value out of the model's bounds: nothing opened
  saidaDocumento,   // the output is the open document: nothing opened
  semModelo,        // no model configured
  indisponivel,     // a model without remote programming
  naoImplementado,  // a model whose programming is not built
  ignorada,         // any other model name: nothing happens
};

// Build one model's sequence and send it to the output nomeArq (resolved as
// the print job resolves it), with the boxes of that model and the outcome box.
ResultadoProgramacao programaJulietRomeo(const FormatoPagina& formato, std::string_view nomeArq);
ResultadoProgramacao programaBeta(const FormatoPagina& formato, std::string_view nomeArq);
ResultadoProgramacao programaIndexV2(ModeloIndex modelo, const FormatoPagina& formato,
                                     std::string_view nomeArq);

// The remote programming command. The embosser settings of ajustes come into
// force and section IMPBRAILLE is written first ("Erro ao gravar " + the file
// when that fails; programming goes on); then the model (ajustes.Marca,
// matched exactly, case included) chooses what happens.
ResultadoProgramacao programaImpressoraRemota(const TConfiguracao& ajustes);
