#include "brprograma.h"

#include "arquivos.h"
#include "brdevice.h"
#include "mensagens.h"
#include "perfil.h"

namespace {

constexpr char esc = 27;

// Column codes of 20 to 48 cells per line; 255 where the embosser has none.
constexpr unsigned char tabelaColunasIndex[] = {
    0,  255, 1,  255, 2,  255, 3,  4,   5,  6,    // 20 .. 29
    7,  8,   9,  10,  11, 12,  13, 255, 14, 255,  // 30 .. 39
    15, 255, 16, 255, 17, 255, 18, 255, 19,       // 40 .. 48
};
constexpr int primeiraColuna = 20;
constexpr int ultimaColuna = 48;
static_assert(std::size(tabelaColunasIndex) == ultimaColuna - primeiraColuna + 1);

// The refusal of a value that travels as the byte base + valor, when that
// byte does not exist. Computed wide: a setting may be any int.
std::optional<ValorForaDosLimites> foraDoByte(const char* chave, int valor, long long base) {
  const long long byte = base + valor;
  if (byte < 0 || byte > 255) return ValorForaDosLimites{chave, valor};
  return std::nullopt;
}

// The byte base + valor, already checked by foraDoByte.
char byteDe(long long base, int valor) {
  return static_cast<char>(static_cast<unsigned char>(base + valor));
}

// The first refusal among the values, in the order the sequence carries them.
std::optional<ValorForaDosLimites> primeiraRecusa(
    std::initializer_list<std::optional<ValorForaDosLimites>> recusas) {
  for (const auto& r : recusas)
    if (r) return r;
  return std::nullopt;
}

// Sends every piece through the channel nome; stops at the first failed send.
// The channel is closed whenever it opened. True only when the open, every
// send and the close succeeded.
bool transmite(const std::string& nome, const std::vector<std::string>& envios) {
  if (!abreDispositivo(nome)) return false;
  bool ok = true;
  for (const std::string& e : envios) {
    if (!enviaDispositivo(e)) {
      ok = false;
      break;
    }
  }
  const bool fechou = fechaDispositivo();
  return ok && fechou;
}

ResultadoProgramacao recusa(const ValorForaDosLimites& r) {
  plataforma::mostraErro(textoForaDosLimites(r));
  return ResultadoProgramacao::recusada;
}

// Sends a built sequence to the output and tells the outcome.
ResultadoProgramacao envia(const std::vector<std::string>& envios, std::string_view nomeArq) {
  // The output named as the print job names it; an output that is the open
  // document would have its text replaced by escape codes.
  const std::string nome = resolveNomeSaida(nomeArq, nomeDocumento);
  if (plataforma::mesmoArquivo(nome, nomeDocumento)) {
    plataforma::mostraErro(mensagemSaidaEhDocumento + nome);
    return ResultadoProgramacao::saidaDocumento;
  }
  if (!transmite(nome, envios)) {
    plataforma::mostraErro(std::string(mensagemSemComunicacao));
    return ResultadoProgramacao::semComunicacao;
  }
  plataforma::mostraInformacao(std::string(mensagemReprogramada));
  return ResultadoProgramacao::reprogramada;
}

bool umDe(const std::string& marca, std::initializer_list<std::string_view> nomes) {
  for (std::string_view n : nomes)
    if (marca == n) return true;
  return false;
}

}  // namespace

std::string textoSemProgramacao(std::string_view marca) {
  return "Programação automática para "_cp + std::string(marca) + " não disponível"_cp;
}

FormatoPagina formatoPagina(const TConfiguracao& ajustes) {
  return {ajustes.Interponto, ajustes.PolegsForm, ajustes.Linhas, ajustes.Colunas};
}

std::string textoForaDosLimites(const ValorForaDosLimites& recusa) {
  return mensagemForaDosLimites + recusa.chave + " = " + std::to_string(recusa.valor);
}

std::string textoParametro(unsigned char valor) {
  return valor == parametroSemAlteracao ? std::string("x") : std::to_string(valor);
}

unsigned char codigoColunasIndex(int colunas) {
  if (colunas < primeiraColuna || colunas > ultimaColuna) return parametroSemAlteracao;
  return tabelaColunasIndex[colunas - primeiraColuna];
}

BlocoIndex parametrosIndex(ModeloIndex modelo, const FormatoPagina& f) {
  BlocoIndex b;
  b.parametros.fill(parametroSemAlteracao);
  b.parametros[0] = 0;
  b.parametros[9] = codigoColunasIndex(f.Colunas);
  b.parametros[15] = f.Interponto ? 1 : 0;
  // The Everest V2 takes its lines and form height from its own panel.
  if (modelo == ModeloIndex::indexBasicV2) {
    b.recusa = primeiraRecusa(
        {foraDoByte("Linhas", f.Linhas, 0), foraDoByte("PolegsForm", f.PolegsForm, -1)});
    if (b.recusa) return b;
    b.parametros[30] = static_cast<unsigned char>(f.Linhas);
    b.parametros[32] = static_cast<unsigned char>(f.PolegsForm - 1);
  }
  return b;
}

