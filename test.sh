#!/usr/bin/env bash
# Installs what is missing, builds, and runs the whole test suite (the GUI
# tests start their own Xvfb).
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/.ci/prepare"

mivrel_install_dependencies
mivrel_build
ctest --test-dir "$MIVREL_BUILD" --output-on-failure -j2
