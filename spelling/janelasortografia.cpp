#include "janelasortografia.h"

#include "formespere.h"
#include "formquickmessage.h"
#include "formsubst.h"
#include "servicoqt.h"
#include "textoqt.h"

JanelasOrtografia janelasOrtografia() {
  JanelasOrtografia j;
  j.mostraEspera = [] {
    if (formEspere) formEspere->mostra();
  };
  j.escondeEspera = [] {
    if (formEspere) formEspere->hide();
  };
  j.aviso = [](const std::string& texto) {
    if (formQuickMessage) formQuickMessage->mostraMensagem(texto);
  };
  j.substituicao = [](const std::optional<std::string>& frase) {
    if (!formSubst) return;
    if (frase) formSubst->l_frase->setText(textoqt::paraQString(*frase));
    formSubst->FormActivate();
    servicoqt::mostraModal(*formSubst);
  };
  return j;
}