SequenciaProgramacao sequenciaJulietRomeo(const FormatoPagina& f) {
  SequenciaProgramacao s;
  s.recusa =
      primeiraRecusa({foraDoByte("PolegsForm", f.PolegsForm, 64),
                      foraDoByte("Linhas", f.Linhas, 64), foraDoByte("Colunas", f.Colunas, 64)});
  if (s.recusa) return s;
  std::string t;
  t += {esc, 'A', '@', '@'};
  t += {esc, 'T', byteDe(64, f.PolegsForm)};
  t += {esc, 'Q', byteDe(64, f.Linhas)};
  t += {esc, 'L', 'A'};
  t += {esc, 'R', byteDe(64, f.Colunas)};
  t += {esc, 'i', f.Interponto ? '@' : 'A'};
  s.envios.push_back(std::move(t));
  return s;
}

SequenciaProgramacao sequenciaBeta(const FormatoPagina& f) {
  SequenciaProgramacao s;
  s.recusa =
      primeiraRecusa({foraDoByte("PolegsForm", f.PolegsForm, 48),
                      foraDoByte("Linhas", f.Linhas, 48), foraDoByte("Colunas", f.Colunas, 48)});
  if (s.recusa) return s;
  std::string t;
  t += {esc, '#'};
  t += {esc, '.', byteDe(48, f.PolegsForm)};
  t += {esc, '1', byteDe(48, f.Linhas)};
  t += {esc, '0', byteDe(48, f.Colunas)};
  t += {esc, 'i', f.Interponto ? '0' : '1'};
  s.envios.push_back(std::move(t));
  return s;
}

SequenciaProgramacao sequenciaIndexV2(ModeloIndex modelo, const FormatoPagina& f) {
  SequenciaProgramacao s;
  const BlocoIndex b = parametrosIndex(modelo, f);
  s.recusa = b.recusa;
  if (s.recusa) return s;
  s.envios.push_back({esc, '\x0F', '\x01', 'A', ','});
  for (unsigned char p : b.parametros) s.envios.push_back(textoParametro(p) + ",");
  s.envios.push_back({esc, '\x0F'});
  return s;
}

ResultadoProgramacao programaJulietRomeo(const FormatoPagina& formato, std::string_view nomeArq) {
  const SequenciaProgramacao s = sequenciaJulietRomeo(formato);
  if (s.recusa) return recusa(*s.recusa);
  plataforma::mostraInformacao(std::string(avisoProgramacaoInibida));
  return envia(s.envios, nomeArq);
}

ResultadoProgramacao programaBeta(const FormatoPagina& formato, std::string_view nomeArq) {
  const SequenciaProgramacao s = sequenciaBeta(formato);
  if (s.recusa) return recusa(*s.recusa);
  return envia(s.envios, nomeArq);
}

ResultadoProgramacao programaIndexV2(ModeloIndex modelo, const FormatoPagina& formato,
                                     std::string_view nomeArq) {
  const SequenciaProgramacao s = sequenciaIndexV2(modelo, formato);
  if (s.recusa) return recusa(*s.recusa);
  // The embosser keeps its own cell count: the rest is still worth sending.
  if (codigoColunasIndex(formato.Colunas) == parametroSemAlteracao)
    plataforma::mostraMensagem(std::string(mensagemColunasRecusadas));
  return envia(s.envios, nomeArq);
}

ResultadoProgramacao programaImpressoraRemota(const TConfiguracao& ajustes) {
  // Copied before anything is assigned: ajustes may be configuracao itself.
  const std::string marca = ajustes.Marca;
  const std::string nomeArq = ajustes.NomeArq;
  const FormatoPagina formato = formatoPagina(ajustes);
  const bool enviaVazias = ajustes.EnviaVazias;

  configuracao.Marca = marca;
  configuracao.Interponto = formato.Interponto;
  configuracao.PolegsForm = formato.PolegsForm;
  configuracao.Linhas = formato.Linhas;
  configuracao.Colunas = formato.Colunas;
  configuracao.NomeArq = nomeArq;
  configuracao.EnviaVazias = enviaVazias;
  // The settings stay in force for this session even when the file cannot
  // take them.
  if (!gravaConfigImpressora())
    plataforma::mostraErro("Erro ao gravar " + plataforma::caminhoPerfil(arquivoIni));

  using R = ResultadoProgramacao;
  if (marca.empty()) {
    plataforma::mostraErro(std::string(mensagemSemModelo));
    return R::semModelo;
  }
  if (umDe(marca, {"Braille Blazie", "Braillo", "Impressora de clichê"_cp, "Mountbatten",
                   "Porta Thiel", "Puma 7"})) {
    plataforma::mostraInformacao(textoSemProgramacao(marca));
    return R::indisponivel;
  }
  if (umDe(marca, {"Juliet", "Romeo"})) return programaJulietRomeo(formato, nomeArq);
  if (umDe(marca, {"Beta X3", "Bax 10"})) return programaBeta(formato, nomeArq);
  if (marca == "Everest V2") return programaIndexV2(ModeloIndex::everestV2, formato, nomeArq);
  if (marca == "Index Basic V2")
    return programaIndexV2(ModeloIndex::indexBasicV2, formato, nomeArq);
  if (umDe(marca, {"Everest V3", "Everest V4", "Index Basic V3", "Index Basic V4", "Tiger"})) {
    plataforma::mostraMensagem(std::string(mensagemNaoImplementado));
    return R::naoImplementado;
  }
  return R::ignorada;
}
