// The one line reader: every reader of a text file (documents, the INI file,
// data files, the draft file) walks its bytes through it, each with the
// line-end rule of its own format. A line's bytes are never changed.
#pragma once

#include <cstddef>
#include <iterator>
#include <string_view>

namespace plataforma {

enum class RegraFimLinha {
  // LF ends a line and a CR right before it is dropped; any other CR is text,
  // a CR that ends the buffer included.
  lf,
  // As lf, and a CR that ends the buffer is dropped too (a CR LF cut short).
  lfCrFinal,
  // CR LF, a lone LF and a lone CR each end a line.
  crLfLfOuCr,
};

struct LinhaLida {
  std::string_view texto;     // the line without its end
  std::size_t numero = 0;     // 1-based, for messages
  std::size_t inicio = 0;     // where the line starts in the buffer
  std::size_t proxima = 0;    // where the next line starts (after this line's end)
  bool terminada = false;     // the line had a line end (only the last may lack one)
};

// The lines of a buffer, for a range-for. An empty buffer has no lines; a
// final line end adds no empty line. The buffer must outlive the reader.
class LeitorLinhas {
 public:
  class Iterador {
   public:
    using value_type = LinhaLida;
    using difference_type = std::ptrdiff_t;

    const LinhaLida& operator*() const { return atual_; }
    const LinhaLida* operator->() const { return &atual_; }
    Iterador& operator++() {
      avanca();
      return *this;
    }
    void operator++(int) { avanca(); }
    bool operator==(std::default_sentinel_t) const { return acabou_; }

   private:
    friend class LeitorLinhas;
    Iterador(std::string_view buffer, RegraFimLinha regra);
    void avanca();

    std::string_view buffer_;
    RegraFimLinha regra_;
    LinhaLida atual_;
    bool acabou_ = false;
  };

  // Reads buffer with the given line-end rule.
  LeitorLinhas(std::string_view buffer, RegraFimLinha regra) : buffer_(buffer), regra_(regra) {}
  // The first line (or the end, for an empty buffer).
  Iterador begin() const { return Iterador(buffer_, regra_); }
  std::default_sentinel_t end() const { return {}; }

 private:
  std::string_view buffer_;
  RegraFimLinha regra_;
};

}  // namespace plataforma
