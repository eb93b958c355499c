#!/usr/bin/env bash
# Prints, after a ctest run, every test that was skipped and why, from ctest's log of the run:
# ctest's own summary names a skipped test but not its reason (a tmpfs that cannot be mounted, no
# Chromium), and a skip must not pass for a test that ran.
#   scripts/print-skips.sh BUILD_DIR
set -euo pipefail
log="$1/Testing/Temporary/LastTest.log"
[ -f "$log" ] || exit 0
awk '
  /^[0-9]+\/[0-9]+ Test: / { name = $0; sub(/^[0-9]+\/[0-9]+ Test: /, "", name); reason = "" }
  /: Skipped$/ { if ((getline line) > 0) reason = line }
  /^\[  SKIPPED \] / { print "  " name ": " (reason != "" ? reason : "skipped"); found = 1 }
  /^skipped: / { print "  " name ": " substr($0, 10); found = 1 }
  END { if (!found) print "  none" }
' "$log" | { echo "Skipped tests:"; cat; }
