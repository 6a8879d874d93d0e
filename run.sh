#!/usr/bin/env bash
# Installs what is missing, builds, creates the starter library in library/ on
# the first run, and starts the program on it.  Arguments go to the program
# (a keyword to look up in the name index).
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/.ci/prepare"

mivrel_install_dependencies
mivrel_build

library="$MIVREL_ROOT/library"
# The program also opens 资料数据.bak in place of a missing database.
if [ ! -e "$library/资料数据.sdb" ] && [ ! -e "$library/资料数据.bak" ]; then
  "$MIVREL_BUILD/src/tool/mivrel-tool" init --starter "$library/"
  echo "Created the starter library in $library"
fi
MIVREL_HOME="$library" exec "$MIVREL_BUILD/src/app/mivrel" "$@"
