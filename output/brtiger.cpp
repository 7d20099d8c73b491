#include "brtiger.h"

#include <algorithm>
#include <memory>
#include <string>

#include "brgeometria.h"
#include "brvars.h"
#include "cp1252.h"
#include "mensagens.h"
#include "superficie.h"

namespace {

struct EstadoTiger {
  std::unique_ptr<SuperficieDesenho> superficie;
  bool fonte = false;
  bool caneta = false;
  bool pincel = false;
  bool documento = false;
  bool pagina = false;
  // A form feed ended the last page; the next one starts when something is
  // drawn on it, so the form feed after a job's last page feeds no blank
  // sheet through the embosser.
  bool paginaPendente = false;
  int x = 0;
  int y = 0;
  int cx = 0;  // extent of one cell in the Braille font
  int cy = 0;
  // Whether the device draws graphics, decided when the channel opened from
  // the model then configured: the worker never reads the live setting.
  bool desenhaGraficos = false;
};

EstadoTiger tiger;

// Ends what was started and releases what was created, so that the next open
// starts from nothing: a fresh device with its own font, pen and brush.
void liberaTudo() {
  if (!tiger.superficie) return;
  SuperficieDesenho& s = *tiger.superficie;
  if (tiger.pagina) s.terminaPagina();
  if (tiger.documento) s.terminaDocumento();
  if (tiger.caneta) s.liberaCaneta();
  if (tiger.pincel) s.liberaPincel();
  if (tiger.fonte) s.liberaFonte();
  s.fecha();
  tiger = EstadoTiger{};
}

bool falhaSemMensagem() {
  liberaTudo();
  return false;
}

bool falhaComMensagem() {
  liberaTudo();
  plataforma::mostraErro("Não consegui ativar a impressora Tiger"_cp, "Lumarel - Erro");
  return false;
}

// The font is as tall as 29 points on the device; its cell height is kept a
// multiple of 5 device units.
bool criaFonteBraille() {
  SuperficieDesenho& s = *tiger.superficie;
  const int altura = static_cast<int>(static_cast<long long>(s.resolucaoVertical()) * 29 / 72);
  if (!s.criaFonte("Braille29", altura)) return false;
  tiger.fonte = true;
  if (!s.medeTexto("x", tiger.cx, tiger.cy)) return false;
  if (tiger.cy % 5 != 0) tiger.cy += 5 - ((tiger.cy % 5) + 5) % 5;
  return true;
}

// Starts the page a form feed left pending; false when no page is open.
bool garantePagina() {
  if (!tiger.pagina && tiger.paginaPendente && tiger.superficie) {
    tiger.pagina = tiger.superficie->iniciaPagina();
    tiger.paginaPendente = !tiger.pagina;
  }
  return tiger.pagina;
}

}  // namespace

bool tigerAberto() {
  return tiger.superficie != nullptr && (tiger.pagina || tiger.paginaPendente);
}

bool abreTiger() {
  // A channel left open is closed first: its device must not leak.
  if (tiger.superficie) fechaTiger();

  tiger.superficie = criaSuperficie();
  if (!tiger.superficie) {
    plataforma::mostraErro("Não consegui ativar a impressora Tiger"_cp, "Lumarel - Erro");
    return false;
  }
  SuperficieDesenho& s = *tiger.superficie;
  if (!s.abre(nomeImpressora, driverImpressora, portaImpressora)) return falhaComMensagem();
  if (!criaFonteBraille()) return falhaSemMensagem();
  if (!s.iniciaDocumento(nomeDocumento)) return falhaComMensagem();
  tiger.documento = true;

  if (!s.criaCaneta(4)) return falhaSemMensagem();
  tiger.caneta = true;
  if (!s.medeTexto("x", tiger.cx, tiger.cy)) return falhaSemMensagem();
  if (!s.criaPincel(128, 128, 128)) return falhaSemMensagem();
  tiger.pincel = true;

  if (!s.iniciaPagina()) return falhaSemMensagem();
  tiger.pagina = true;
  tiger.x = 0;
  tiger.y = 0;
  tiger.desenhaGraficos = modoTiger && ehTiger(configuracao.Marca);
  return true;
}

void novaPaginaTiger() {
  if (!tiger.superficie) return;
  SuperficieDesenho& s = *tiger.superficie;
  if (tiger.pagina) {
    s.terminaPagina();
    tiger.pagina = false;
  } else if (tiger.paginaPendente) {
    // Two form feeds in a row: the page between them is blank on purpose
    // (the back of a sheet).
    if (s.iniciaPagina()) s.terminaPagina();
  }
  tiger.paginaPendente = true;
  tiger.x = 0;
  tiger.y = 0;
}

bool escreveTiger(std::string_view texto) {
  if (!tigerAberto()) return false;
  while (!texto.empty() && texto.front() == '\x0C') {
    novaPaginaTiger();
    texto.remove_prefix(1);
  }
  if (texto.empty()) return true;
  // A page that could not start is nothing to draw on.
  if (!garantePagina()) return false;

  bool avanca = false;
  bool retorna = false;
  if (texto.back() == '\n') {
    texto.remove_suffix(1);
    avanca = true;
  }
  if (!texto.empty() && texto.back() == '\r') {
    texto.remove_suffix(1);
    retorna = true;
  }
  SuperficieDesenho& s = *tiger.superficie;
  int largura = 0, altura = 0;
  if (!texto.empty()) {
    if (!s.medeTexto(texto, largura, altura)) return false;
    if (!s.escreveTexto(tiger.x, tiger.y, texto)) return false;
  }
  if (avanca) tiger.y += passoLinhaTiger;
  if (retorna)
    tiger.x = 0;
  else
    tiger.x += largura;
  return true;
}

bool desenhaPontosTiger(const TMatrizPontos& matriz, int x0, int y0, int colunas, int linhas) {
  if (!tigerAberto()) return false;
  SuperficieDesenho& s = *tiger.superficie;
  const long long esquerda = static_cast<long long>(x0) * tiger.cx / 5 + 5;
  const long long topo = tiger.y;
  // Only the part of the rectangle inside the matrix can hold dots; the
  // doubled width of this embosser often reaches past it.
  const long long rInicio = std::max<long long>(y0, 0);
  const long long rFim = std::min<long long>(static_cast<long long>(y0) + linhas - 1, tamanhoMatriz - 1);
  const long long cInicio = std::max<long long>(x0, 0);
  const long long cFim = std::min<long long>(static_cast<long long>(x0) + colunas - 1, tamanhoMatriz - 1);
  for (long long r = rInicio; r <= rFim; ++r) {
    const long long py = topo + passoPontoTiger * (r - y0);
    for (long long c = cInicio; c <= cFim; ++c) {
      if (matriz.le(static_cast<int>(c), static_cast<int>(r)) == 0) continue;
      const long long px = esquerda + passoPontoTiger * (c - x0);
      if (!garantePagina() ||
          !s.traco(static_cast<int>(px), static_cast<int>(py), static_cast<int>(px + 1),
                   static_cast<int>(py)))
        return false;
    }
  }
  return true;
}

void fechaTiger() { liberaTudo(); }

bool desenhaGraficoDispositivo(const TMatrizPontos& matriz, int x0, int y0, int colunas,
                               int linhas) {
  if (tiger.desenhaGraficos) return desenhaPontosTiger(matriz, x0, y0, colunas, linhas);
  return false;
}
