#!/usr/bin/env bash
# Runs every fuzz target for SECONDS each from its corpus in the tree, then minimises the corpus
# back into the tree. Usage: tests/fuzz/run.sh BUILD_DIR SECONDS [TARGET...]
set -euo pipefail
build=$1 seconds=$2
shift 2
here=$(cd "$(dirname "$0")" && pwd)
targets=("$@")
[ ${#targets[@]} -gt 0 ] || targets=(exchange_scanner_fuzz settings_fuzz filter_fuzz codepage_fuzz delimited_fuzz kvtml_reader_fuzz)
for target in "${targets[@]}"; do
  corpus="$here/corpus/$target"
  found=$(mktemp -d)
  options=()
  [ "$target" = exchange_scanner_fuzz ] && options+=(-dict="$here/exchange.dict")
  mkdir -p "$corpus"
  echo "== $target: $seconds s"
  "$build/tests/fuzz/$target" "${options[@]}" -max_total_time="$seconds" -print_final_stats=1 \
    "$found" "$corpus" 2>&1 | grep -E "^(#[0-9]+.*(DONE|INITED)|stat::|==.*ERROR|SUMMARY)" || true
  # The corpus in the tree keeps only what adds coverage.
  minimised=$(mktemp -d)
  "$build/tests/fuzz/$target" -merge=1 "$minimised" "$corpus" "$found" 2>/dev/null
  rm -rf "$corpus" "$found"
  mv "$minimised" "$corpus"
  echo "   corpus: $(ls "$corpus" | wc -l) files"
done
