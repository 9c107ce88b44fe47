#!/usr/bin/env bash
# Brings translations/*.ts up to date with the texts in the sources:
#   update-translations.sh [LANG]   adds new texts (unfinished, for a
#                                   translator to fill in with Qt Linguist)
#                                   and marks texts no longer used; a
#                                   language code (nl) starts that language's
#                                   file, translations/figurewheel_nl.ts;
#   update-translations.sh --check  changes nothing: runs lupdate on copies
#                                   and fails if any text is unfinished,
#                                   empty or no longer used, so a new text
#                                   without its translations fails the tests.
# LUPDATE names the lupdate to run (default: Qt 6's).
set -euo pipefail
cd "$(dirname "$0")/.."

lupdate=${LUPDATE:-}
if [ -z "$lupdate" ]; then
  for candidate in /usr/lib/qt6/bin/lupdate "$(command -v lupdate6 || true)"; do
    if [ -n "$candidate" ] && [ -x "$candidate" ]; then lupdate=$candidate; break; fi
  done
fi
if [ -z "$lupdate" ]; then
  echo "update-translations: lupdate is missing; run: bash scripts/setup.sh" >&2
  exit 1
fi

# The folders of the game's own code; tests, tools and benchmarks show no
# player anything.
sources=(app board celebration cells core mainwindow media numbers records screenreader shell sound ui)
ts_files=(translations/figurewheel_*.ts)

# The include path lets lupdate find fw::ui::Texts, whose tr() puts every
# text in the one context "Figurewheel".
run_lupdate() { # run_lupdate TS_FILE...
  "$lupdate" -silent -locations none -extensions cpp,h -I . "${sources[@]}" -ts "$@"
}

case ${1:-} in
  '')
    run_lupdate "${ts_files[@]}"
    ;;
  [a-z][a-z] | [a-z][a-z][a-z] | [a-z][a-z]_[A-Z][A-Z])
    run_lupdate "${ts_files[@]}" "translations/figurewheel_$1.ts"
    ;;
  --check)
    tmp=$(mktemp -d)
    trap 'rm -rf "$tmp"' EXIT
    copies=()
    for ts in "${ts_files[@]}"; do
      cp "$ts" "$tmp/"
      copies+=("$tmp/$(basename "$ts")")
    done
    run_lupdate "${copies[@]}"
    passed=0 failed=0
    for copy in "${copies[@]}"; do
      name=translations/$(basename "$copy")
      texts=$(grep -c '<source>' "$copy" || true)
      # lupdate marks a new text unfinished and a text gone from the sources
      # vanished (or obsolete); an empty translation is as good as none.
      open=$(grep -cE '<translation type="(unfinished|obsolete|vanished)"|<translation></translation>|<translation/>' "$copy" || true)
      if [ "$open" -eq 0 ] && [ "$texts" -gt 0 ]; then
        echo "ok: $name translates all $texts texts"
        passed=$((passed + 1))
      else
        echo "FAIL: $name has $open of $texts texts unfinished, empty or no longer used;" \
          "run bash scripts/update-translations.sh and translate them with Qt Linguist:" >&2
        grep -B3 -E '<translation type="(unfinished|obsolete|vanished)"|<translation></translation>|<translation/>' "$copy" |
          grep -E '<source>' | sed 's/^ */  /' >&2
        failed=$((failed + 1))
      fi
    done
    echo "$passed passed, $failed failed"
    [ "$failed" -eq 0 ]
    ;;
  *)
    echo "usage: $0 [--check | LANGUAGE]" >&2
    exit 2
    ;;
esac
