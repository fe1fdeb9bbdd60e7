#!/usr/bin/env bash
# The bash completion of korvant-cli, sourced as bash-completion sources it: the options, the
# words of the options that take one, and file names where a file is asked.
#   completion_test.sh <completion script>
set -u
source "$1"
failures=0
checks=0

# Completes the words of a command line whose last word is being typed.
completions()
{
    COMP_WORDS=("$@")
    COMP_CWORD=$(($# - 1))
    COMPREPLY=()
    _korvant_cli
    printf '%s\n' "${COMPREPLY[@]}" | sort | tr '\n' ' ' | sed 's/ $//'
}

expect()
{
    local got
    checks=$((checks + 1))
    got=$(completions "${@:2}")
    if [[ $got != "$1" ]]; then
        echo "FAIL: korvant-cli ${*:3}: expected '$1', got '$got'"
        failures=$((failures + 1))
    fi
}

folder=$(mktemp -d)
trap 'rm -rf "$folder"' EXIT
cd "$folder" || exit 1
touch design.inp other.INP notes.txt
mkdir runs

expect '--units' korvant-cli --un
expect '--list-aircraft' korvant-cli --list
expect '--format' korvant-cli --form
expect 'english metric' korvant-cli --units ''
expect 'metric' korvant-cli --units m
expect 'bonded one unbonded' korvant-cli --mix 34 --structure ''
expect 'csv json' korvant-cli --trace ''
expect 'json' korvant-cli --format j
expect 'json' korvant-cli --format = j
expect 'csv json' korvant-cli --format =
expect 'A B C D' korvant-cli --pcr --category ''
expect '- design.inp other.INP runs' korvant-cli --inp ''
expect 'design.inp' korvant-cli --inp d
expect 'design.inp notes.txt other.INP runs' korvant-cli --save ''
expect 'notes.txt' korvant-cli --samples n
expect '' korvant-cli --mix ''
expect '' korvant-cli --units x

# The script registers itself for the command.
checks=$((checks + 1))
complete -p korvant-cli | grep -q -- '-F _korvant_cli' || {
    echo "FAIL: korvant-cli has no completion function"
    failures=$((failures + 1))
}
echo "$((checks - failures)) passed, $failures failed"
[[ $failures -eq 0 ]]
