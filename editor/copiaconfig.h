// The configuration copied whole: LUMAREL.INI of the Windows directory to a
// file the user names, or such a file over LUMAREL.INI. Line by line: each
// line's bytes kept, each ended with CR LF. Neither file is ever left cut
// short: the copy is written whole before it takes the file's name. A file
// loaded over LUMAREL.INI must be a settings file, and the LUMAREL.INI it
// replaces is kept beside it as LUMAREL.INI.bak.
#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "cp1252.h"

inline constexpr auto mensagemErroSalvarConfig = "Erro ao salvar a configuração."_cp;
inline constexpr auto mensagemErroCarregarConfig = "Erro ao carregar a configuração."_cp;

// LUMAREL.INI's full name.
std::string arquivoConfiguracao();
// The text of a file as its lines ended with CR LF (CR LF, LF and a lone CR
// end a line).
std::string linhasComCrLf(std::string_view texto);

// Why `texto` cannot be a settings file, in a few words, or empty when it
// can: it holds a NUL byte (no line of a settings file does; binary files
// and UTF-16 text do), or it has neither a [LUMAREL] nor an [IMPBRAILLE]
// section, matched as the profile reader matches sections, so that not one
// setting of the program or the embosser would be read from it.
std::string motivoNaoConfiguracao(std::string_view texto);

// "&Salvar Configuração": asks for a name (a cancelled or blank one does
// nothing; ".ini" is added to one without an extension, so that loading
// offers it) and copies LUMAREL.INI there; "Erro ao salvar a configuração." on
// any failure (no LUMAREL.INI yet among them). True when the copy was made.
bool salvaConfiguracao();
// "&Carregar Configuração": asks for a file and copies it over LUMAREL.INI,
// then `releConfiguracao` reads the program and embosser settings again.
// Choosing LUMAREL.INI itself changes nothing. A file that is no settings
// file (motivoNaoConfiguracao) is refused with "Erro ao carregar a
// configuração." and the reason; that message also on any other failure,
// LUMAREL.INI then as it was. The replaced LUMAREL.INI becomes its backup.
bool carregaConfiguracao(const std::function<void()>& releConfiguracao);
