// The message service with Qt dialogs: message boxes, input queries, file
// names, font and printer choice. A request from another thread (the print
// worker) is shown by the GUI thread while the caller waits.
#pragma once

#include <QDialog>
#include <QFileDialog>
#include <QMessageBox>
#include <QString>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "mensagens.h"

namespace servicoqt {

// The title of boxes that name none: the name the program set, else "Lumarel".
// (Qt names an application after its executable until the program sets a name.)
QString tituloPrograma();
// The box's title: the one given, else the program's.
QString tituloDaCaixa(const std::string& titulo);

QMessageBox::Icon iconeDoTipo(plataforma::TipoMensagem tipo);
QMessageBox::StandardButton botaoParaQt(plataforma::Botao botao);
plataforma::Botao botaoDeQt(int botao);
// The buttons a caller names (OK alone when it names none).
QMessageBox::StandardButtons botoesParaQt(const std::vector<plataforma::Botao>& botoes);
// The button Escape and the close box choose: Cancel, else No, else OK.
plataforma::Botao botaoDeEscape(const std::vector<plataforma::Botao>& botoes);

// "Description|*.ext|Description 2|*.a;*.b" -> Qt's
// "Description (*.ext *.EXT);;Description 2 (*.a *.A *.b *.B)": each pattern
// also in lower and upper case, as the old dialogs matched names.
QString filtroParaQt(std::string_view filtro);

// The file dialogs are Qt's own: a desktop's dialog would speak the
// desktop's language, not the program's.
inline constexpr QFileDialog::Options opcoesDialogoArquivo = QFileDialog::DontUseNativeDialog;

// Runs f on the GUI thread and waits for it when called from another thread.
void naThreadGui(const std::function<void()>& f);

// A file name from the desktop (a dialog, a drop, the command line) in
// Windows-1252; nothing, after the refusal box naming it as written, when it
// holds a character the code page lacks: a name made of "?" would be another
// file.
std::optional<std::string> nomeAceito(const QString& nome);

// Every modal window the programs show goes through here: by default its
// exec(). Tests put their own way in (fill the window, press its button), so
// that no exec() waits for a user; an empty function restores the default.
using MostraModal = std::function<int(QDialog&)>;
int mostraModal(QDialog& janela);
void defineMostraModal(MostraModal f);

// Watches a program this process started, without blocking: when it ends
// with a failure (any exit code but 0, a signal), `aoFalhar` runs on the GUI
// thread. The watch ends with the program.
void vigiaPrograma(int pid, std::function<void()> aoFalhar);

}  // namespace servicoqt

class ServicoMensagensQt : public plataforma::ServicoMensagens {
 public:
  plataforma::Botao mensagem(plataforma::TipoMensagem tipo, const std::string& titulo,
                             const std::string& texto,
                             const std::vector<plataforma::Botao>& botoes) override;
  plataforma::Botao mensagemUtf8(plataforma::TipoMensagem tipo, const std::string& titulo,
                                 const std::string& textoUtf8,
                                 const std::vector<plataforma::Botao>& botoes) override;
  std::optional<std::string> pergunta(const std::string& titulo, const std::string& rotulo,
                                      const std::string& valorInicial) override;
  std::optional<std::string> nomeArquivoAbrir(const std::string& titulo, const std::string& pasta,
                                              const std::string& filtro) override;
  std::optional<std::string> nomeArquivoSalvar(const std::string& titulo,
                                               const std::string& nomeInicial,
                                               const std::string& filtro) override;
  std::optional<plataforma::EscolhaFonte> escolheFonte(
      const plataforma::EscolhaFonte& atual) override;
  std::optional<plataforma::EscolhaImpressora> escolheImpressora() override;
};
