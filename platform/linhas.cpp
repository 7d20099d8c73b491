#include "linhas.h"

namespace plataforma {

LeitorLinhas::Iterador::Iterador(std::string_view buffer, RegraFimLinha regra)
    : buffer_(buffer), regra_(regra) {
  avanca();
}

void LeitorLinhas::Iterador::avanca() {
  const std::size_t inicio = atual_.proxima;
  if (acabou_ || inicio >= buffer_.size()) {
    acabou_ = true;
    return;
  }
  const bool soLf = regra_ != RegraFimLinha::crLfLfOuCr;
  const std::size_t quebra = soLf ? buffer_.find('\n', inicio) : buffer_.find_first_of("\r\n", inicio);
  std::size_t fim = quebra;
  if (quebra == std::string_view::npos) {
    fim = buffer_.size();
    atual_.proxima = buffer_.size();
    atual_.terminada = false;
    if (regra_ == RegraFimLinha::lfCrFinal && fim > inicio && buffer_[fim - 1] == '\r') --fim;
  } else {
    atual_.proxima = quebra + 1;
    atual_.terminada = true;
    if (soLf) {
      if (fim > inicio && buffer_[fim - 1] == '\r') --fim;
    } else if (buffer_[quebra] == '\r' && atual_.proxima < buffer_.size() &&
               buffer_[atual_.proxima] == '\n') {
      ++atual_.proxima;
    }
  }
  atual_.texto = buffer_.substr(inicio, fim - inicio);
  atual_.inicio = inicio;
  ++atual_.numero;
}

}  // namespace plataforma
