# bash completion for mousecfgctl
_mousecfgctl()
{
    local cur prev words cword
    _init_completion || return

    local commands="devices battery write select listen show set macro profile virtual --help"
    if [[ $cword -eq 1 ]]; then
        COMPREPLY=($(compgen -W "$commands" -- "$cur"))
        return
    fi

    case ${words[1]} in
        show)
            COMPREPLY=($(compgen -W "--json --profile" -- "$cur"))
            ;;
        set)
            case $prev in
                --profile) COMPREPLY=($(compgen -W "1 2 3 4 5" -- "$cur")) ;;
                set) COMPREPLY=($(compgen -W "--profile dpi level active-level rate debounce sync angle-snapping jitter motion-wake lift sensor-mode effect brightness speed color sleep move-to-light-off button" -- "$cur")) ;;
                rate) COMPREPLY=($(compgen -W "125 250 500 1000" -- "$cur")) ;;
                sync|angle-snapping|jitter|motion-wake|move-to-light-off) COMPREPLY=($(compgen -W "on off" -- "$cur")) ;;
                lift) COMPREPLY=($(compgen -W "1 2" -- "$cur")) ;;
                sensor-mode) COMPREPLY=($(compgen -W "eco standard competitive" -- "$cur")) ;;
                *) COMPREPLY=($(compgen -W "--write" -- "$cur")) ;;
            esac
            ;;
        macro)
            [[ $cword -eq 2 ]] && COMPREPLY=($(compgen -W "list show import export delete rename gun" -- "$cur"))
            [[ $prev == import || $prev == export ]] && _filedir
            ;;
        profile)
            if [[ $cword -eq 2 ]]; then
                COMPREPLY=($(compgen -W "list add copy delete rename pick import export reset reset-all" -- "$cur"))
            elif [[ $prev == --slot ]]; then
                COMPREPLY=($(compgen -W "1 2 3 4 5" -- "$cur"))
            elif [[ $prev == import || $prev == export ]]; then
                _filedir prof
            else
                COMPREPLY=($(compgen -W "--slot --write --force" -- "$cur"))
            fi
            ;;
        select)
            [[ $cword -eq 2 ]] && COMPREPLY=($(compgen -W "1 2 3 4 5" -- "$cur"))
            ;;
        virtual)
            if [[ $cword -eq 2 ]]; then
                COMPREPLY=($(compgen -W "dump plug unplug status battery sleep fault" -- "$cur"))
            elif [[ $cword -eq 3 ]]; then
                case $prev in
                    plug|unplug) COMPREPLY=($(compgen -W "dongle cable all" -- "$cur")) ;;
                    sleep) COMPREPLY=($(compgen -W "on off" -- "$cur")) ;;
                    fault) COMPREPLY=($(compgen -W "silent zero echo clear" -- "$cur")) ;;
                esac
            fi
            ;;
    esac
} &&
    complete -F _mousecfgctl mousecfgctl
