# bash completion for tarnvale-cli: sub-commands, their options and values, file names, and the
# group names of the book being worked on for --group.

_tarnvale_cli_options() {
    case $1 in
    mail-addresses) echo --group --field --separator --label ;;
    find) echo --fields --ignore-case-width ;;
    export-csv) echo --fields --group --encoding --output --force --rfc4180 --header ;;
    import-csv) echo --map --add --encoding --header --rfc4180 --replace-unencodable ;;
    merge) echo --output ;;
    postcards) echo --output --group --sender --honorific --digits --offset --force ;;
    import-vcard) echo --add --replace-unencodable ;;
    export-vcard) echo --group --version --output --force ;;
    sync) echo --user --password-file ;;
    esac
}

_tarnvale_cli() {
    local cur=${COMP_WORDS[COMP_CWORD]} prev=${COMP_WORDS[COMP_CWORD - 1]}
    local command=${COMP_WORDS[1]} book=${COMP_WORDS[2]-} name
    COMPREPLY=()
    if ((COMP_CWORD == 1)); then
        mapfile -t COMPREPLY < <(compgen -W "dump copy mail-addresses find export-csv import-csv
            duplicates merge postcards import-vcard export-vcard sync set delete
            --help -h --version" -- "$cur")
        return
    fi
    case $prev in
    --group)
        book=${book/#\~/$HOME}
        while IFS= read -r name; do
            [[ $name == "$cur"* ]] && COMPREPLY+=("$(printf '%q' "$name")")
        done < <(tarnvale-cli groups "$book" 2>/dev/null)
        return
        ;;
    --field) mapfile -t COMPREPLY < <(compgen -W "1 2" -- "$cur") && return ;;
    --encoding)
        [[ $command == import-csv ]] && name="auto cp932 utf-8" || name="cp932 utf-8"
        mapfile -t COMPREPLY < <(compgen -W "$name" -- "$cur")
        return
        ;;
    --version) mapfile -t COMPREPLY < <(compgen -W "3.0 4.0" -- "$cur") && return ;;
    --digits) mapfile -t COMPREPLY < <(compgen -W "kanji arabic" -- "$cur") && return ;;
    --map) mapfile -t COMPREPLY < <(compgen -W "header" -- "$cur") && return ;;
    --honorific) mapfile -t COMPREPLY < <(compgen -W "none" -- "$cur") && return ;;
    --fields | --separator | --sender | --offset | --user) return ;;
    esac
    if [[ $cur == -* ]]; then
        mapfile -t COMPREPLY < <(compgen -W "$(_tarnvale_cli_options "$command")" -- "$cur")
        return
    fi
    # Anything else is a file name; readline completes those itself.
    compopt -o default 2>/dev/null
}

complete -F _tarnvale_cli tarnvale-cli
