#!/usr/bin/env bash
# Builds the Qt-free layers, drun-protokol.exe and their tests for Windows
# with MinGW-w64, runs the tests under Wine and compares drun-protokol.exe's
# output on the example files with this system's drun-protokol, byte for byte.
#   Windows.sh SOURCE_DIR BUILD_DIR DRUN_PROTOKOL
# Exits 77 (ctest: skipped) when the cross compiler or Wine is missing.
set -euo pipefail
zdroj=$1 sestaveni=$2 protokol=$3

chybi=()
command -v x86_64-w64-mingw32-g++-posix >/dev/null || chybi+=(g++-mingw-w64-x86-64-posix)
command -v wine >/dev/null || chybi+=(wine64)
[ -f /usr/src/googletest/CMakeLists.txt ] || chybi+=(googletest)
if [ ${#chybi[@]} -gt 0 ]; then
  echo "Test pro Windows přeskočen: chybí ${chybi[*]} (nainstaluje je scripts/zavislosti)."
  exit 77
fi

if [ ! -f "$sestaveni/build.ninja" ]; then
  cmake -S "$zdroj" -B "$sestaveni" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$zdroj/cmake/MinGW-w64.cmake" \
    -DDRUN_QT=OFF -DDRUN_TESTS=ON >/dev/null
fi
cmake --build "$sestaveni" -j2 | grep -v '^\[' || true
[ -f "$sestaveni/tests/drun_test.exe" ] && [ -f "$sestaveni/src/drun-protokol.exe" ] || {
  echo "Sestavení pro Windows selhalo."
  exit 1
}

# A Wine prefix of the build's own, made once; no dialogs, no debug output.
export WINEPREFIX="$sestaveni/wine" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" DISPLAY=
if [ ! -f "$WINEPREFIX/system.reg" ]; then
  wineboot --init >/dev/null 2>&1 || true
fi

wine "$sestaveni/tests/drun_test.exe" --gtest_brief=1

# The same output from both programs, run in one folder on the same files.
prac=$(mktemp -d)
trap 'rm -rf "$prac"' EXIT
cp "$zdroj/tests/io/data/Kancelar.DRN" "$prac/Kancelář.DRN"
cp "$zdroj/tests/io/data/Kancelar.DRN" "$prac/Druhá.DRN"
cd "$prac"
chyb=0
porovnej() {
  local linux windows
  linux=$("$protokol" "$@" | od -An -tx1 | tr -d ' \n'; echo "${PIPESTATUS[0]}")
  windows=$(wine "$sestaveni/src/drun-protokol.exe" "$@" | od -An -tx1 | tr -d ' \n'; echo "${PIPESTATUS[0]}")
  if [ "$linux" = "$windows" ]; then
    echo "stejné: drun-protokol $*"
  else
    echo "ROZDÍL: drun-protokol $*"
    diff <("$protokol" "$@") <(wine "$sestaveni/src/drun-protokol.exe" "$@") | head -20 || true
    chyb=1
  fi
}
porovnej --datum 7.12.2026 Kancelář.DRN
porovnej --datum 7.12.2026 --stranka 30 --pozadavek N30 Kancelář.DRN
porovnej --csv Kancelář.DRN
porovnej --soucet Kancelář.DRN Druhá.DRN --pozadavek N35
if "$protokol" --help 2>/dev/null | grep -q -- '--navrh'; then
  porovnej --navrh 2 Kancelář.DRN
fi

# Messages: the same UTF-8 bytes on standard error, and the same status.
porovnej_chyby() {
  local linux windows
  linux=$("$protokol" "$@" 2>&1 >/dev/null | od -An -tx1 | tr -d ' \n'; echo "${PIPESTATUS[0]}")
  windows=$(wine "$sestaveni/src/drun-protokol.exe" "$@" 2>&1 >/dev/null | od -An -tx1 | tr -d ' \n'; echo "${PIPESTATUS[0]}")
  if [ "$linux" = "$windows" ]; then
    echo "stejné chyby: drun-protokol $*"
  else
    echo "ROZDÍL v chybách: drun-protokol $*"
    diff <("$protokol" "$@" 2>&1 >/dev/null) <(wine "$sestaveni/src/drun-protokol.exe" "$@" 2>&1 >/dev/null) | head -20 || true
    chyb=1
  fi
}
porovnej_chyby Chybí.DRN
porovnej_chyby --pozadavek N12 Kancelář.DRN

# Standard output appended to the input is refused, and the input stays as it was.
cp Kancelář.DRN původní.DRN
status=0
wine "$sestaveni/src/drun-protokol.exe" Kancelář.DRN >>Kancelář.DRN 2>/dev/null || status=$?
if [ "$status" = 2 ] && cmp -s Kancelář.DRN původní.DRN; then
  echo "odmítnuto: drun-protokol Kancelář.DRN >>Kancelář.DRN"
else
  echo "PŘEPSÁN VSTUP: drun-protokol Kancelář.DRN >>Kancelář.DRN (status $status)"
  chyb=1
fi
exit $chyb
