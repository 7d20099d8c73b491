#include "brtrabalho.h"

#include <chrono>
#include <memory>
#include <system_error>

#include "brcom.h"
#include "brvars.h"

TrabalhoSegundoPlano::~TrabalhoSegundoPlano() {
  if (!thread_.joinable()) return;
  if (!ativo_) {
    thread_.join();
  } else {
    // The program ends in the middle of a job: stop it and let the end of
    // the process take the thread.
    cancelaImpressao = true;
    thread_.detach();
  }
}

bool TrabalhoSegundoPlano::reserva() {
  bool livre = false;
  return ativo_.compare_exchange_strong(livre, true);
}

void TrabalhoSegundoPlano::desiste() { ativo_ = false; }

void TrabalhoSegundoPlano::inicia(std::function<void()> corpo) {
  std::lock_guard trava(mutex_);
  // A new job starts only once the guard is back, so the previous worker has
  // nothing left to do but return.
  if (thread_.joinable()) thread_.join();
  // Shared with the worker, so that it is still here when no thread could
  // be made.
  auto dono = std::make_shared<std::function<void()>>(std::move(corpo));
  const auto executa = [this, dono] {
    (*dono)();
    *dono = nullptr;  // what the job owns goes before the guard is back
    ativo_ = false;
  };
  try {
    thread_ = std::thread(executa);
  } catch (const std::system_error&) {
    // No thread: end the job here, as the worker would have.
    executa();
  }
}

void TrabalhoSegundoPlano::aguarda() {
  std::lock_guard trava(mutex_);
  if (thread_.joinable()) thread_.join();
}

void TrabalhoSegundoPlano::encerra(const std::function<void()>& entreEsperas) {
  encerrandoPrograma = true;
  if (!ativo_) return;
  cancelaImpressao = true;
  while (ativo_) {
    if (entreEsperas) entreEsperas();
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  aguarda();
}
