#include "brprint.h"

#include <algorithm>

#include "arquivos.h"
#include "brcodigo.h"
#include "brdevice.h"
#include "brtrabalho.h"
#include "brgerador.h"
#include "brrascunho.h"
#include "brvars.h"
#include "linhas.h"
#include "mensagens.h"

std::atomic<bool> imprimindo{false};
std::atomic<bool> impressaoOk{true};

namespace {

// The guard, taken by the print button and given back by the worker as its
// last step, and the worker's thread.
TrabalhoSegundoPlano trabalhoImpressao;

std::string corta255(std::string_view texto) { return std::string(texto.substr(0, 255)); }

void mostraCaixa(std::string_view texto, std::string_view titulo) {
  plataforma::servicoMensagens().mensagem(plataforma::TipoMensagem::simples, std::string(titulo),
                                          std::string(texto), {plataforma::Botao::ok});
}

}  // namespace

std::vector<std::string> linhasDoRascunho(std::string_view conteudo) {
  std::vector<std::string> linhas;
  for (const auto& l : plataforma::LeitorLinhas(conteudo, plataforma::RegraFimLinha::lf))
    linhas.emplace_back(l.texto.substr(0, maxLinhaRascunho));
  return linhas;
}

TrabalhoImpressao capturaTrabalho(bool rascunhoGerado) {
  TrabalhoImpressao t;
  t.ambiente = capturaAmbienteImpressao();
  t.totalCopias = totalCopias.load();
  t.margemImpar = configuracao.margemImpar;
  t.margemPar = configuracao.margemPar;
  t.enviaVazias = configuracao.EnviaVazias;
  t.marca = configuracao.Marca;
  t.rascunhoGerado = rascunhoGerado;
  if (rascunhoGerado) {
    std::string conteudo;
    t.rascunhoLido = plataforma::leArquivo(nomeArquivoRascunho(), conteudo);
    if (t.rascunhoLido) t.linhas = linhasDoRascunho(conteudo);
  }
  return t;
}

// ---------------------------------------------------------------------------

void TPaginaImpressao::adicionaLinhaPagina(std::string_view linha) {
  if (!ehDiretivaGrafico(linha)) {
    // A margin beyond any line the draft can hold is no margin anyone set.
    const int margem = std::clamp(renderizador.margemAtual, 0, static_cast<int>(maxLinhaRascunho));
    std::string texto(static_cast<std::size_t>(margem), ' ');
    texto += linha;
    renderizador.listaPagina.push_back(std::move(texto));
    return;
  }
  if (tipoTratGrafico_ == 1) return;
  std::string_view resto = linha.substr(4);
  while (!resto.empty() && static_cast<unsigned char>(resto.front()) <= 32) resto.remove_prefix(1);
  while (!resto.empty() && static_cast<unsigned char>(resto.back()) <= 32) resto.remove_suffix(1);
  std::string diretiva(prefixoDiretivaGrafico);
  diretiva += ' ';
  diretiva += resto;
  renderizador.listaPagina.push_back(std::move(diretiva));
  if (tipoTratGrafico_ != 4) temGrafico = true;
}

bool TPaginaImpressao::paginaEmModoGrafico() const {
  return tipoTratGrafico_ == 3 || (tipoTratGrafico_ == 2 && temGrafico);
}

bool TPaginaImpressao::imprimePagina() {
  bool ok;
  if (tiger_) {
    ok = renderizador.imprimePaginaGraficoDireto();
  } else {
    if (temGrafico || tipoTratGrafico_ == 3) renderizador.montaPaginaGrafica();
    if (paginaEmModoGrafico())
      ok = renderizador.imprimePaginaModoGrafico();
    else if (temGrafico)
      ok = renderizador.imprimePaginaMista();
    else
      ok = renderizador.imprimePaginaTexto();
  }
  temGrafico = false;
  renderizador.listaPagina.clear();
  return ok;
}

// ---------------------------------------------------------------------------

bool executaTrabalho(const TrabalhoImpressao& trabalho, CanalImpressao& canal) {
  copiaAtual = 0;
  impressaoOk = true;
  imprimindo = false;
  TPaginaImpressao pagina(trabalho.ambiente, canal);
  bool ok = true;

  if (!trabalho.rascunhoGerado) {
    // The translator has shown why; nothing of this job may go out.
    ok = false;
  } else if (!trabalho.rascunhoLido) {
    plataforma::mostraMensagem(std::string(mensagemErroLeitura));
    ok = false;
  } else {
    while (ok && copiaAtual < trabalho.totalCopias && !cancelaImpressao) {
      ++copiaAtual;
      imprimindo = true;
      paginaImpressa = 1;
      pagina.renderizador.margemAtual = trabalho.margemImpar;
      for (const std::string& linha : trabalho.linhas) {
        if (cancelaImpressao) break;
        if (ehLinhaSeparadora(linha)) {
          ok = pagina.imprimePagina();
          if (!ok) break;
          // A page closed by "=" has a blank back that counts as a page.
          const int proxima = paginaImpressa + (ehLinhaIgual(linha) ? 2 : 1);
          paginaImpressa = proxima;
          pagina.renderizador.margemAtual =
              proxima % 2 != 0 ? trabalho.margemImpar : trabalho.margemPar;
        } else if (linha.empty() && trabalho.enviaVazias) {
          pagina.adicionaLinhaPagina(" ");
        } else {
          pagina.adicionaLinhaPagina(linha);
        }
      }
      // The last lines without a separator, or what was gathered when the
      // job was cancelled, go out as a page.
      if (ok && !pagina.renderizador.listaPagina.empty()) ok = pagina.imprimePagina();
      imprimindo = false;
    }
  }
  imprimindo = false;
  impressaoOk = ok;

  if (trabalho.marca.find(std::string_view(marcaClicheria)) != std::string::npos)
    mostraCaixa(mensagemEspere, tituloEspere);
  // A print service that refuses the job at its end has not printed it.
  const bool fechou = canal.fecha();
  ok = ok && fechou;
  impressaoOk = ok;
  if (ok)
    mostraCaixa(mensagemEnviado, tituloEnviado);
  else
    mostraCaixa(mensagemErroImpressora, tituloErroImpressora);
  return ok;
}

