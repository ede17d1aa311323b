#!/usr/bin/env bash
# The documents' fonts, Book Antiqua and Palatino Linotype, as fontconfig resolves them
# with the shipped alias added to the system's configuration.
#   fonts.sh ALIAS_FILE
. "$(dirname "$0")/common.sh"
alias_file=$1
command -v fc-match >/dev/null || skip "fc-match is not installed (apt-get install fontconfig)"
[ -f /etc/fonts/fonts.conf ] || skip "no system fontconfig configuration in /etc/fonts"
fc-list : family | grep -qx P052 ||
  skip "no Palatino design is installed (apt-get install fonts-urw-base35)"

folder=$(mktemp -d)
trap 'rm -rf "$folder"' EXIT
# config NAME [FIRST] [LAST]: a configuration of the system's with FIRST before it and LAST after.
config() {
  local file=$folder/$1.conf
  {
    echo '<?xml version="1.0"?><!DOCTYPE fontconfig SYSTEM "urn:fontconfig:fonts.dtd"><fontconfig>'
    echo "${2:-}<include>/etc/fonts/fonts.conf</include>${3:-}"
    echo '</fontconfig>'
  } > "$file"
  echo "$file"
}
ours="<include>$alias_file</include>"
# The Palatino designs out of sight: a machine without fonts-urw-base35, fonts-texgyre or URW Palladio.
hidden="<selectfont><rejectfont><glob>*/urw-base35/*</glob><glob>*P052*</glob><glob>*pagella*</glob><glob>*palladio*</glob><glob>*Palladio*</glob></rejectfont></selectfont>"
palatino="P052|TeX Gyre Pagella|Palladio URW|URW Palladio L"

# configuration | pattern | the style wanted (the design's own bold and italic, not synthesised
# from the roman) | the family wanted (an extended regular expression, or serif)
while IFS='|' read -r setup pattern style wanted; do
  case $setup in
    installed) file=$(config installed "$ours") ;;   # where conf.d puts it, before the generics
    late) file=$(config late "" "$ours") ;;          # after every rule of the system
    bare) file=$(config bare "$ours" "$hidden") ;;
  esac
  # "serif": whatever the configuration's default serif is (DejaVu Serif on Debian).
  [ "$wanted" != serif ] || wanted=$(FONTCONFIG_FILE=$file fc-match -f '%{family[0]}' serif)
  got=$(FONTCONFIG_FILE=$file fc-match -f '%{family[0]}|%{style[0]}' "$pattern")
  [[ ${got%%|*} =~ ^($wanted)$ ]] || fail "$setup: fc-match '$pattern' gives '$got', not $wanted"
  [ -z "$style" ] || expect "style of $pattern" "${got#*|}" "$style"
done <<CASES
installed|Book Antiqua||$palatino
installed|Book Antiqua:bold|Bold|$palatino
installed|Book Antiqua:italic|Italic|$palatino
installed|Palatino Linotype||$palatino
late|Book Antiqua||$palatino
bare|Book Antiqua||serif
bare|Palatino Linotype||serif
CASES
finish
