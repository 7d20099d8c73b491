#include "ovarquivo.h"

#include <algorithm>
#include <tuple>

#include "arquivos.h"
#include "brgrafpr.h"
#include "cp1252.h"
#include "mensagens.h"
#include "ovferramentas.h"
#include "ovmensagem.h"
#include "ovvars.h"

namespace orvento {

namespace {

constexpr int ultimoPonto = tamanhoMatriz - 1;

plataforma::ServicoMensagens& servico() { return plataforma::servicoMensagens(); }

// The query's text; a cancelled query reads as empty.
std::string pergunta(const std::string& titulo, const std::string& rotulo, const std::string& valor = {}) {
  return servico().pergunta(titulo, rotulo, valor).value_or("");
}

// The block's offsets i (rows) and j (columns) whose canvas position
// (x1 + j, y1 + i) and clipboard position (j, i) both lie on the canvas.
template <class F>
void paraCadaElemento(F&& f) {
  const long long x1 = selecao.x1, y1 = selecao.y1;
  const long long w = static_cast<long long>(selecao.x2) - x1, h = static_cast<long long>(selecao.y2) - y1;
  if (w < 0 || h < 0) return;
  const long long j0 = std::max(0LL, -x1), j1 = std::min({w, ultimoPonto - x1, static_cast<long long>(ultimoPonto)});
  const long long i0 = std::max(0LL, -y1), i1 = std::min({h, ultimoPonto - y1, static_cast<long long>(ultimoPonto)});
  for (long long i = i0; i <= i1; ++i)
    for (long long j = j0; j <= j1; ++j)
      f(static_cast<int>(x1 + j), static_cast<int>(y1 + i), static_cast<int>(j), static_cast<int>(i));
}

void guardaTamanhoBloco() {
  // Differences of ints can pass what an int holds; the sizes are kept as
  // the nearest ints.
  const auto limita = [](long long v) {
    return static_cast<int>(std::clamp<long long>(v, -2147483647 - 1, 2147483647));
  };
  larguraSelecao = limita(static_cast<long long>(selecao.x2) - selecao.x1);
  alturaSelecao = limita(static_cast<long long>(selecao.y2) - selecao.y1);
}

// Writes the drawing to `nome`; a failure shows "Erro ao gravar arquivo".
bool gravaDesenho(const std::string& nome) {
  if (plataforma::gravaArquivoSeguro(nome, textoDoDesenho())) return true;
  exibeAviso("Erro ao gravar arquivo");
  return false;
}

const std::string mensagemForaDaTela =
    "Este desenho passa de 301 por 301 pontos: a parte de fora não foi carregada e não será gravada."_cp;

// A dot of the file lies beyond row or column 300, where the canvas ends.
bool temPontosForaDaTela(std::string_view conteudo) {
  const auto linhas = linhasGrafico(conteudo);
  for (std::size_t y = 0; y < linhas.size(); ++y) {
    const std::string_view linha = linhas[y];
    const std::size_t inicio = y < static_cast<std::size_t>(tamanhoMatriz) ? tamanhoMatriz : 0;
    if (linha.size() > inicio && linha.find_first_not_of(' ', inicio) != std::string_view::npos) return true;
  }
  return false;
}

}  // namespace

std::string tituloDesenho() {
  if (nomeDesenho.empty()) return "Orvento";
  return "Orvento " + std::string(plataforma::semPastas(nomeDesenho));
}

std::string textoDoDesenho() { return textoGraficoTatil(linhasDaMatriz(tela)); }

bool abreDesenho(const std::string& nome) {
  std::string conteudo;
  if (!plataforma::leArquivo(nome, conteudo)) {
    exibeAviso("Arquivo não pode ser aberto"_cp);
    return false;
  }
  nomeDesenho = nome;
  tela.limpa();
  carregaConteudoGrafico(tela, conteudo, 0, 0);
  // The file stays as it is; only a save would write the drawing without
  // what lies beyond the canvas.
  if (temPontosForaDaTela(conteudo)) plataforma::mostraAviso(mensagemForaDaTela);
  return true;
}

bool abreDesenhoEscolhido() {
  const auto nome = servico().nomeArquivoAbrir({}, {}, "Arquivos Gráficos Táteis (.grb)|*.grb"_cp);
  if (!nome || nome->empty()) return false;
  return abreDesenho(*nome);
}

bool salvaDesenho() {
  if (nomeDesenho.empty()) return salvaDesenhoComo();
  return gravaDesenho(nomeDesenho);
}

bool salvaDesenhoComo() {
  const auto nome = servico().nomeArquivoSalvar({}, nomeDesenho, "Arquivos Gráficos Táteis (*.grb)|*.grb"_cp);
  if (!nome || nome->empty()) return false;
  // The drawing takes the name only once it is written there: the caption
  // and the next save must not name a file that does not hold it.
  const std::string escolhido = plataforma::comExtensao(*nome, ".grb");
  if (!gravaDesenho(escolhido)) return false;
  nomeDesenho = escolhido;
  return true;
}

void trocaDesfazer() { std::swap(tela.pontos, telaDesfazer.pontos); }

void copiaBloco() {
  guardaTamanhoBloco();
  paraCadaElemento([](int x, int y, int j, int i) { telaRecorte.poe(j, i, tela.le(x, y)); });
}

void recortaBloco() {
  guardaTamanhoBloco();
  paraCadaElemento([](int x, int y, int j, int i) {
    telaRecorte.poe(j, i, tela.le(x, y));
    tela.poe(x, y, 0);
  });
}

void colaBloco() {
  guardaTamanhoBloco();
  paraCadaElemento([](int x, int y, int j, int i) { tela.poe(x, y, telaRecorte.le(j, i)); });
}

void sobrepoeBloco() {
  guardaTamanhoBloco();
  paraCadaElemento([](int x, int y, int j, int i) {
    tela.poe(x, y, tela.le(x, y) != 0 || telaRecorte.le(j, i) != 0 ? 1 : 0);
  });
}

bool perguntaNumeroPontos() {
  const auto xy = FerramentasDesenho::leXYInteiro(
      pergunta("Número de pontos do papel"_cp, "Quantos pontos (x y) tem o papel"));
  if (!xy) return false;
  std::tie(papelX, papelY) = *xy;
  return true;
}

bool perguntaOrigem() {
  const auto xy = FerramentasDesenho::leXYInteiro(pergunta("Coordenada de origem", "Informe origem x y"));
  if (!xy) return false;
  std::tie(origemX, origemY) = *xy;
  return true;
}

bool perguntaEscala() {
  const auto xy = FerramentasDesenho::leXY(pergunta("Escala - y negativo indica eixo para cima", "Informe escala x y"));
  if (!xy) return false;
  // The user coordinates are divided by the scale when figures are recorded.
  if (xy->first == 0 || xy->second == 0) {
    exibeAviso("Coordenada incorretamente especificada");
    return false;
  }
  std::tie(escalaX, escalaY) = *xy;
  return true;
}

bool perguntaDispositivo() {
  const auto nome = servico().pergunta("Qual o dispositivo de impressão?"_cp, "Normalmente PRN", dispositivo);
  if (!nome) return false;
  dispositivo = *nome;
  return true;
}

}  // namespace orvento
