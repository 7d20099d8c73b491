#!/usr/bin/env bash
# Installs what is needed, builds, and starts the editor on the example document.
set -euo pipefail
raiz=$(cd "$(dirname "$0")/.." && pwd)
"$raiz/scripts/setup.sh"
"$raiz/scripts/build.sh" "$raiz/build"
cd "$raiz/build/bin"
exec ./lumarel "$raiz/data/exemplo.txt"
