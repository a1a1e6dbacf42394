#!/usr/bin/env bash
# The data tool started in a folder removed since says so and fails, instead of aborting.
# Usage: removed_folder_test.sh VOCAMIR_DATA
set -u
tool=$1
folder=$(mktemp -d)
cd "$folder" && rmdir "$folder"
output=$("$tool" stats 2>&1)
status=$?
echo "$output"
[ "$status" -eq 1 ] || { echo "exit status $status, expected 1"; exit 1; }
[[ $output == *"the folder it was started in cannot be read"* ]] || { echo "no message"; exit 1; }
