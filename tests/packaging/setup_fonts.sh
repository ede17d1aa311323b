#!/usr/bin/env bash
# After scripts/setup: the system's own fontconfig, as LibreOffice asks it, sets the
# documents' Book Antiqua in a Palatino design, so that a document written by a program
# built from source is set in the serif on this machine.
. "$(dirname "$0")/common.sh"
command -v fc-match >/dev/null || skip "fc-match is not installed (apt-get install fontconfig)"
[ -f /etc/fonts/fonts.conf ] || skip "no system fontconfig configuration in /etc/fonts"
palatino="P052|TeX Gyre Pagella|Palladio URW|URW Palladio L"
for pattern in "Book Antiqua" "Book Antiqua:bold" "Book Antiqua:italic"; do
  got=$(env -u FONTCONFIG_FILE -u FONTCONFIG_PATH fc-match -f '%{family[0]}' "$pattern")
  [[ $got =~ ^($palatino)$ ]] ||
    fail "fc-match '$pattern' gives '$got', not a Palatino design; run scripts/setup program"
done
finish
