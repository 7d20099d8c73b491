#include "brimpraw.h"

#include <cups/cups.h>

#include <charconv>
#include <map>
#include <mutex>

#include "cp1252.h"

namespace {

struct TrabalhoRaw {
  http_t* conexao = nullptr;
  std::string fila;
  int numero = 0;
  int paginas = 0;
  bool paginaAberta = false;
  bool falhou = false;
  std::size_t bytes = 0;  // written so far
};

std::mutex mutexTrabalhos;
std::map<int, TrabalhoRaw> trabalhos;
int proximoHandle = 1;

TrabalhoRaw* trabalho(int h) {
  const auto i = trabalhos.find(h);
  return i == trabalhos.end() ? nullptr : &i->second;
}

// A job title in UTF-8 within the 255 bytes the print service takes.
std::string tituloTrabalho(std::string_view documento) {
  std::string t = cp1252::paraUtf8(documento);
  if (t.empty()) return "Lumarel";
  if (t.size() > 255) {
    std::size_t corte = 255;
    while (corte > 0 && (static_cast<unsigned char>(t[corte]) & 0xC0) == 0x80) --corte;
    t.resize(corte);
  }
  return t;
}

int iniciaTrabalho(const std::string& host, int porta, std::string_view impressora,
                   std::string_view documento) {
  http_t* conexao = httpConnect2(host.c_str(), porta, nullptr, AF_UNSPEC, cupsEncryption(), 1,
                                 30000, nullptr);
  if (!conexao) return -1;
  const std::string pedido = cp1252::paraUtf8(impressora);
  cups_dest_t* destino =
      cupsGetNamedDest(conexao, pedido.empty() ? nullptr : pedido.c_str(), nullptr);
  if (!destino) {
    httpClose(conexao);
    return -1;
  }
  const std::string fila = destino->name;
  cupsFreeDests(1, destino);

  const std::string titulo = tituloTrabalho(documento);
  const int numero = cupsCreateJob(conexao, fila.c_str(), titulo.c_str(), 0, nullptr);
  if (numero <= 0) {
    httpClose(conexao);
    return -1;
  }
  if (cupsStartDocument(conexao, fila.c_str(), numero, titulo.c_str(), CUPS_FORMAT_RAW, 1) !=
      HTTP_STATUS_CONTINUE) {
    // The job exists on the server without a document: withdraw it.
    cupsCancelJob2(conexao, fila.c_str(), numero, 0);
    httpClose(conexao);
    return -1;
  }
  std::lock_guard trava(mutexTrabalhos);
  const int h = proximoHandle++;
  trabalhos[h] = TrabalhoRaw{conexao, fila, numero};
  return h;
}

}  // namespace

int abreImpressoraRaw(std::string_view impressora, std::string_view /*saida*/,
                      std::string_view documento) {
  return iniciaTrabalho(cupsServer(), ippPort(), impressora, documento);
}

int abreImpressoraRawServidor(std::string_view servidor, std::string_view fila,
                              std::string_view documento) {
  std::string host(servidor);
  int porta = ippPort();
  // "host:port"; an IPv6 address has several colons and keeps the default.
  const std::size_t doisPontos = host.rfind(':');
  if (doisPontos != std::string::npos && host.find(':') == doisPontos) {
    const std::string_view numero = std::string_view(host).substr(doisPontos + 1);
    int p = 0;
    const auto r = std::from_chars(numero.data(), numero.data() + numero.size(), p);
    if (r.ec != std::errc() || r.ptr != numero.data() + numero.size() || p <= 0 || p > 65535)
      return -1;
    porta = p;
    host.resize(doisPontos);
  }
  if (host.empty() || fila.empty()) return -1;
  return iniciaTrabalho(cp1252::paraUtf8(host), porta, fila, documento);
}

bool iniciaPaginaRaw(int h) {
  std::lock_guard trava(mutexTrabalhos);
  TrabalhoRaw* t = trabalho(h);
  if (!t) return false;
  // A raw stream has no page marks: the pages are only counted.
  ++t->paginas;
  t->paginaAberta = true;
  return true;
}

bool terminaPaginaRaw(int h) {
  std::lock_guard trava(mutexTrabalhos);
  TrabalhoRaw* t = trabalho(h);
  if (!t) return false;
  t->paginaAberta = false;
  return true;
}

std::size_t escreveImpressoraRaw(int h, std::string_view dados) {
  std::lock_guard trava(mutexTrabalhos);
  TrabalhoRaw* t = trabalho(h);
  if (!t || t->falhou) return 0;
  if (dados.empty()) return 0;
  if (cupsWriteRequestData(t->conexao, dados.data(), dados.size()) != HTTP_STATUS_CONTINUE) {
    t->falhou = true;
    return 0;
  }
  t->bytes += dados.size();
  return dados.size();
}

bool fechaImpressoraRaw(int h) {
  TrabalhoRaw t;
  {
    std::lock_guard trava(mutexTrabalhos);
    TrabalhoRaw* p = trabalho(h);
    if (!p) return false;
    t = *p;
    trabalhos.erase(h);
  }
  const ipp_status_t estado = cupsFinishDocument(t.conexao, t.fila.c_str());
  // The print service refuses a document without data: a job with nothing to
  // print is withdrawn, and nothing was lost.
  const bool vazio = !t.falhou && t.bytes == 0;
  const bool aceito = vazio || (!t.falhou && estado < IPP_STATUS_REDIRECTION_OTHER_SITE);
  // A job that lost bytes must not be printed as if it were whole.
  if (vazio || !aceito) cupsCancelJob2(t.conexao, t.fila.c_str(), t.numero, 0);
  httpClose(t.conexao);
  return aceito;
}

int trabalhoImpressoraRaw(int h) {
  std::lock_guard trava(mutexTrabalhos);
  const TrabalhoRaw* t = trabalho(h);
  return t ? t->numero : 0;
}

int paginasImpressoraRaw(int h) {
  std::lock_guard trava(mutexTrabalhos);
  const TrabalhoRaw* t = trabalho(h);
  return t ? t->paginas : 0;
}

bool separaNomeRede(std::string_view nome, std::string& servidor, std::string& fila) {
  if (nome.size() < 2 || nome[0] != '\\' || nome[1] != '\\') return false;
  const std::string_view resto = nome.substr(2);
  const std::size_t barra = resto.find('\\');
  if (barra == std::string_view::npos || barra == 0) return false;
  const std::string_view f = resto.substr(barra + 1);
  if (f.empty() || f.find('\\') != std::string_view::npos) return false;
  servidor = resto.substr(0, barra);
  fila = f;
  return true;
}

int abreFilaRedeRaw(std::string_view nome, std::string_view documento) {
  std::string servidor, fila;
  if (!separaNomeRede(nome, servidor, fila)) return -1;
  const int h = abreImpressoraRawServidor(servidor, fila, documento);
  if (h >= 0) iniciaPaginaRaw(h);
  return h;
}
