#include "brvigraf.h"

#include <algorithm>
#include <charconv>
#include <climits>
#include <string_view>

#include "arquivos.h"
#include "brcodigo.h"
#include "brgeometria.h"
#include "brgrafpr.h"
#include "brrascunho.h"
#include "cp1252.h"
#include "linhas.h"
#include "mensagens.h"

namespace {

constexpr long long pixelsPorLinha = 16;  // one text line: three dot rows and a gap

std::string_view apara(std::string_view s) {
  while (!s.empty() && static_cast<unsigned char>(s.front()) <= 32) s.remove_prefix(1);
  while (!s.empty() && static_cast<unsigned char>(s.back()) <= 32) s.remove_suffix(1);
  return s;
}

int limitaInt(long long v) { return static_cast<int>(std::clamp<long long>(v, INT_MIN, INT_MAX)); }

struct Pagina {
  ImagemPontos& imagem;
  const EstadoPassoVisual& estado;
  int h;             // dots per cell across
  long long passo;   // pixels per cell
  long long limiteX;
  long long limiteY;
};

void linhaHorizontal(ImagemPontos& im, long long y, long long x1, long long x2, std::uint32_t cor) {
  if (y < 0 || y >= im.altura) return;
  const long long de = std::max<long long>(0, std::min(x1, x2));
  const long long ate = std::min<long long>(im.largura - 1, std::max(x1, x2));
  for (long long x = de; x <= ate; ++x) im.ponto(x, y, cor);
}

void linhaVertical(ImagemPontos& im, long long x, long long y1, long long y2, std::uint32_t cor) {
  if (x < 0 || x >= im.largura) return;
  const long long de = std::max<long long>(0, std::min(y1, y2));
  const long long ate = std::min<long long>(im.altura - 1, std::max(y1, y2));
  for (long long y = de; y <= ate; ++y) im.ponto(x, y, cor);
}

// A dot of the page is two pixels side by side.
void pontoDuplo(ImagemPontos& im, long long x, long long y) {
  im.ponto(x, y, corPretaVigraf);
  im.ponto(x + 1, y, corPretaVigraf);
}

// Text line `linha` (from 0 on the page): each byte a cell of its mask's dots.
void desenhaTexto(Pagina& p, std::string_view texto, long long linha) {
  if (!texto.empty() && texto.front() == '\x0C') texto.remove_prefix(1);
  const long long y = pixelsPorLinha * linha + 5;
  if (y >= p.imagem.altura) return;
  for (std::size_t k = 0; k < texto.size(); ++k) {
    const long long x = p.passo * static_cast<long long>(k) + 5;
    if (x >= p.imagem.largura) break;
    const unsigned mascara = codigoImpressoraParaPontos[static_cast<unsigned char>(texto[k])];
    for (int d = 0; d < 6; ++d)
      if (mascara & (1u << d)) pontoDuplo(p.imagem, d < 3 ? x : x + 4, y + 4 * (d % 3));
  }
}

// The graphic `nome` with its top at quarter line `linha` and its left at dot
// x0 (or where the position word puts it); x0 is known only once the file
// has been measured.
void desenhaGrafico(Pagina& p, long long linha, std::string_view palavra, std::string_view nome) {
  const std::string arquivo = resolveNomeGrafico(nome, p.estado.nomeDocumento);
  std::string conteudo;
  if (!plataforma::leArquivo(arquivo, conteudo)) {
    plataforma::mostraMensagem("Arquivo " + arquivo + " não achado"_cp);
    return;
  }
  // One pass over the file: its widest line and its line count for the
  // placement and the limits, and the rows that land in the picture.
  long long maior = 0, linhasArquivo = 0;
  std::vector<std::string_view> visiveis;
  const long long linhasVisiveis = std::max<long long>(0, (p.imagem.altura - 5 + 3) / 4 - linha);
  // Lines end as the .GRB reader ends them: CR LF, a lone CR or a lone LF.
  for (const auto& l : plataforma::LeitorLinhas(conteudo, plataforma::RegraFimLinha::crLfLfOuCr)) {
    maior = std::max<long long>(maior, static_cast<long long>(l.texto.size()));
    if (linhasArquivo++ < linhasVisiveis) visiveis.push_back(l.texto);
  }

  const int prefixo = limitaInt(static_cast<long long>(p.estado.prefixoMargem.size()));
  long long x0 = 1;
  const char c = palavra.front();
  if (c == 'C' || c == 'D' || c == 'E') {
    x0 = pontoInicialColuna(limitaInt(prefixo + 1LL), p.h);
    const long long limite =
        static_cast<long long>(celulasEmPontos(p.estado.larguraLinha, p.h)) - (p.estado.tiger ? 2 : 3);
    const long long w = 2 * ((maior + 1) / 2 * 2) - 1;  // the measured width is even
    if (c == 'C' && w < limite) x0 += (limite - w) / 2;
    if (c == 'D' && w < limite) x0 += limite - w;
  } else {
    int n = 0;
    const auto [fim, erro] = std::from_chars(palavra.data(), palavra.data() + palavra.size(), n);
    if (erro == std::errc() && fim == palavra.data() + palavra.size())
      x0 = pontoInicialColuna(limitaInt(prefixo + static_cast<long long>(n)), p.h);
  }

  ImagemPontos& im = p.imagem;
  const long long base = 2 * x0 + 3;
  // The first column whose second pixel is not left of the picture.
  const long long cInicio = base + 1 >= 0 ? 0 : (-1 - base + 3) / 4;
  long long r = linha;
  for (const std::string_view l : visiveis) {
    const long long y = 4 * r++ + 5;
    const long long cFim = std::min<long long>(static_cast<long long>(l.size()), (im.largura - base + 3) / 4 + 1);
    for (long long col = cInicio; col < cFim; ++col)
      if (l[static_cast<std::size_t>(col)] != ' ') pontoDuplo(im, base + 4 * col, y);
  }
  r = linha + linhasArquivo;
  const long long larguraMax = std::max<long long>(1, maior);
  if (2 * x0 + 4 * larguraMax - 2 > p.limiteX || 4 * r + 4 > p.limiteY)
    plataforma::mostraMensagem("Gráfico fora dos limites"_cp);
}

// A directive: the four bytes 15, a blank, then the name or the position
// word, a blank and the name. No blank at all: nothing to draw.
void desenhaDiretiva(Pagina& p, std::string_view linha, long long l4) {
  const std::size_t branco = linha.find(' ');
  if (branco == std::string_view::npos) return;
  const std::string_view resto = apara(linha.substr(branco + 1));
  const std::size_t separa = resto.find(' ');
  if (separa == std::string_view::npos)
    desenhaGrafico(p, l4, "E", resto);
  else
    desenhaGrafico(p, l4, resto.substr(0, separa), apara(resto.substr(separa + 1)));
}

}  // namespace

