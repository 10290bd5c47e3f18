#!/usr/bin/env bash
# Runs a Windows test program under 64-bit Wine in the build tree's own prefix,
# creating the prefix on first use. Used as ctest's cross-compiling emulator
# and to run Wine's own programs in tests. TYP_WINE_PREFIX names another
# prefix in the build tree, for tests that need a fresh registry of their own.
set -euo pipefail
build_dir=$(cd "$(dirname "$0")" && pwd)
export WINEPREFIX="$build_dir/${TYP_WINE_PREFIX:-prefix}"
# The common dialogs speak the locale's language: TYP_WINE_LC_ALL=es_ES.UTF-8
# gives Spanish ones; English by default.
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" LC_ALL="${TYP_WINE_LC_ALL:-C.UTF-8}"
(
  flock 9
  if [ ! -f "$WINEPREFIX/.typ-ready" ]; then
    timeout 120 wineboot -i >/dev/null 2>&1
    timeout 60 wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
    timeout 30 wineserver -w
    touch "$WINEPREFIX/.typ-ready"
  fi
) 9>"$WINEPREFIX.lock"
exec timeout "${TYP_WINE_TIMEOUT:-600}" wine "$@"
