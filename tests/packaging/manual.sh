#!/usr/bin/env bash
# The programs' --version and --help, and their manual pages against them.
#   manual.sh options  SOURCE_DIR BUILD_DIR VERSION
#   manual.sh generate SOURCE_DIR BUILD_DIR
. "$(dirname "$0")/common.sh"
what=$1 source=$2 build=$3
cli=$build/src/cli/corvane-cli gui=$build/src/widgets/corvane

case $what in
  options)
    version=$4
    # program, its page, the --version wanted; corvane answers without a display.
    while read -r name program page; do
      run=(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$program")
      expect "$name --version" "$("${run[@]}" --version)" "$name $version"
      help=$("${run[@]}" --help) || fail "$name --help exits with $?"
      [[ $help == "Usage: $name "* ]] || fail "$name --help does not start with its usage"
      # The page as a reader sees it: groff's \- is a hyphen.
      text=$(sed 's/\\-/-/g' "$source/data/man/$page")
      expect "$page: version in the title" "$(sed -n '1,3s/^\.TH .*"\([^"]*\)" "User Commands"$/\1/p' <<<"$text")" "$name $version"
      for option in $(grep -oE -- '--[a-z][a-z-]*' <<<"$help" | sort -u); do
        grep -qE -- "(^|[^a-z-])$option([^a-z-]|$)" <<<"$text" || fail "$page does not mention $option"
      done
    done <<LIST
corvane-cli $cli corvane-cli.1
corvane $gui corvane.1
LIST
    ;;
  generate)
    command -v help2man >/dev/null || skip "help2man is not installed (apt-get install help2man)"
    "$source/scripts/update-manpages" --check "$build" || fail "the pages differ from what the programs give"
    ;;
esac
finish
