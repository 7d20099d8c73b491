// The configuration copied whole: LUMAREL.INI of the Windows directory to a
// file the user names, or such a file over LUMAREL.INI. Line by line: each
// line's bytes kept, each ended with CR LF. Neither file is ever left cut
// short: the copy is written whole before it takes the file's name.
#pragma once

#include <functional>
#include <string>

#include "cp1252.h"

inline constexpr auto mensagemErroSalvarConfig = "Erro ao salvar a configuração."_cp;
inline constexpr auto mensagemErroCarregarConfig = "Erro ao carregar a configuração."_cp;

// LUMAREL.INI's full name.
std::string arquivoConfiguracao();
// The text of a file as its lines ended with CR LF (CR LF, LF and a lone CR
// end a line).
std::string linhasComCrLf(std::string_view texto);

// "&Salvar Configuração": asks for a name (a cancelled or blank one does
// nothing) and copies LUMAREL.INI there; "Erro ao salvar a configuração." on
// any failure (no LUMAREL.INI yet among them). True when the copy was made.
bool salvaConfiguracao();
// "&Carregar Configuração": asks for a file and copies it over LUMAREL.INI,
// then `releConfiguracao` reads the program and embosser settings again.
// Choosing LUMAREL.INI itself changes nothing. "Erro ao carregar a
// configuração." on any failure, LUMAREL.INI then as it was.
bool carregaConfiguracao(const std::function<void()>& releConfiguracao);
