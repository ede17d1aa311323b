#!/usr/bin/env bash
# The bash completion of corvane-cli, sourced into a plain bash (no bash-completion helpers).
#   completion.sh COMPLETION_FILE CORVANE_CLI
. "$(dirname "$0")/common.sh"
# shellcheck source=/dev/null
. "$1"
[ "$(complete -p corvane-cli)" = "complete -F _corvane_cli corvane-cli" ] ||
  fail "corvane-cli is not completed by _corvane_cli"

# The names as the program itself lists them, so that the completion cannot fall behind it.
help=$("$2" --help)
names() { sed -n "/^$1: /,/^[A-Z]/p" <<<"$help" | sed "s/^$1: //; /^[A-Z]/d; s/,/ /g" | xargs; }
services=$(names SERVICES) patrons=$(names PATRONS)
options=$(grep -oE -- '^  --[a-z-]+' <<<"$help" | xargs)
[ -n "$services" ] && [ -n "$patrons" ] && [ -n "$options" ] || fail "no names read from --help"

folder=$(mktemp -d)
trap 'rm -rf "$folder"' EXIT
cd "$folder"
touch list.txt lent.docx "with space.txt"

joined() { [ $# -eq 0 ] || printf '%s\n' "$@" | sort | paste -sd,; }

# The words typed before the cursor ('' is the empty word at the cursor), then what is offered.
while IFS='|' read -r typed wanted; do
  eval "words=($typed)"
  COMP_WORDS=(corvane-cli "${words[@]}")
  COMP_CWORD=$((${#COMP_WORDS[@]} - 1))
  COMP_LINE="${COMP_WORDS[*]}" COMP_POINT=${#COMP_LINE}
  COMPREPLY=()
  _corvane_cli || true  # compgen ends with 1 when nothing matches
  eval "want=($wanted)"
  expect "corvane-cli $typed" "$(joined "${COMPREPLY[@]}")" "$(joined "${want[@]}")"
done <<CASES
--service ''|$services
--service d|daily-vespers daily-orthros
--service = or|orthros
--patron ni|nicholas
--patron ''|$patrons
--calendar ''|new old
--paper ''|letter a4
''|$options
--pa|--patron --patron-text --paper
--no|--no-saved-temple
--service basil --se|
--date 2026-01-07 --service|--service
--date ''|
--txt l|list.txt lent.docx
--docx w|with\ space.txt
--booklet ''|- lent.docx list.txt with\ space.txt
CASES
finish
