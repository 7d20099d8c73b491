// Raw print jobs on the system's print service: bytes that go to the printer
// untouched. Used by the editor's output channel and by the drawing program's
// own; nothing here reads or writes a program's globals, so each program keeps
// its own job handle.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// A job holds one open page at a time between page start and end.
//
// Starts a raw job on the printer `impressora` (its queue name; empty = the
// default destination) titled `documento`. `saida` names an output port on
// systems that route jobs that way; here jobs always go to the queue, so it
// is not used. Returns the job's handle, or -1 (with nothing left behind).
int abreImpressoraRaw(std::string_view impressora, std::string_view saida,
                      std::string_view documento);
// The same on the queue `fila` of the print server `servidor` ("host" or
// "host:port").
int abreImpressoraRawServidor(std::string_view servidor, std::string_view fila,
                              std::string_view documento);
// Page start and end of a job; false on an unknown handle.
bool iniciaPaginaRaw(int h);
bool terminaPaginaRaw(int h);
// Writes bytes to the job; the count that went out (all or nothing).
std::size_t escreveImpressoraRaw(int h, std::string_view dados);
// Ends the document and releases the job. True when the print service
// accepted the whole job; a job with a failed write is cancelled.
bool fechaImpressoraRaw(int h);
// The print service's number of the job, and how many pages it started
// (0 for an unknown handle).
int trabalhoImpressoraRaw(int h);
int paginasImpressoraRaw(int h);

// A network printer name \\host\queue split into its host and queue; false
// when the name has not that form.
bool separaNomeRede(std::string_view nome, std::string& servidor, std::string& fila);
// A raw job on the network printer \\host\queue, its first page started; the
// handle, or -1 when the name has not that form or the job did not open.
int abreFilaRedeRaw(std::string_view nome, std::string_view documento);
