#!/usr/bin/env bash
# Builds Reelvoyager and starts it on the bundled sample lists, with a profile of its
# own (under .run/), so the user's settings are not touched.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
scripts/setup.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DRV_BUILD_BENCH=OFF
cmake --build build -j "$(nproc)" --target reelvoyager listgen sumwatch

lists="$root/sample-lists"
if [ ! -f "$lists/Movies.list" ]; then
  build/tools/listgen --sample --out "$lists"
fi

export XDG_CONFIG_HOME="$root/.run/config"
profile="$XDG_CONFIG_HOME/Tolvik-Software/Reelvoyager.conf"
if [ ! -f "$profile" ]; then
  mkdir -p "$(dirname "$profile")"
  # QSettings' INI keys: a blank is %20; the '/' inside a value name is stored as %2F by
  # the profile adapter, whose '%' the INI file escapes again as %25.
  printf '[Settings]\nLists%%20Path=%s/\nDefault%%20Open%%252FSave%%20Directory=%s/\n' "$lists" "$root/.run" > "$profile"
fi
# Three documents about titles and a person of the sample lists, to open with File > Open.
if [ ! -f "$root/.run/film.rvmtv" ]; then
  cp docs/samples/*.rv* "$root/.run/"
fi
exec build/bin/reelvoyager "$@"
