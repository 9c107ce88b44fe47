#!/usr/bin/env bash
# Checks what `cmake --install` lays out and what the Debian package ships:
#  - installs the built game into a temporary prefix and compares the tree
#    with the expected list of files (nothing missing, nothing extra);
#  - checks the media files, the icon sizes, the desktop entry and the
#    software-centre entry (desktop-file-validate, appstreamcli) and that
#    the program looks for its media where they are installed;
#  - checks that the change log's latest entry is for this version;
#  - builds the .deb with CPack into a temporary folder and checks its control
#    fields (Depends computed by dpkg-shlibdeps), its file list, the place of
#    the media files and that the program in it is stripped, then has lintian,
#    Debian's package checker, find no error and no warning in it.
# Needs no root and installs nothing on the machine.
set -euo pipefail

usage() {
  echo "usage: $0 --build DIR --source DIR --version X.Y.Z --prefix DIR --bindir DIR --moduledir DIR --datadir DIR --mandir DIR" >&2
  exit 2
}

build='' source='' version='' prefix='' bindir='' moduledir='' datadir='' mandir=''
while [ $# -gt 0 ]; do
  case $1 in
    --build) build=$2 ;;
    --source) source=$2 ;;
    --version) version=$2 ;;
    --prefix) prefix=$2 ;;
    --bindir) bindir=$2 ;;
    --moduledir) moduledir=$2 ;;
    --datadir) datadir=$2 ;;
    --mandir) mandir=$2 ;;
    *) usage ;;
  esac
  shift 2 || usage
done
[ -n "$build" ] && [ -n "$source" ] && [ -n "$version" ] && [ -n "$prefix" ] && [ -n "$bindir" ] && [ -n "$moduledir" ] && [ -n "$datadir" ] && [ -n "$mandir" ] || usage
for dir in "$bindir" "$moduledir" "$datadir" "$mandir"; do
  case "$dir" in
    /*) echo "FAIL: the checks expect bindir, moduledir, datadir and mandir relative to the prefix" >&2; exit 1 ;;
  esac
done

for tool in cmake cpack dpkg-deb dpkg-shlibdeps desktop-file-validate appstreamcli file strings cmp lintian; do
  if ! command -v "$tool" >/dev/null; then
    echo "FAIL: $tool is missing; run: bash scripts/setup.sh test" >&2
    exit 1
  fi
done

app_id=example.figurewheel.Figurewheel
icon_sizes=(16 24 32 48 64 128 256)

tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

passed=0 failed=0
ok() { echo "ok: $*"; passed=$((passed + 1)); }
fail() { echo "FAIL: $*" >&2; failed=$((failed + 1)); }
check() { # check DESCRIPTION COMMAND...
  local what=$1
  shift
  if "$@"; then ok "$what"; else fail "$what"; fi
}

# Every file the install rules lay out, relative to the prefix.
expected=(
  "$bindir/figurewheel"
  "$moduledir/libfigurewheel-sound.so"
  "$datadir/figurewheel/hound.wav"
  "$datadir/figurewheel/dancers.gif"
  "$datadir/applications/figurewheel.desktop"
  "$datadir/metainfo/$app_id.metainfo.xml"
  "$mandir/man6/figurewheel.6.gz"
  "$datadir/doc/figurewheel/changelog.gz"
)
for n in "${icon_sizes[@]}"; do
  expected+=("$datadir/icons/hicolor/${n}x${n}/apps/figurewheel.png")
done
if [ -f "$source/LICENSE" ]; then
  expected+=("$datadir/doc/figurewheel/copyright")
fi
printf '%s\n' "${expected[@]}" | sort >"$tmp/expected.txt"

# --- the installed tree --------------------------------------------------

root=$tmp/root
if ! cmake --install "$build" --prefix "$root" >"$tmp/install.log" 2>&1; then
  cat "$tmp/install.log" >&2
  fail "cmake --install into a temporary prefix"
  exit 1
fi
ok "cmake --install into a temporary prefix"

(cd "$root" && find . -type f -o -type l | sed 's|^\./||' | sort) >"$tmp/installed.txt"
if diff -u "$tmp/expected.txt" "$tmp/installed.txt" >"$tmp/tree.diff"; then
  ok "installed tree holds exactly the expected files"
else
  cat "$tmp/tree.diff" >&2
  fail "installed tree differs from the expected files (- missing, + extra)"
fi

check "the program is an executable" test -x "$root/$bindir/figurewheel"
for media in hound.wav dancers.gif; do
  check "$media is installed unchanged" cmp -s "$source/media/$media" "$root/$datadir/figurewheel/$media"
done

# The game looks for its media in the data directory of the configured
# prefix; that exact path must be built into the program (as a Qt string
# literal, so in UTF-16).
game_datadir=$prefix/$datadir/figurewheel
check "the program looks for its media in $game_datadir" \
  grep -qxF -- "$game_datadir" <(strings -a -el "$root/$bindir/figurewheel")

# The sound module is opened at run time, from the folder the build was
# configured for or the same folder relative to the program.
game_moduledir=$prefix/$moduledir
check "the program looks for its sound module in $game_moduledir" \
  grep -qxF -- "$game_moduledir" <(strings -a -el "$root/$bindir/figurewheel")

for n in "${icon_sizes[@]}"; do
  icon=$root/$datadir/icons/hicolor/${n}x${n}/apps/figurewheel.png
  check "the ${n}x${n} icon is a PNG of that size" \
    grep -qF "PNG image data, $n x $n," <(file -b "$icon" 2>/dev/null)
done

desktop=$root/$datadir/applications/figurewheel.desktop
check "desktop-file-validate accepts the desktop entry" desktop-file-validate "$desktop"
desktop_key() { sed -n "s/^$1=//p" "$desktop" | head -n 1; }
check "the desktop entry starts the installed program" \
  test -x "$root/$bindir/$(desktop_key Exec | cut -d' ' -f1)"
check "the desktop entry names the installed icon" \
  test -f "$root/$datadir/icons/hicolor/48x48/apps/$(desktop_key Icon).png"
check "the desktop entry is in the game categories" \
  test "$(desktop_key Categories)" = "Game;LogicGame;"

metainfo=$root/$datadir/metainfo/$app_id.metainfo.xml
if appstreamcli validate --no-net "$metainfo" >"$tmp/appstream.log" 2>&1; then
  ok "appstreamcli validate accepts the metainfo"
else
  cat "$tmp/appstream.log" >&2
  fail "appstreamcli validate rejects the metainfo"
fi
# The tree check also follows the metainfo to its desktop entry and icon.
if appstreamcli validate-tree --no-net "$root" >"$tmp/appstream-tree.log" 2>&1; then
  ok "appstreamcli validate-tree accepts the installed tree"
else
  cat "$tmp/appstream-tree.log" >&2
  fail "appstreamcli validate-tree rejects the installed tree"
fi
check "the metainfo's release is the project version $version" \
  grep -qF "<release version=\"$version\"" "$metainfo"
check "the metainfo launches the installed desktop entry" \
  grep -qF '<launchable type="desktop-id">figurewheel.desktop</launchable>' "$metainfo"

changelog_version=$(gzip -dc "$root/$datadir/doc/figurewheel/changelog.gz" 2>/dev/null |
  sed -n '1s/^figurewheel (\([^)]*\)).*/\1/p')
