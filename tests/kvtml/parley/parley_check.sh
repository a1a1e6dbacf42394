#!/usr/bin/env bash
# Builds the checker against KDE's vocabulary library (Qt 5, its own process) and runs the tests
# that hand Vocamir's KVTML files to it and its files to Vocamir.
# Usage: parley_check.sh SOURCE_DIR KVTML_TESTS_BINARY
# Exit 77 (skipped) when libkeduvocdocument-dev is not installed.
set -euo pipefail
here=$1 tests=$2
if [ ! -f /usr/include/libkeduvocdocument/KEduVocDocument ]; then
  echo "SKIPPED: libkeduvocdocument-dev is not installed (scripts/install-deps.sh installs it)"
  exit 77
fi
checker=$(dirname "$tests")/parley_checker
g++ -std=c++17 -O0 -fPIC -o "$checker" "$here/ParleyChecker.cpp" \
  -I/usr/include/libkeduvocdocument $(pkg-config --cflags --libs Qt5Core Qt5Xml) -lKEduVocDocument
PARLEY_CHECKER=$checker "$tests" --gtest_filter='ParleyChecker.*'
