#!/usr/bin/env bash
# Proves that the digits did not move:
#   fuzz/digits-differential.sh NATIVE_BUILD WEB_BUILD NODE_RUN [VALUES CALCULATIONS]
# First the native core's number texts against the earlier conversions'
# ({fmt}'s digits) for VALUES doubles and VALUES singles (digits_differential),
# then the web core's, under Node, for a tenth of them; then CALCULATIONS whole
# calculations of random designs in one native process and in one Node
# process (calculation_digests), whose digests of every printed line and error
# must be the same. Without counts: 10^7 values and 10^6 calculations (the
# README's figures); ctest runs it with a few thousand.
set -uo pipefail
native=$1 web=$2 node_run=$3 values=${4:-10000000} calculations=${5:-1000000}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0

# timed NAME COMMAND...: runs it, prints its last line and how long it took.
timed() {
    local name=$1 start end status
    shift
    start=$(date +%s.%N)
    "$@" >"$work/$name.txt"
    status=$?
    end=$(date +%s.%N)
    echo "$name: $(tail -n 1 "$work/$name.txt") ($(awk "BEGIN { printf \"%.1f\", $end - $start }") s)"
    return "$status"
}

timed native-digits "$native/fuzz/digits_differential" "$values" || failures=$((failures + 1))
timed web-digits "$node_run" "$web/fuzz/digits_differential.js" $((values / 10)) ||
    failures=$((failures + 1))

timed native-calculations "$native/fuzz/calculation_digests" "$calculations" ||
    failures=$((failures + 1))
timed web-calculations "$node_run" "$web/fuzz/calculation_digests.js" "$calculations" ||
    failures=$((failures + 1))
if ! cmp -s "$work/native-calculations.txt" "$work/web-calculations.txt"; then
    failures=$((failures + 1))
    echo "The editions' calculations differ (< native, > web):" >&2
    diff "$work/native-calculations.txt" "$work/web-calculations.txt" | head -n 6 >&2
    # The first block that differs, line by line.
    block=$(diff "$work/native-calculations.txt" "$work/web-calculations.txt" |
        sed -n 's/^< calculations \([0-9]*\)\.\.\([0-9]*\) .*/\1 \2/p' | head -n 1)
    if [[ -n $block ]]; then
        "$native/fuzz/calculation_digests" "$calculations" 20261209 $block >"$work/native-lines.txt"
        "$node_run" "$web/fuzz/calculation_digests.js" "$calculations" 20261209 $block \
            >"$work/web-lines.txt"
        diff "$work/native-lines.txt" "$work/web-lines.txt" | head -n 40 >&2
    fi
else
    echo "calculations: the native and web digests are the same"
fi
((failures == 0))
