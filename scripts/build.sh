#!/usr/bin/env bash
# Configures and builds in parallel. Usage: scripts/build.sh [build-folder] [extra cmake options...]
set -euo pipefail
raiz=$(cd "$(dirname "$0")/.." && pwd)
pasta=${1:-"$raiz/build"}
shift || true
cmake -S "$raiz" -B "$pasta" "$@"
cmake --build "$pasta" --parallel "$(nproc)"
