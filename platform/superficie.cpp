#include "superficie.h"

namespace {
FabricaSuperficie fabricaAtual;
}  // namespace

void instalaFabricaSuperficie(FabricaSuperficie fabrica) { fabricaAtual = std::move(fabrica); }

std::unique_ptr<SuperficieDesenho> criaSuperficie() {
  return fabricaAtual ? fabricaAtual() : nullptr;
}
