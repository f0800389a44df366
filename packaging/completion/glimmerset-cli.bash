# SPDX-License-Identifier: GPL-3.0-or-later
# bash completion for glimmerset-cli.
#
# The commands and their options are read from the program's own --help, once per shell, so
# completion offers exactly what the installed program accepts. Where a command takes photos,
# file names are filtered to the formats Glimmerset reads; folders are always offered.

_glimmerset_cli_photos='jpg|jpeg|jpe|png|tif|tiff|webp|heic|heif|gif|bmp'

# Fills _glimmerset_cli_usage[command]="usage line" from `glimmerset-cli --help`.
_glimmerset_cli_read_help()
{
    [[ ${_glimmerset_cli_usage+set} ]] && return
    declare -gA _glimmerset_cli_usage=()
    local line in_commands='' name usage
    while IFS= read -r line; do
        if [[ $line == commands: ]]; then
            in_commands=1
        elif [[ $in_commands && $line =~ ^\ \ ([a-z][a-z0-9-]*)\ ?(.*)$ ]]; then
            name=${BASH_REMATCH[1]}
            usage=${BASH_REMATCH[2]}
            _glimmerset_cli_usage[$name]=$usage
        fi
    done < <("$1" --help 2>/dev/null)
}

_glimmerset_cli()
{
    local cur prev words cword
    _init_completion || return

    _glimmerset_cli_read_help "${words[0]}"

    if ((cword == 1)); then
        COMPREPLY=($(compgen -W "${!_glimmerset_cli_usage[*]} --help --version" -- "$cur"))
        return
    fi

    local command=${words[1]}
    local usage=${_glimmerset_cli_usage[$command]-}
    [[ $usage ]] || return

    # The value of an option, by what the usage line calls it; in "--a|--b FILE" both take FILE.
    local value="(^|[[ (|])$prev(\|--[a-z0-9-]+)* ([A-Z][A-Za-z.]*|\"[^\"]*\")"
    if [[ $prev == --* && $usage =~ $value ]]; then
        case ${BASH_REMATCH[3]} in
            DIR) _filedir -d ;;
            PHOTO) _filedir "$_glimmerset_cli_photos" ;;
            FILE.plist) _filedir plist ;;
            *) ;; # free text: nothing to offer
        esac
        return
    fi

    if [[ $cur == -* ]]; then
        COMPREPLY=($(compgen -W "$(grep -oE -- '--[a-z][a-z0-9-]*' <<<"$usage" | sort -u)" -- "$cur"))
        return
    fi

    case $command in
        camera)
            if ((cword == 2)); then
                COMPREPLY=($(compgen -W "$(grep -oE '^[a-z|]+' <<<"$usage" | tr '|' ' ')" -- "$cur"))
            fi
            ;;
        library)
            if ((cword == 2)); then
                COMPREPLY=($(compgen -W "$(grep -oE '^[a-z]+' <<<"$usage")" -- "$cur"))
            else
                _filedir -d
            fi
            ;;
        check-update) ;;
        *) _filedir "$_glimmerset_cli_photos" ;;
    esac
} &&
    complete -F _glimmerset_cli glimmerset-cli
