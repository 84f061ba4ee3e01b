#!/usr/bin/env bash
# Runs one Qt Test program under Wine and prints its log. Under Wine a Qt program's standard
# output reaches no pipe, so the log goes through a file.
# usage: qt_test.sh WINE PROGRAM.exe [ARGS...]
set -u
wine=$1
program=$2
shift 2
log=$(mktemp --suffix=.txt)
"$wine" "$program" -o "Z:$log,txt" "$@"
rc=$?
cat "$log"
rm -f "$log"
exit $rc
