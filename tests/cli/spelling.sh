# Every fixed text the program prints goes through hunspell's en_US dictionary
# and the project's word list of names and liturgical words: the saints and
# feasts of two years in both calendars, every service variant, the day's
# names, the headings, the three endings and each patron's clause. A word
# found in neither fails, so that a new misspelling cannot slip into a text
# that a priest reads aloud.
#   spelling.sh CORVANE_CLI WORD_LIST
source "$(dirname "$0")/../packaging/common.sh"
cli=$1
words=$2

command -v hunspell > /dev/null || skip "hunspell is not installed (scripts/setup installs it)"
[ -f /usr/share/hunspell/en_US.dic ] || skip "hunspell's en_US dictionary is not installed"

texts=$(mktemp)
# An empty data folder: no temple saved by the window on this machine speaks here.
XDG_DATA_HOME=$(mktemp -d)
export XDG_DATA_HOME
trap 'rm -rf "$texts" "$XDG_DATA_HOME"' EXIT
variants=(great-vespers daily-vespers orthros daily-orthros chrysostom "chrysostom --evening" basil
          "basil --evening" presanctified)
for calendar in new old; do
  for variant in "${variants[@]}"; do
    # shellcheck disable=SC2086  # a variant may carry --evening
    "$cli" --service $variant --date 2026-01-01 --to 2027-12-31 --calendar "$calendar"
    "$cli" --service $variant --date 2026-04-01 --to 2026-04-30 --calendar "$calendar" --bishop
  done
done > "$texts"
for patron in cross archangels forerunner apostles nicholas gregory chrysostom basil; do
  for variant in great-vespers daily-vespers daily-orthros chrysostom basil presanctified; do
    "$cli" --service "$variant" --date 2026-01-01 --to 2026-01-14 --patron "$patron"
  done
done >> "$texts"

# Each distinct line once: the same texts come back on many days.
unknown=$(sort -u "$texts" | hunspell -d en_US -p "$words" -l | sort -u)
if [ -n "$unknown" ]; then
  fail "words in neither the dictionary nor $words:"
  echo "$unknown" | sed 's/^/  /'
fi
finish
