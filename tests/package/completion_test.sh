#!/usr/bin/env bash
# The bash completion of lm418t-cli, called as bash calls it, against the lm418t-cli found on PATH.
#
#   bash tests/package/completion_test.sh COMPLETION-FILE WORK-DIR
set -euo pipefail
source "$1"
cd "$2"
mkdir -p sub
lm418t-cli new --force a.dat >/dev/null
touch B.DAT c.csv notes.txt

# The candidates for a command line typed up to its end, sorted, on one line.
complete_line() {
    COMP_LINE=$1
    COMP_POINT=${#1}
    read -ra COMP_WORDS <<<"$1"
    COMP_CWORD=$((${#COMP_WORDS[@]} - 1))
    COMPREPLY=()
    _lm418t_cli 2>/dev/null
    printf '%s\n' "${COMPREPLY[@]}" | sort | tr '\n' ' ' | sed 's/ $//'
}

keys=$(lm418t-cli settings a.dat | sed -n 's/^\([^#][^=]*\)=.*/\1=/p' | sort | tr '\n' ' ' | sed 's/ $//')
ports=$(
    lm418t-cli ports 2>/dev/null | cut -f 1
    echo simulated
)
ports=$(sort <<<"$ports" | tr '\n' ' ' | sed 's/ $//')

failed=0
while IFS='|' read -r line expected; do
    [ -n "$line" ] || continue
    got=$(complete_line "$line")
    if [ "$got" != "$expected" ]; then
        echo "completion of '$line': got '$got', expected '$expected'" >&2
        failed=1
    fi
done <<EOF_CASES
lm418t-cli ch|channel channels
lm418t-cli --v|--version
lm418t-cli help se|set settings
lm418t-cli write --p|--password --port
lm418t-cli write --id|--id-code-from --id-code-step
lm418t-cli verify --port |$ports
lm418t-cli channel a.dat 3 |bandwidth= busy-lock= compander= epilogue= over-tone= power= rx-tone= rx= scan-add= scrambler= tx-tone= tx=
lm418t-cli channel --csv a.dat 3 rx=446 s|scan-add= scrambler=
lm418t-cli channel a.dat 3 power=|High Low Mid
lm418t-cli set a.dat |$keys
lm418t-cli set a.dat --from |notes.txt sub
lm418t-cli read --port |$ports
lm418t-cli info |B.DAT a.dat sub
lm418t-cli export --format grid a.dat |c.csv sub
lm418t-cli new --variant |UHF VHF
lm418t-cli sheet a.dat --language |Chinese English
EOF_CASES
[ "$failed" = 0 ] || exit 1
echo "completion: fine"
