#!/bin/sh
# The layers depend downwards only: the application layer (src/app) may use every subsystem,
# no subsystem may use the application layer.
set -eu
src=$1
if grep -rn '#include "app/' "$src" --include='*.h' --include='*.cpp' | grep -v "^$src/app/"; then
    echo "the files above reach up into src/app"
    exit 1
fi