check "the change log's latest entry is for version $version (it is '$changelog_version')" \
  test "$changelog_version" = "$version"

# --- the Debian package --------------------------------------------------

if cpack -G DEB --config "$build/CPackConfig.cmake" -B "$tmp/package" >"$tmp/cpack.log" 2>&1; then
  ok "cpack -G DEB"
else
  cat "$tmp/cpack.log" >&2
  fail "cpack -G DEB"
  echo "$passed passed, $failed failed"
  exit 1
fi

deb=$tmp/package/figurewheel_${version}_$(dpkg --print-architecture).deb
check "the package is named $(basename "$deb")" test -f "$deb"
if [ ! -f "$deb" ]; then
  ls -l "$tmp/package" >&2
  echo "$passed passed, $failed failed"
  exit 1
fi

field() { dpkg-deb -f "$deb" "$1"; }
check "Package is figurewheel" test "$(field Package)" = figurewheel
check "Version is $version" test "$(field Version)" = "$version"
check "Section is games" test "$(field Section)" = games
check "Maintainer is Figurewheel Games" \
  test "$(field Maintainer)" = "Figurewheel Games <games@figurewheel.example>"
check "the package has a description" test -n "$(field Description)"

depends=$(field Depends)
echo "Depends: $depends"
# The Qt libraries come from dpkg-shlibdeps (libqt6multimedia6 through the
# sound module); libqt6gui6 also carries the X11 platform plugin and the GIF
# and icon readers, libqt6multimedia6 the media backends. The font face is named by hand.
depends_names=$(tr ',' '\n' <<<"$depends" | sed 's/^ *//; s/[ (].*//')
for dependency in libc6 libstdc++6 libqt6core6 libqt6gui6 libqt6widgets6 libqt6multimedia6 fonts-liberation2; do
  check "Depends names $dependency" grep -qxF "$dependency" <<<"$depends_names"
done

dpkg-deb -c "$deb" >"$tmp/contents.txt"
awk '$1 !~ /^d/ { sub(/^\.\//, "", $6); print $6 }' "$tmp/contents.txt" | sort >"$tmp/packaged.txt"
# The package always installs under /usr, as Debian's packages do.
package_prefix=/usr
sed "s|^|${package_prefix#/}/|" "$tmp/expected.txt" | sort >"$tmp/expected-in-package.txt"
if diff -u "$tmp/expected-in-package.txt" "$tmp/packaged.txt" >"$tmp/package.diff"; then
  ok "the package holds exactly the installed files under $package_prefix"
else
  cat "$tmp/package.diff" >&2
  fail "the package's files differ from the installed ones (- missing, + extra)"
fi
check "every file in the package belongs to root" \
  test -z "$(awk '$2 != "root/root"' "$tmp/contents.txt")"

dpkg-deb -x "$deb" "$tmp/unpacked"
packaged_datadir=$tmp/unpacked$package_prefix/$datadir/figurewheel
check "the packaged media lie beside the program, in ../$datadir/figurewheel" \
  test -f "$packaged_datadir/hound.wav" -a -f "$packaged_datadir/dancers.gif"
check "the packaged program is stripped" \
  grep -qE ', stripped$' <(file -b "$tmp/unpacked$package_prefix/$bindir/figurewheel")
check "the packaged sound module is stripped" \
  grep -qE ', stripped$' <(file -b "$tmp/unpacked$package_prefix/$moduledir/libfigurewheel-sound.so")

# Debian's own package checker: no error and no warning. (As root it also
# says, on stderr, that it would rather not run as root.)
if lintian --fail-on error,warning "$deb" >"$tmp/lintian.log" 2>&1; then
  ok "lintian finds no error and no warning"
else
  grep -v 'running with root privileges' "$tmp/lintian.log" >&2
  fail "lintian finds errors or warnings in the package"
fi

echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
