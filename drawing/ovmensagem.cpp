#include "ovmensagem.h"

#include "cp1252.h"
#include "mensagens.h"
#include "ovtelavirt.h"

namespace orvento {

void exibeAviso(const std::string& mensagem) {
  plataforma::servicoMensagens().mensagem(plataforma::TipoMensagem::simples, mensagem, {},
                                          {plataforma::Botao::ok});
}

bool podeDescartarDesenho() {
  using plataforma::Botao;
  if (!telaTemPontos()) return true;
  return plataforma::servicoMensagens().mensagem(plataforma::TipoMensagem::simples, {}, "Já gravou ?"_cp,
                                                 {Botao::nao, Botao::ok, Botao::cancelar}) == Botao::ok;
}

}  // namespace orvento
