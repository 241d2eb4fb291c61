#!/usr/bin/env bash
# The web edition's headless calculator, run by Node, answers every input as
# the native one does, byte for byte:
#   compare-cli-editions.sh NATIVE_BUILD WEB_BUILD NODE_RUN CORPUS_FOLDER
# First the listings of both builds' cli_outcomes (the status, output and
# errors for every corpus file and the 5,000 generated inputs) must be the
# same file; then the programs themselves, zephyrod-cli and zephyrod-cli.js,
# must write the same standard output and error and end with the same status
# for each corpus file (plain and --csv), every 250th generated input and the
# options. (Node takes about a second to start a program on a busy machine:
# the programs run on a sample, their shared code on every input.)
set -uo pipefail
native=$1 web=$2 node_run=$3 corpus=$4

for program in "$native/fuzz/cli_outcomes" "$native/cli/zephyrod-cli"; do
    if [[ ! -x $program ]]; then
        echo "$program is missing: build the native edition first (cmake --build --preset default)" >&2
        exit 1
    fi
done
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0

"$native/fuzz/cli_outcomes" "$corpus" >"$work/native.txt"
native_status=$?
"$node_run" "$web/fuzz/cli_outcomes.js" "$corpus" >"$work/web.txt"
web_status=$?
if ((native_status != 0 || web_status != 0)); then
    echo "cli_outcomes failed: native status $native_status, web status $web_status" >&2
    failures=$((failures + 1))
elif ! cmp -s "$work/native.txt" "$work/web.txt"; then
    echo "The editions answer differently (< native, > web):" >&2
    diff -a "$work/native.txt" "$work/web.txt" | head -n 40 >&2
    failures=$((failures + 1))
else
    echo "cli_outcomes: $(grep -c '^input ' "$work/native.txt") inputs answered alike"
fi

# compare NAME ARGS...: both programs with the same arguments.
compare() {
    local name=$1
    shift
    "$native/cli/zephyrod-cli" "$@" >"$work/native.out" 2>"$work/native.err"
    echo $? >"$work/native.status"
    "$node_run" "$web/cli/zephyrod-cli.js" "$@" >"$work/web.out" 2>"$work/web.err"
    echo $? >"$work/web.status"
    local part
    for part in out err status; do
        if ! cmp -s "$work/native.$part" "$work/web.$part"; then
            echo "zephyrod-cli $name: the $part differs (< native, > web):" >&2
            diff -a "$work/native.$part" "$work/web.$part" | head -n 20 >&2
            failures=$((failures + 1))
        fi
    done
}

runs=0
for file in "$corpus"/*; do
    mapfile -t fields <"$file"
    compare "$(basename "$file")" "${fields[@]}"
    compare "--csv $(basename "$file")" --csv "${fields[@]}"
    runs=$((runs + 2))
done
count=0
while IFS= read -r -d '' input; do
    if ((count++ % 250 == 0)); then
        mapfile -t fields <<<"$input"
        compare "input $count" "${fields[@]}"
        runs=$((runs + 1))
    fi
done < <("$native/fuzz/cli_outcomes" --inputs "$corpus")
compare "--help" --help
compare "--version" --version
compare "an unknown option" -x 7.07
compare "five values" 1 2 3 4 5
compare "no values" --
runs=$((runs + 5))
echo "zephyrod-cli: $runs runs compared"

((failures == 0))
