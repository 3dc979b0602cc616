#!/usr/bin/env bash
# The shell completions as built: bash's run as bash runs them, fish's run by fish, zsh's
# parsed, with set -u as some users have it. A shell that is not installed is skipped (status 77).
set -uo pipefail
export LC_ALL=C
completions=$1
shell=$2
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
failures=0

# check WANTED WORDS...: the offers for the last word, sorted, one line.
check() {
    local wanted=$1 got
    shift
    got=$(offers "$@" | sort | tr '\n' ' ' | sed 's/ $//')
    if [[ $got != "$wanted" ]]; then
        echo "completions ($shell): '$*' offers '$got', not '$wanted'" >&2
        failures=$((failures + 1))
    fi
}

mkdir "$scratch/folder"
touch "$scratch/a.msr" "$scratch/b.json" "$scratch/c.txt" "$scratch/log.jsonl"
cd "$scratch" || exit 1

case $shell in
bash)
    # shellcheck source=/dev/null
    source "$completions/bash/quorvel-cli" || exit 1
    [[ $(complete -p quorvel-cli) == "complete -F _quorvel_cli quorvel-cli" ]] || { echo "not registered" >&2; exit 1; }
    offers() {
        COMP_WORDS=(quorvel-cli "$@")
        COMP_CWORD=$#
        COMPREPLY=()
        _quorvel_cli
        printf '%s\n' "${COMPREPLY[@]}"
    }
    check "set show simulate swipe" s
    check "--help --version" --
    check "track-order track-selection track2-account-only transmit-lrc" get a.msr tr
    check "" get a.msr track-order ''
    check "--count" swipe --c
    check "--count --gap --help --json --layout --timeout -o" identify -
    check "b.json folder" identify -o ''
    check "--help --log --no-verify --once --timeout" provision --
    check "a.msr folder" hex ''
    check "b.json folder" apply ''
    check "a.msr folder" apply b.json ''
    check "a.msr b.json folder" provision ''
    check "folder log.jsonl" provision a.msr --log ''
    check "a.msr folder" set -o ''
    check "" swipe --gap ''
    check "a.msr folder" swipe --gap 100 ''
    check "case=" set a.msr ca
    # KEY=VALUE whether or not '=' breaks words.
    check "universal upper" set a.msr case = u
    check "lower universal upper" set a.msr case =
    check "case=universal case=upper" set a.msr case=u
    check "SPANISH SWEDEN/FINLAND SWISS" set a.msr alt-mode=on keyboard-language = S
    check "a.msr folder" diff -- ''
    ;;
zsh)
    command -v zsh >/dev/null || { echo "zsh is not installed: skipped"; exit 77; }
    zsh -n "$completions/zsh/_quorvel-cli" || exit 1
    ;;
fish)
    command -v fish >/dev/null || { echo "fish is not installed: skipped"; exit 77; }
    fish -n "$completions/fish/quorvel-cli.fish" || exit 1
    offers() {
        fish -c 'source $argv[1]; complete -C "quorvel-cli $argv[2]"' "$completions/fish/quorvel-cli.fish" "$*" | cut -f1
    }
    check "set show simulate swipe" s
    check "track-order track-selection track2-account-only transmit-lrc" get a.msr tr
    check "case=universal case=upper" set a.msr case=u
    check "--count" swipe --c
    ;;
esac
exit $((failures > 0))
