#!/usr/bin/env bash
# Installs what is needed, builds and runs every test. The exit code is the tests' result.
# Usage: scripts/test.sh [build-folder] [extra cmake options...]
set -euo pipefail
raiz=$(cd "$(dirname "$0")/.." && pwd)
pasta=${1:-"$raiz/build"}
shift || true
"$raiz/scripts/setup.sh"
"$raiz/scripts/build.sh" "$pasta" "$@"
cd "$pasta"
ctest --output-on-failure --parallel "$(nproc)"
