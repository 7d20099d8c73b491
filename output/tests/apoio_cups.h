// Connects a test to the private print server that the ctest fixture
// "cupsd" starts (its folder holds the file "servidor" with host:port and the
// folder "captura" with each job's bytes).
#pragma once

#include <cups/cups.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <optional>
#include <string>

#include "apoio_dispositivos.h"
#include "arquivos.h"

namespace apoio {

class ServidorCups {
 public:
  // Points the client at the server. Skips the test where cupsd is not
  // installed and fails it where the server is not running; the caller's
  // SetUp returns when IsSkipped() or HasFatalFailure().
  void conecta() {
    const char* pasta = std::getenv("LUMAREL_CUPSD_DIR");
    pasta_ = pasta && *pasta ? pasta : LUMAREL_CUPSD_DIR;
    if (pasta_.empty() || !plataforma::leArquivo(pasta_ + "/servidor", servidor_)) {
      if (::access("/usr/sbin/cupsd", X_OK) != 0 && ::access("/usr/bin/cupsd", X_OK) != 0)
        GTEST_SKIP() << "cupsd is not installed: the print server tests are skipped";
      FAIL() << "cupsd is installed but the test print server is not running "
                "(run these tests through ctest, whose fixture starts it)";
    }
    while (!servidor_.empty() && (servidor_.back() == '\n' || servidor_.back() == '\r'))
      servidor_.pop_back();
    variavel_.emplace("CUPS_SERVER", servidor_);
    cupsSetServer(servidor_.c_str());
    ::unsetenv("PRINTER");
    ::unsetenv("LPDEST");
  }
  ~ServidorCups() { cupsSetServer(nullptr); }

  const std::string& pasta() const { return pasta_; }
  const std::string& servidor() const { return servidor_; }

 private:
  std::string pasta_;
  std::string servidor_;
  std::optional<Variavel> variavel_;
};

}  // namespace apoio
