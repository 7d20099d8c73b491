// A print job run on a worker thread of its own, at most one at a time. The
// guard is taken on the GUI thread before the job's first step and given back
// by the worker as its very last one, so a second job is refused for the
// whole of the first. Both programs use it: the editor for its pages, the
// drawing program for its canvas.
#pragma once

#include <atomic>
#include <functional>
#include <mutex>
#include <thread>

class TrabalhoSegundoPlano {
 public:
  TrabalhoSegundoPlano() = default;
  // Waits for an ended worker; a job still running when the program ends is
  // cancelled and let go with the process.
  ~TrabalhoSegundoPlano();
  TrabalhoSegundoPlano(const TrabalhoSegundoPlano&) = delete;
  TrabalhoSegundoPlano& operator=(const TrabalhoSegundoPlano&) = delete;

  // Takes the guard; false while a job runs.
  bool reserva();
  // Gives the guard back when the job ends before its worker starts.
  void desiste();
  // With the guard taken: runs `corpo` on a new worker (on this thread when no
  // thread can be made), destroys it there and gives the guard back.
  void inicia(std::function<void()> corpo);
  // A job is running (from reserva to the end of its worker).
  bool ativo() const { return ativo_; }
  // Waits for the worker to end. Only where the worker cannot be waiting for
  // this thread (never on the GUI thread while a box of the worker is shown).
  void aguarda();
  // At the program's end: a running job is cancelled (its waits let go) and
  // waited for, with `entreEsperas` run between looks, since the worker may
  // be waiting for the GUI thread.
  void encerra(const std::function<void()>& entreEsperas);

 private:
  std::atomic<bool> ativo_{false};
  std::mutex mutex_;
  std::thread thread_;
};

// The guard of a job that has not reached its worker yet: taken when made,
// given back on every way out of the start unless the worker took it over.
class ReservaTrabalho {
 public:
  explicit ReservaTrabalho(TrabalhoSegundoPlano& t) : trabalho_(t), obtida_(t.reserva()) {}
  ~ReservaTrabalho() {
    if (obtida_) trabalho_.desiste();
  }
  ReservaTrabalho(const ReservaTrabalho&) = delete;
  ReservaTrabalho& operator=(const ReservaTrabalho&) = delete;
  // False while another job runs.
  explicit operator bool() const { return obtida_; }
  // The worker started and gives the guard back itself.
  void entregue() { obtida_ = false; }

 private:
  TrabalhoSegundoPlano& trabalho_;
  bool obtida_;
};
