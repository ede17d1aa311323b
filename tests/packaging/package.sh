#!/usr/bin/env bash
# The Debian package as cpack makes it.
#   package.sh build    BUILD_DIR OUT_DIR      # cpack -G DEB into OUT_DIR
#   package.sh contents OUT_DIR VERSION        # what it holds, and that its programs run
#   package.sh lintian  OUT_DIR                # Debian's verdict: no error, no warning
. "$(dirname "$0")/common.sh"
what=$1

the_package() {
  local found=("$1"/corvane_*.deb)
  [ -f "${found[0]}" ] || { echo "FAIL no package in $1 (Package.Builds makes it)" >&2; exit 1; }
  echo "${found[0]}"
}

case $what in
  build)
    build=$2 out=$3
    rm -rf "$out" && mkdir -p "$out"
    cpack -G DEB -B "$out" --config "$build/CPackConfig.cmake" > "$out/cpack.log" 2>&1 ||
      { cat "$out/cpack.log"; exit 1; }
    the_package "$out"
    ;;

  contents)
    out=$2 version=$3
    deb=$(the_package "$out")
    expect "Package" "$(dpkg-deb -f "$deb" Package)" corvane
    expect "Version" "$(dpkg-deb -f "$deb" Version)" "$version"
    [[ $(dpkg-deb -f "$deb" Recommends) == *fonts-urw-base35* ]] || fail "fonts-urw-base35 is not recommended"

    # Every file and link, and nothing else (no stray header, library or build file).
    id=invalid.corvane.Corvane alias=30-corvane-book-antiqua.conf
    expect "files" "$(dpkg-deb -c "$deb" | awk '$1 !~ /^d/ {print $6}' | sort | xargs)" "$(sort <<LIST | xargs
./etc/fonts/conf.d/$alias
./usr/bin/corvane
./usr/bin/corvane-cli
./usr/libexec/corvane/corvane-pdf
./usr/share/applications/$id.desktop
./usr/share/bash-completion/completions/corvane-cli
./usr/share/doc/corvane/changelog.gz
./usr/share/doc/corvane/copyright
./usr/share/fontconfig/conf.avail/$alias
./usr/share/icons/hicolor/32x32/apps/corvane.png
./usr/share/icons/hicolor/scalable/apps/corvane.svg
./usr/share/man/man1/corvane-cli.1.gz
./usr/share/man/man1/corvane.1.gz
./usr/share/metainfo/$id.metainfo.xml
LIST
)"

    root=$(mktemp -d)
    trap 'rm -rf "$root"' EXIT
    dpkg-deb -x "$deb" "$root"
    expect "the font alias is switched on" "$(readlink "$root/etc/fonts/conf.d/$alias")" \
      "/usr/share/fontconfig/conf.avail/$alias"
    # The software centre's entry names the desktop entry that is installed, and its icon.
    metainfo=$root/usr/share/metainfo/$id.metainfo.xml
    launchable=$(sed -n 's:.*<launchable type="desktop-id">\(.*\)</launchable>.*:\1:p' "$metainfo")
    expect "launchable" "$launchable" "$(sed -n 's:.*<id>\(.*\)</id>.*:\1:p' "$metainfo").desktop"
    [ -f "$root/usr/share/applications/$launchable" ] || fail "no desktop entry $launchable"
    icon=$(sed -n 's/^Icon=//p' "$root/usr/share/applications/$launchable")
    [ -f "$root/usr/share/icons/hicolor/scalable/apps/$icon.svg" ] || fail "no icon $icon"
    gunzip -c "$root/usr/share/doc/corvane/changelog.gz" > "$root/changelog"
    expect "newest change" "$(dpkg-parsechangelog -l "$root/changelog" -SVersion)" "$version"
    expect "licence" "$(sed -n 's/^License: //p' "$root/usr/share/doc/corvane/copyright" | sort -u)" GPL-3.0-or-later
    # The packaged (stripped) programs run.
    expect "packaged corvane-cli" "$("$root/usr/bin/corvane-cli" --version)" "corvane-cli $version"
    expect "packaged corvane" "$(env -u DISPLAY "$root/usr/bin/corvane" --version)" "corvane $version"
    # The packaged corvane-cli finds the packaged corvane-pdf for --pdf, and loads no Qt itself.
    pdf_start=$(env -u DISPLAY "$root/usr/bin/corvane-cli" --service orthros --date 2026-04-12 \
      --no-saved-temple --pdf - | head -c 5)
    expect "packaged corvane-cli --pdf -" "$pdf_start" "%PDF-"
    ! ldd "$root/usr/bin/corvane-cli" | grep -q libQt || fail "the packaged corvane-cli links Qt"
    ;;

  lintian)
    command -v lintian >/dev/null || skip "lintian is not installed (apt-get install lintian)"
    deb=$(the_package "$2")
    # Tags of the levels info and pedantic are shown, but only errors and warnings fail.
    lintian --fail-on error,warning --display-info "$deb" || fail "lintian reports errors or warnings"
    ;;

  appstream)
    command -v appstreamcli >/dev/null || skip "appstreamcli is not installed (apt-get install appstream)"
    appstreamcli validate --no-net "$2" || fail "appstreamcli finds the software-centre entry invalid"
    ;;
esac
finish
