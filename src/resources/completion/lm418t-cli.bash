# bash completion for lm418t-cli                                        -*- shell-script -*-
#
# Commands, options, channel fields and setting keys are read from the tool's own help texts, so that the
# completion follows the installed tool. Option values are completed by what the usage line names them:
# DEVICE from the present serial ports, FILE.ext by extension, A|B by its words, DIR by folders.

# Output of "lm418t-cli ARGS...", kept for the rest of the shell session.
declare -gA _lm418t_cli_cache
_lm418t_cli_run() {
    local key="$*"
    if [[ -z ${_lm418t_cli_cache[$key]+set} ]]; then
        _lm418t_cli_cache[$key]=$("$@" 2>/dev/null)
    fi
    printf '%s\n' "${_lm418t_cli_cache[$key]}"
}

_lm418t_cli_commands() {
    _lm418t_cli_run "$1" --help | awk '/^Commands:/ { on = 1; next } on && /^  [a-z]/ { print $1 } on && /^$/ { exit }'
}

# The words after the command name on the usage line of "COMMAND --help".
_lm418t_cli_usage() {
    _lm418t_cli_run "$1" "$2" --help | sed -n "s/^Usage: [^ ]* $2 *//p" | head -n 1
}

# Field names (with "=") of "channel --help": every lower-case word written as name=.
_lm418t_cli_fields() {
    _lm418t_cli_run "$1" channel --help | grep -oE '(^|[[:space:]])[a-z][a-z0-9-]*=' | tr -d ' \t' | sort -u
}

# The values a channel field lists as name=A|B|C.
_lm418t_cli_field_values() {
    _lm418t_cli_run "$1" channel --help | grep -oE "(^|[[:space:]])$2=[^[:space:]]*\|[^[:space:]]*" |
        sed 's/^[[:space:]]*[^=]*=//' | tr '|' '\n' | sort -u
}

# Setting keys (with "=") of "set --help": its table of windows and keys, without the window names and the
# notes in brackets; "name-1 .. name-8" stands for the whole row of keys.
_lm418t_cli_keys() {
    _lm418t_cli_run "$1" set --help | awk '
        /^  / {
            line = $0
            sub(/^ +/, "", line)
            if ($0 ~ /^  [A-Z]/) {
                sub(/^[A-Z][A-Za-z]*( [A-Z][A-Za-z]*)*  +/, "", line)
                line = ", " line
            }
            text = text " " line
        }
        END {
            while (match(text, /\([^()]*\)/)) text = substr(text, 1, RSTART - 1) substr(text, RSTART + RLENGTH)
            n = split(text, items, /[,;:]/)
            for (i = 1; i <= n; i++) {
                item = items[i]
                gsub(/^ +| +$/, "", item)
                if (match(item, /^[a-z][a-z-]*-[0-9]+ \.\. [a-z][a-z-]*-[0-9]+$/)) {
                    split(item, ends, / \.\. /)
                    stem = ends[1]; sub(/[0-9]+$/, "", stem)
                    first = substr(ends[1], length(stem) + 1); last = substr(ends[2], length(stem) + 1)
                    for (k = first + 0; k <= last + 0; k++) print stem k "="
                } else if (item ~ /^[a-z0-9][a-z0-9-]*$/ && item ~ /[a-z]/) {
                    print item "="
                }
            }
        }' | sort -u
}

# The ports present now (never from the cache: cables come and go), else the USB serial devices.
_lm418t_cli_ports() {
    local ports
    ports=$("$1" ports 2>/dev/null | cut -f 1)
    [[ -n $ports ]] || ports=$(compgen -G '/dev/ttyUSB*'; compgen -G '/dev/ttyACM*')
    printf '%s\n' $ports simulated
}

# Files whose name ends in .ext, in any case, and folders to find them in.
_lm418t_cli_files() {
    local ext=$1 cur=$2 pattern= c
    for ((c = 0; c < ${#ext}; c++)); do
        local ch=${ext:c:1}
        pattern+="[${ch,,}${ch^^}]"
    done
    compopt -o filenames 2>/dev/null
    COMPREPLY+=($(compgen -d -- "$cur") $(compgen -f -X "!*.$pattern" -- "$cur"))
}

# Completes cur as a value named meta on a usage line (DEVICE, OUT.dat, grid|common, DIR, NAME ...).
_lm418t_cli_value() {
    local tool=$1 meta=$2 option=$3 cur=$4
    meta=${meta%|-}
    case $meta in
        DEVICE) COMPREPLY=($(compgen -W "$(_lm418t_cli_ports "$tool")" -- "$cur")) ;;
        DIR | FOLDER) compopt -o filenames 2>/dev/null; COMPREPLY=($(compgen -d -- "$cur")) ;;
        *.*) _lm418t_cli_files "${meta##*.}" "$cur" ;;
        *'|'*) COMPREPLY=($(compgen -W "${meta//|/ }" -- "$cur")) ;;
        NAME)
            if [[ $option == --language ]]; then
                local bin dir names=
                bin=$(command -v "$tool") && dir=$(dirname "$bin")
                for file in "$dir"/*.Ini "$dir"/../share/lm418t/*.Ini; do
                    [[ -e $file ]] || continue
                    file=${file##*/}
                    [[ $file == SysInfo.Ini ]] || names+=" ${file%.Ini}"
                done
                COMPREPLY=($(compgen -W "$names" -- "$cur"))
            fi
            ;;
    esac
}

