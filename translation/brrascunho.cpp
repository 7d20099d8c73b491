// The draft file and its writer.
#include "brrascunho.h"

#include <cstdio>

#include "arquivos.h"
#include "brcodigo.h"
#include "brtraduz.h"
#include "brvars.h"

std::vector<int> mapaLinhas;
int contadorLinhasRascunho = 0;
int paginaAtual = 1;
bool cabecalhoPendente = true;

namespace {

std::FILE* arqRascunho = nullptr;
bool falhou = false;

// Blanks and control bytes that a reader ignores around a separator.
bool ehIgnoradoNaBorda(unsigned char c) { return c <= 32; }

std::string_view aparaBordas(std::string_view linha) {
  while (!linha.empty() && ehIgnoradoNaBorda(static_cast<unsigned char>(linha.front()))) linha.remove_prefix(1);
  while (!linha.empty() && ehIgnoradoNaBorda(static_cast<unsigned char>(linha.back()))) linha.remove_suffix(1);
  return linha;
}

void escreve(std::string_view bytes) {
  if (arqRascunho == nullptr) {
    falhou = true;
    return;
  }
  // After one lost line the file can only be wrong; the pass learns it from
  // falhaRascunho and fechaRascunho.
  if (falhou) return;
  if (std::fwrite(bytes.data(), 1, bytes.size(), arqRascunho) != bytes.size()) falhou = true;
}

}  // namespace

std::string diretivaGrafico(std::string_view posicao, std::string_view nomeArquivo) {
  std::string linha(prefixoDiretivaGrafico);
  linha += ' ';
  if (posicao.find_first_not_of(' ') != std::string_view::npos) {
    linha += posicao;
    linha += ' ';
  }
  linha += nomeArquivo;
  return linha;
}

std::string_view marcaLinhaVazia() { return visualizando ? std::string_view("-->") : std::string_view(" "); }

bool ehLinhaSeparadora(std::string_view linha) {
  const std::string_view nucleo = aparaBordas(linha);
  return nucleo == separadorPagina || nucleo == separadorDuplo;
}

bool ehLinhaIgual(std::string_view linha) { return aparaBordas(linha) == separadorDuplo; }

bool ehDiretivaGrafico(std::string_view linha) { return linha.substr(0, 4) == prefixoDiretivaGrafico; }

bool ehLinhaReservaGrafico(std::string_view linha) { return linha.find('\x0B') != std::string_view::npos; }

void iniciaContagemRascunho() {
  contadorLinhasRascunho = 0;
  paginaAtual = 1;
  linhaNaPagina = 1;
  cabecalhoPendente = true;
}

std::string nomeArquivoRascunho() {
  if (configuracao.arqTrab.empty()) configuracao.arqTrab = plataforma::pastaTemporaria() + "rascunho.txt";
  return configuracao.arqTrab;
}

bool abreRascunho() {
  if (arqRascunho != nullptr) {
    std::fclose(arqRascunho);
    arqRascunho = nullptr;
  }
  const std::string caminho = plataforma::caminhoSistema(nomeArquivoRascunho());
  arqRascunho = std::fopen(caminho.c_str(), "wbe");
  falhou = arqRascunho == nullptr;
  return !falhou;
}

void gravaLinha(std::string_view texto, bool mapear) {
  ++contadorLinhasRascunho;
  ++linhaNaPagina;
  if (paginaAtual < paginaInicial || paginaAtual > paginaFinal) {
    cabecalhoPendente = false;
    return;
  }
  // Separators and directives are recognised only bare, so the margin
  // prefix goes before the lines that carry text alone.
  std::string linha;
  if (mapear) linha = prefixoMargem;
  linha += texto;
  if (linha.empty() && configuracao.EnviaVazias) gravaLinha(marcaLinhaVazia(), true);
  if (visualizando) linha.append(6, ' ');
  if (mapear && !semTraducao) linha = mapeiaImpressora(linha, tabelaImpressora);
  linha += "\r\n";
  escreve(linha);
  cabecalhoPendente = false;
}

bool fechaRascunho() {
  if (arqRascunho == nullptr) return false;
  // The buffered lines reach the disk here: a full disk shows up at the close.
  const bool fechou = std::fclose(arqRascunho) == 0;
  arqRascunho = nullptr;
  if (!fechou) falhou = true;
  return !falhou;
}

bool rascunhoAberto() { return arqRascunho != nullptr; }

bool falhaRascunho() { return falhou; }

bool leRascunho(std::vector<std::string>& linhas) {
  std::string conteudo;
  if (!plataforma::leArquivo(nomeArquivoRascunho(), conteudo)) return false;
  linhas.clear();
  std::size_t inicio = 0;
  while (inicio < conteudo.size()) {
    const std::size_t fim = conteudo.find("\r\n", inicio);
    if (fim == std::string::npos) {
      linhas.emplace_back(conteudo, inicio);
      break;
    }
    linhas.emplace_back(conteudo, inicio, fim - inicio);
    inicio = fim + 2;
  }
  return true;
}
