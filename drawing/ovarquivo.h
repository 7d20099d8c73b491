// The drawing window's commands that are not tools, without the window: the
// drawing files (.GRB: one text line per dot row, "*" for a dot), undo, the
// block commands on the selection, and the settings asked in query boxes.
// Queries, file names and notices go through the message service; the window
// repaints after them.
#pragma once

#include <string>
#include <string_view>

namespace orvento {

// The caption: "Orvento " and the name, without its folders, of the file the
// drawing was last read from or written to; "Orvento" for a drawing never
// read or written.
std::string tituloDesenho();

// The drawing as its file holds it.
std::string textoDoDesenho();
// "&Abrir" once a name is chosen: the file's first 301 lines and 301
// characters of each replace the drawing, any character but a blank being a
// dot, and nomeDesenho becomes the name. A file with dots beyond those says
// once that they were left out. A file that cannot be read shows "Arquivo
// não pode ser aberto" and changes nothing.
bool abreDesenho(const std::string& nome);
// "&Abrir" with its dialog; false when nothing was opened.
bool abreDesenhoEscolhido();
// "&Salvar": under nomeDesenho, or as "Salvar &Como..." when there is none.
// The old file is replaced only by a complete new one; a failed write shows
// "Erro ao gravar arquivo". True when the drawing was written.
bool salvaDesenho();
// "Salvar &Como...": the dialog proposes nomeDesenho; a name typed without
// an extension gets ".grb". nomeDesenho takes the name only when the drawing
// was written there. Cancelled: nothing is written.
bool salvaDesenhoComo();

// "&Desfazer": the drawing and the undo copy change places.
void trocaDesfazer();

// The block commands on selecao. A block beyond the canvas is clipped: only
// the elements whose canvas and clipboard positions both lie in 0..300 take
// part. The screen is left to the caller.
void copiaBloco();
void recortaBloco();
void colaBloco();
void sobrepoeBloco();

// The settings asked in query boxes; a cancelled query reads as an empty
// text. True when the values changed.
bool perguntaNumeroPontos();
bool perguntaOrigem();
bool perguntaEscala();  // a 0 in either value is refused as a bad number
bool perguntaDispositivo();

}  // namespace orvento
