# Shared by the packaging tests, which CTest runs with SKIP_RETURN_CODE 77.
set -euo pipefail
failures=0

skip() {
  echo "SKIPPED: $*"
  exit 77
}

# expect WHAT GOT WANTED
expect() {
  if [ "$2" != "$3" ]; then
    printf 'FAIL %s\n  got:    %s\n  wanted: %s\n' "$1" "$2" "$3"
    failures=$((failures + 1))
  fi
}

fail() {
  echo "FAIL $*"
  failures=$((failures + 1))
}

finish() {
  [ "$failures" -eq 0 ] || { echo "$failures failed"; exit 1; }
  echo "passed"
}
