#include "marcas.h"

#include "brarquivo.h"
#include "brvars.h"
#include "cp1252.h"
#include "edicao.h"
#include "mensagens.h"
#include "programas.h"

PosicoesPar posicoesPar(int primeira, int ultima, int colunaFim, int numeroLinhas) {
  // A selection dragged to the start of a line does not take that line in.
  if (colunaFim == 0 && primeira < ultima) --ultima;
  PosicoesPar p;
  p.abre = primeira;
  // After the opening line the selected lines sit one further down; the
  // closing line goes after them, or at the end.
  const int linhasDepois = numeroLinhas + 1;
  p.fecha = ultima + 2 < linhasDepois ? ultima + 2 : linhasDepois;
  return p;
}

int linhaInsercaoGrafico(int linha, int coluna, std::string_view textoLinha) {
  if (linha < 0) return 0;
  if (coluna > 0 && !apara(textoLinha).empty()) return linha + 1;
  return linha;
}

std::string nomeGraficoNaLinha(std::string_view nome, std::string_view nomeDocumento) {
  const std::string pasta = pastaDocumento(nomeDocumento);
  if (pasta.empty()) return std::string(nome);
  // The root already ends with the separator.
  if (pasta.back() == '/') {
    if (nome.starts_with(pasta)) return std::string(nome.substr(pasta.size()));
    return std::string(nome);
  }
  // Only a whole folder name counts: "/livro" is not the folder of
  // "/livro2/mapa.grb".
  if (nome.size() > pasta.size() && nome.starts_with(pasta) &&
      (nome[pasta.size()] == '/' || nome[pasta.size()] == '\\'))
    return std::string(nome.substr(pasta.size() + 1));
  return std::string(nome);
}

std::string linhaGrafico(int tipo, std::string_view nome) {
  const char* marca = tipo == 1 ? "<G+ " : tipo == 2 ? "<G* " : "<G ";
  return marca + std::string(nome) + ">";
}

namespace {
// The touch-up program this editor started, so that a second command does
// not start another one beside it.
int pidRetoques = 0;
}  // namespace

void iniciaRetoquesBraille() {
  if (plataforma::programaAtivo(pidRetoques)) {
    plataforma::mostraInformacao("Programa já ativo, use a barra de seleção do Windows"_cp);
    return;
  }
  pidRetoques = plataforma::iniciaProgramaOuDiz(configuracao.kavrin).pid;
}

void reiniciaRetoquesBraille() { pidRetoques = 0; }
