# bash completion for kolvira-render

_kolvira_render() {
    local cur=${COMP_WORDS[COMP_CWORD]} prev=${COMP_WORDS[COMP_CWORD - 1]}
    # "--style=pe" arrives as "--style" "=" "pe" when '=' breaks words.
    if [[ $cur == = ]]; then
        cur=
    elif [[ $prev == = && COMP_CWORD -ge 2 ]]; then
        prev=${COMP_WORDS[COMP_CWORD - 2]}
    fi
    local IFS=$'\n'
    COMPREPLY=()

    case $prev in
    --style)
        COMPREPLY=($(compgen -W $'pen\npencil\ncoal\nwater-color\npicasso\nrainbow\nrevolution\neffects' -- "$cur"))
        return ;;
    --format)
        COMPREPLY=($(compgen -W $'png\njpg\njpeg\nbmp\ntif\ntiff\nppm\nwebp' -- "$cur"))
        return ;;
    -d | --output-dir | --contact-sheet)
        compopt -o filenames 2>/dev/null
        COMPREPLY=($(compgen -d -- "$cur"))
        return ;;
    --look)
        # a saved look's name, or a look file
        local looks=${XDG_DATA_HOME:-$HOME/.local/share}/kolvira/looks
        COMPREPLY=($(cd "$looks" 2>/dev/null && compgen -f -X '!*.json' -- "$cur" | sed 's/\.json$//'))
        compopt -o filenames 2>/dev/null
        COMPREPLY+=($(compgen -f -- "$cur"))
        return ;;
    -o | --output | --files-from | --report | --look-from)
        compopt -o filenames 2>/dev/null
        COMPREPLY=($(compgen -f -- "$cur"))
        return ;;
    --width | --threads | --pen-press | --details | --brightness | --red | --green | --blue | \
        --brush-size | --old-color | --new-color | --depth | --thumb-width | --dpi | --shard)
        return ;; # a number or a colour: nothing to offer
    esac

    if [[ $cur == -* ]]; then
        COMPREPLY=($(compgen -W "$(printf '%s\n' \
            -o --output -d --output-dir --format --width --strip \
            --look --look-from --print-look \
            --style --pen-press --details --brightness --red --green --blue \
            --invert --shift --sandy-sky --blur --impression-brush --brush-size --stamp \
            --bw-photo --bw-dream --old-color --new-color --depth \
            --files-from -0 --null --shard --skip-existing --report \
            --contact-sheet --thumb-width --dpi --no-thumbnail-cache \
            --threads -q --quiet -h --help --version)" -- "$cur"))
        return
    fi
    compopt -o filenames 2>/dev/null
    COMPREPLY=($(compgen -f -- "$cur"))
}
complete -F _kolvira_render kolvira-render