_lm418t_cli() {
    local tool=${COMP_WORDS[0]}
    # Words of our own: bash splits "rx=446" at "=", the usage lines do not.
    local line=${COMP_LINE:0:COMP_POINT}
    local -a words
    read -ra words <<<"$line"
    [[ -z $line || $line == *[[:space:]] ]] && words+=("")
    local cur=${words[-1]} prev=
    ((${#words[@]} > 1)) && prev=${words[-2]}
    COMPREPLY=()

    if ((${#words[@]} <= 2)); then
        if [[ $cur == -* ]]; then
            COMPREPLY=($(compgen -W "--help --version" -- "$cur"))
        else
            COMPREPLY=($(compgen -W "$(_lm418t_cli_commands "$tool") help" -- "$cur"))
        fi
        return
    fi
    local command=${words[1]}
    if [[ $command == help ]]; then
        ((${#words[@]} == 3)) && COMPREPLY=($(compgen -W "$(_lm418t_cli_commands "$tool")" -- "$cur"))
        return
    fi
    local usage
    usage=$(_lm418t_cli_usage "$tool" "$command")
    [[ -n $usage ]] || return

    # The value of an option: the word after it on the usage line.
    if [[ $prev == --* && " $usage " =~ [[\ ]$prev\ ([^][\ ]+) ]]; then
        _lm418t_cli_value "$tool" "${BASH_REMATCH[1]}" "$prev" "$cur"
        return
    fi
    if [[ $cur == -* ]]; then
        COMPREPLY=($(compgen -W "$(grep -oE -- '--[a-z][a-z-]*' <<<"$usage" | sort -u) --help" -- "$cur"))
        return
    fi

    # The arguments: the usage line without its options, taken in order; "..." repeats the one before.
    local -a metas
    read -ra metas <<<"$(sed -e 's/ |.*//' -e 's/\[--[^]]*\]//g' -e 's/--[a-z-]* [^ ]*//g' -e 's/[][]//g' <<<"$usage")"
    local i n=0 takes
    for ((i = 2; i < ${#words[@]} - 1; i++)); do
        if [[ ${words[i]} == --* ]]; then
            [[ " $usage " =~ [[\ ]${words[i]}\ [^][\ ]+ ]] && ((i++))
        else
            ((n++))
        fi
    done
    local meta=
    if ((n < ${#metas[@]})); then
        meta=${metas[n]}
        [[ $meta == ... ]] && meta=${metas[n - 1]}
    elif ((${#metas[@]} > 1)) && [[ ${metas[-1]} == ... ]]; then
        meta=${metas[-2]}
    fi

    case $meta in
        FIELD=VALUE | KEY=VALUE)
            local names
            if [[ $meta == FIELD=VALUE ]]; then names=$(_lm418t_cli_fields "$tool"); else names=$(_lm418t_cli_keys "$tool"); fi
            if [[ $cur == *=* && $meta == FIELD=VALUE ]]; then
                # bash replaces only what follows the "=" when "=" breaks words.
                local field=${cur%%=*} prefix=
                [[ $COMP_WORDBREAKS == *=* ]] || prefix="$field="
                COMPREPLY=($(compgen -P "$prefix" -W "$(_lm418t_cli_field_values "$tool" "$field")" -- "${cur#*=}"))
            elif [[ $cur != *=* ]]; then
                compopt -o nospace 2>/dev/null
                COMPREPLY=($(compgen -W "$names" -- "$cur"))
            fi
            ;;
        N) COMPREPLY=($(compgen -W "$(seq 1 16)" -- "$cur")) ;;
        *.*) _lm418t_cli_value "$tool" "$meta" "" "$cur" ;;
    esac
}

complete -F _lm418t_cli lm418t-cli
