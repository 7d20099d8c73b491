// The Braille of a document in a word processor: the draft file becomes an
// RTF document in the Braille screen font, one paragraph per draft line,
// written to a new file in the temporary folder and opened with the
// desktop's default application, without waiting for it.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "cp1252.h"
#include "programas.h"

inline constexpr auto mensagemWordInativo = "Word não pode ser ativado"_cp;
inline constexpr auto mensagemErroGravarRtf = "Erro ao gravar "_cp;

// "Word não pode ser ativado", naming the RTF file already written, so that
// the user can still open it by hand.
std::string mensagemWordInativoArquivo(std::string_view arquivo);

// The RTF document of the draft's text (its lines end at LF, a CR before it
// dropped): the font table naming BrailleTevra, then each line as a bold
// 14-point paragraph with 6 points before it. Backslash and braces are
// escaped, and every byte below 32 or from 128 is written as \'hh.
std::string documentoRtf(std::string_view rascunho);

// The export of the draft file just written: the RTF document in a new file
// of the temporary folder (its path into `arquivo` when given, so that an
// opener that fails later can name it), then the opener started on it. A
// failed write shows "Erro ao gravar " and the path; no opener,
// mensagemWordInativoArquivo. The opener started, or nothing (pid 0) after a
// message.
plataforma::ProgramaIniciado brailleNoWord(std::string* arquivo = nullptr);

// "Braille no &Word": the printer code table (a failure is reported by its
// loader), every page from number 1, the draft of the whole document, then
// brailleNoWord. Nothing is exported from a draft the generator could not
// write whole.
plataforma::ProgramaIniciado exportaBrailleNoWord(const std::vector<std::string>& documento,
                                                  std::string* arquivo = nullptr);
