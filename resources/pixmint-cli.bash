# Bash completion for pixmint-cli: its commands, their options, and files
# of the kinds each argument takes.

_pixmint_cli() {
  local cur prev words cword
  _init_completion || return
  local commands="info extract create convert replace xcursor xcursor-theme script thumbnail"
  local pictures='@(png|PNG)'

  if ((cword == 1)); then
    COMPREPLY=($(compgen -W "$commands --help --version" -- "$cur"))
    return
  fi
  local command=${words[1]}
  # The position among the words that are not options or their values.
  local i position=0
  for ((i = 2; i < cword; i++)); do
    case ${words[i]} in
      --rate | --sizes | --depths | --hotspot | --threshold | --name | --lang | -o) ((i++)) ;;
      -*) ;;
      *) ((position++)) ;;
    esac
  done

  case $prev in
    --rate | --sizes | --depths | --hotspot | --threshold | --name) return ;;
    --lang)
      COMPREPLY=($(compgen -W "en zh" -- "$cur"))
      return
      ;;
    -o)
      _filedir '@(exe|dll|EXE|DLL)'
      return
      ;;
  esac
  if [[ $cur == -* ]]; then
    local options="--help"
    case $command in
      create) options+=" --rate" ;;
      convert) options+=" --sizes --depths --hotspot --threshold --dither" ;;
      replace) options+=" -o" ;;
      xcursor-theme) options+=" --name" ;;
      script) options+=" --lang" ;;
    esac
    COMPREPLY=($(compgen -W "$options" -- "$cur"))
    return
  fi

  case $command:$position in
    # Xcursor files have no extension of their own: every file is offered.
    info:0 | extract:0 | xcursor:0 | thumbnail:0) _filedir ;;
    extract:1 | xcursor-theme:*) _filedir -d ;;
    create:0 | convert:0) _filedir '@(ico|cur|ani|ICO|CUR|ANI)' ;;
    create:*) _filedir "$pictures" ;;
    convert:*) _filedir '@(png|jpg|jpeg|bmp|svg|PNG|JPG|JPEG|BMP|SVG)' ;;
    replace:0) _filedir '@(exe|dll|cpl|ocx|scr|mun|EXE|DLL)' ;;
    replace:2) _filedir '@(ico|cur|ICO|CUR)' ;;
    thumbnail:1) _filedir "$pictures" ;;
    thumbnail:2) COMPREPLY=($(compgen -W "128 256 512 1024" -- "$cur")) ;;
    script:0 | xcursor:1) _filedir ;;
  esac
} &&
  complete -F _pixmint_cli pixmint-cli