ImagemPontos::ImagemPontos(int l, int a)
    : largura(std::max(l, 0)), altura(std::max(a, 0)),
      pixels(static_cast<std::size_t>(largura) * static_cast<std::size_t>(altura), corBrancaVigraf) {}

void desenhaPagina(ImagemPontos& imagem, const std::vector<std::string>& linhas, int indice,
                   const EstadoPassoVisual& estado) {
  const int h = pontosCelulaH(estado.tiger, estado.visualizando);
  Pagina p{imagem, estado, h, 2LL * h, 0, 0};
  p.limiteX = static_cast<long long>(estado.maxCarac) * p.passo + 4;
  p.limiteY = static_cast<long long>(estado.maxLin) * pixelsPorLinha + 4;

  imagem.limpa(corBrancaVigraf);
  linhaHorizontal(imagem, 0, 0, p.limiteX + 1, corPrataVigraf);
  linhaVertical(imagem, p.limiteX + 1, 0, p.limiteY + 1, corPrataVigraf);
  linhaHorizontal(imagem, p.limiteY + 1, 0, p.limiteX + 1, corPrataVigraf);
  linhaVertical(imagem, 0, 0, p.limiteY + 1, corPrataVigraf);

  long long i = indice < 0 ? 1 : indice;
  const long long total = static_cast<long long>(linhas.size());
  if (i >= total) return;
  // The page the preview's indicator names for line i: it starts after the
  // nearest separator at or above i, so a selected separator (where the
  // line of a page graphic begins) stands for the page after it. Two
  // separators in a row hold an empty page.
  while (i >= 0 && !ehLinhaSeparadora(linhas[static_cast<std::size_t>(i)])) --i;
  ++i;

  long long l4 = 0;  // quarter text lines down the page
  for (; i < total; ++i) {
    const std::string& linha = linhas[static_cast<std::size_t>(i)];
    if (ehLinhaSeparadora(linha)) break;
    if (ehLinhaReservaGrafico(linha)) {
      l4 += 4;
    } else if (ehDiretivaGrafico(linha)) {
      desenhaDiretiva(p, linha, l4);
    } else {
      desenhaTexto(p, linha, l4 / 4);
      l4 += 4;
    }
  }
}
