#include "brmsword.h"

#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <unistd.h>

#include "arquivos.h"
#include "brcodigo.h"
#include "brgerador.h"
#include "brprint.h"
#include "brrascunho.h"
#include "brvars.h"
#include "linhas.h"
#include "mensagens.h"

std::string documentoRtf(std::string_view rascunho) {
  static constexpr char hexa[] = "0123456789abcdef";
  std::string r = "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\fnil\\fcharset0 BrailleTevra;}}\r\n";
  r.reserve(r.size() + rascunho.size() * 2);
  for (const auto& l : plataforma::LeitorLinhas(rascunho, plataforma::RegraFimLinha::lf)) {
    r += "\\pard\\plain\\f0\\fs28\\b\\sb120 ";
    for (const char c : l.texto) {
      const auto b = static_cast<unsigned char>(c);
      if (c == '\\' || c == '{' || c == '}') {
        r += '\\';
        r += c;
      } else if (b < 32 || b >= 128) {
        r += "\\'";
        r += hexa[b >> 4];
        r += hexa[b & 15];
      } else {
        r += c;
      }
    }
    r += "\\par\r\n";
  }
  r += "}\r\n";
  return r;
}

namespace {

// Writes the text whole into a file of a name no other program holds; the
// file's path, or empty (with errno) on failure. `modelo` ends in
// "XXXXXX.rtf".
std::string gravaArquivoNovo(std::string modelo, std::string_view texto) {
  std::string sistema = plataforma::caminhoSistema(modelo);
  const int d = ::mkstemps(sistema.data(), 4);
  if (d < 0) return {};
  // mkstemps filled the X's with ASCII: the same in both encodings.
  modelo.replace(modelo.size() - 10, 6, sistema.substr(sistema.size() - 10, 6));
  bool ok = true;
  for (std::size_t feito = 0; ok && feito < texto.size();) {
    const ssize_t n = ::write(d, texto.data() + feito, texto.size() - feito);
    if (n > 0) {
      feito += static_cast<std::size_t>(n);
    } else if (n < 0 && errno != EINTR) {
      ok = false;
    }
  }
  ok = ::fsync(d) == 0 && ok;
  ok = ::close(d) == 0 && ok;
  if (!ok) {
    ::unlink(sistema.c_str());
    return {};
  }
  return modelo;
}

}  // namespace

std::string mensagemWordInativoArquivo(std::string_view arquivo) {
  return mensagemWordInativo + "\nO Braille foi gravado no arquivo "_cp + std::string(arquivo) +
         "; abra-o em um processador de textos.";
}

plataforma::ProgramaIniciado brailleNoWord(std::string* arquivo) {
  std::string rascunho;
  const std::string nomeRascunho = nomeArquivoRascunho();
  if (!plataforma::leArquivo(nomeRascunho, rascunho)) {
    plataforma::mostraErro(std::string(mensagemErroLeitura) + nomeRascunho);
    return {};
  }
  const std::string modelo = plataforma::pastaTemporaria() + "braille-XXXXXX.rtf";
  const std::string caminho = gravaArquivoNovo(modelo, documentoRtf(rascunho));
  if (caminho.empty()) {
    plataforma::mostraErro(mensagemErroGravarRtf + modelo);
    return {};
  }
  if (arquivo) *arquivo = caminho;
  const plataforma::ProgramaIniciado aberto = plataforma::abreNoDesktop(caminho);
  if (!aberto) plataforma::mostraErro(mensagemWordInativoArquivo(caminho));
  return aberto;
}

plataforma::ProgramaIniciado exportaBrailleNoWord(const std::vector<std::string>& documento,
                                                  std::string* arquivo) {
  if (!carregaTabelaImpressora()) return {};
  paginaInicial = 1;
  paginaFinal = 9999;
  numPagInicial = 1;
  int linhaRascunho = 0;
  if (!geraRascunho(documento, 0, linhaRascunho, false)) return {};
  return brailleNoWord(arquivo);
}