// ---------------------------------------------------------------------------

TThreadImpressao::TThreadImpressao(TrabalhoImpressao trabalho,
                                   std::unique_ptr<CanalImpressao> canal,
                                   std::function<void()> escondeProgresso)
    : trabalho_(std::move(trabalho)), canal_(std::move(canal)),
      escondeProgresso_(std::move(escondeProgresso)) {}

void TThreadImpressao::Execute() {
  executaTrabalho(trabalho_, *canal_);
  if (escondeProgresso_) escondeProgresso_();
}

void TThreadImpressao::inicia(TrabalhoImpressao trabalho, std::unique_ptr<CanalImpressao> canal,
                              std::function<void()> escondeProgresso) {
  // Owned by the worker, which destroys it (and closes nothing twice) before
  // it gives the guard back.
  std::shared_ptr<TThreadImpressao> t(
      new TThreadImpressao(std::move(trabalho), std::move(canal), std::move(escondeProgresso)));
  trabalhoImpressao.inicia([t] { t->Execute(); });
}

// ---------------------------------------------------------------------------

InicioImpressao iniciaImpressao(const PedidoImpressao& pedido,
                                const std::vector<std::string>& documento,
                                const AcoesImpressao& acoes) {
  // Every way out before the worker starts gives the guard back.
  ReservaTrabalho guarda(trabalhoImpressao);
  if (!guarda) {
    plataforma::mostraMensagem(std::string(mensagemDuasListagens));
    return InicioImpressao::recusado;
  }

  // Pressed from a box shown in the middle of a translation: this job's
  // draft cannot be written before that pass ends, and the table and the
  // page range are the pass's own until then. Nothing is opened or shown;
  // the user presses again once the pass is over.
  if (traducaoEmCurso()) return InicioImpressao::emTraducao;

  // Embossing over the open document would replace its text with printer
  // codes: the dialog stays, so the user can name another output.
  const std::string nome = resolveNomeSaida(corta255(pedido.dispositivo), nomeDocumento);
  if (plataforma::mesmoArquivo(nome, nomeDocumento)) {
    plataforma::mostraErro(std::string(mensagemSaidaDocumento) + nome);
    return InicioImpressao::saidaDocumento;
  }

  if (acoes.escondeDialogo) acoes.escondeDialogo();
  if (!carregaTabelaImpressora()) {
    plataforma::mostraMensagem(std::string(mensagemSemTabela));
    return InicioImpressao::semTabela;
  }
  paginaInicial = leInteiroPadrao(pedido.paginaInicial, 1);
  paginaFinal = leInteiroPadrao(pedido.paginaFinal, 9999);
  totalCopias = leInteiroPadrao(pedido.copias, 1);
  numPagInicial = leInteiroPadrao(pedido.numPagInicial, 1);

  if (cp1252::maiusculas(nome) == "PRN") {
    const auto escolha = plataforma::servicoMensagens().escolheImpressora();
    if (!escolha) return InicioImpressao::cancelado;
    nomeImpressora = corta255(escolha->nome);
    driverImpressora = corta255(escolha->driver);
    portaImpressora = corta255(escolha->porta);
  }
  if (!abreDispositivo(nome)) {
    plataforma::mostraMensagem(std::string(mensagemSemDispositivo));
    return InicioImpressao::semDispositivo;
  }

  // Reset here, before the progress window can be clicked: a cancel made
  // before the worker's first line must not be lost.
  cancelaImpressao = false;
  copiaAtual = 0;
  paginaImpressa = 1;
  if (acoes.mostraProgresso) acoes.mostraProgresso();

  const bool gerado = geraRascunho(documento, 0, linhaRascunhoCursor, false);
  TThreadImpressao::inicia(capturaTrabalho(gerado), std::make_unique<CanalDispositivo>(),
                           acoes.escondeProgresso);
  guarda.entregue();
  return InicioImpressao::iniciado;
}

bool trabalhoImpressaoAtivo() { return trabalhoImpressao.ativo(); }

void aguardaFimImpressao() { trabalhoImpressao.aguarda(); }
