#!/usr/bin/env bash
# The manual pages render without errors and within 80 columns, as man shows them on a terminal
# of 80 columns (a line length of 78).
#   manual_width_test.sh <page>...
set -u
failures=0
for page in "$@"; do
    rendered=$(LC_ALL=C.UTF-8 groff -t -man -Tutf8 -ww -rLL=78n -rLT=78n "$page" 2>&1 >/dev/null)
    if [[ -n $rendered ]]; then
        echo "FAIL: $page: groff says: $rendered"
        failures=$((failures + 1))
    fi
    wide=$(LC_ALL=C.UTF-8 groff -t -man -Tutf8 -rLL=78n -rLT=78n "$page" 2>/dev/null |
        sed 's/\x1b\[[0-9;]*m//g; s/.\x08//g' | awk '{ if (length($0) > 80) print length($0) ": " $0 }')
    if [[ -n $wide ]]; then
        echo "FAIL: $page: lines wider than 80 columns:"
        echo "$wide"
        failures=$((failures + 1))
    fi
done
echo "$(($# * 2 - failures)) passed, $failures failed"
[[ $failures -eq 0 ]]
