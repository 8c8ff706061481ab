#!/usr/bin/env bash
# Checks an installed copy as a user would get it: installs the build folder
# (default: build, built first when needed) into a temporary prefix, validates
# the desktop entry, the metainfo and the MIME package there, makes the prefix
# read-only and starts the installed program on a document, offscreen, as a user
# who cannot write there (nobody, when run as root). The program must show the
# document and keep its settings in that user's config folder, writing nothing
# of the file association itself. Then builds the Debian package.
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
dir="$here/${1:-build}"
"$here/scripts/deps.sh"
"$here/scripts/build.sh" "${1:-build}"

work="$(mktemp -d)"
chmod 755 "$work"
cleanup() {
  chmod -R u+w "$work" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
prefix="$work/prefix"
cmake --install "$dir" --prefix "$prefix" >/dev/null

share="$prefix/share"
desktop-file-validate "$share/applications/quillnest.desktop"
appstreamcli validate --no-net --no-color "$share/metainfo/org.example.Quillnest.metainfo.xml"
# The MIME package compiles into a database that holds the type.
cp -r "$share/mime" "$work/mime"
update-mime-database "$work/mime" >/dev/null 2>&1
grep -q '^application/x-quillnest$' "$work/mime/types"
for size in 16 22 24 32 48 64 128 256; do
  test -s "$share/icons/hicolor/${size}x${size}/apps/quillnest.png"
done
chmod -R a-w,a+rX "$prefix"

# The user's own folders, and a document of two items in them.
home="$work/home"
mkdir -p "$home"
printf '0\r\n0\r\n1\r\nCompras\r\n639696896\r\n40\r\n1\r\npan\001\002\003\r\n1\r\n1\r\n0\r\nLlamar\r\n639696896\r\n40\r\n0\r\n\001\002\003\r\n' \
  >"$home/compras.qnf"
as_user=()
if [ "$(id -u)" -eq 0 ]; then
  chown -R nobody "$home"
  as_user=(runuser -u nobody --)
fi
if "${as_user[@]}" test -w "$prefix/bin"; then
  echo "check_install: the prefix can still be written by the program's user" >&2
  exit 1
fi
report="$("${as_user[@]}" env -i PATH=/usr/bin:/bin HOME="$home" XDG_CONFIG_HOME="$home/config" \
  XDG_CACHE_HOME="$home/cache" XDG_DATA_HOME="$home/data" XDG_RUNTIME_DIR="$home/runtime" \
  QT_QPA_PLATFORM=offscreen QUILLNEST_REPORT_READY=1 "$prefix/bin/quillnest" "$home/compras.qnf")"
echo "installed program: $report"
fail() {
  echo "check_install: $1" >&2
  exit 1
}
[[ "$report" =~ ^ready\ .*\ 2\ items$ ]] || fail "the document's two items were not shown"
settings="$home/config/quillnest/quillnest.ini"
grep -q "^ultimo1=$home/compras.qnf"$'\r'"$" "$settings" ||
  fail "the settings in $settings do not name the document"
[ ! -e "$home/data/applications/quillnest.desktop" ] ||
  fail "the installed copy wrote a desktop entry of its own"

# The Debian package, with the libraries it needs named.
(cd "$dir" && cpack -G DEB >"$work/cpack.log" 2>&1) || { cat "$work/cpack.log" >&2; exit 1; }
deb="$(ls -t "$dir"/quillnest_*.deb | head -n 1)"
depends="$(dpkg-deb --field "$deb" Depends)"
echo "$(basename "$deb") depends on: $depends"
[[ "$depends" == *libqt6webenginewidgets6* ]] || fail "$deb does not depend on the browser engine"
dpkg-deb --contents "$deb" >"$work/contents"
for file in usr/bin/quillnest usr/lib/quillnest/libquillnest_browser.so \
    usr/share/applications/quillnest.desktop usr/share/mime/packages/quillnest.xml \
    usr/share/metainfo/org.example.Quillnest.metainfo.xml \
    usr/share/icons/hicolor/scalable/apps/quillnest.svg; do
  grep -q " \./$file\$" "$work/contents" || fail "$deb lacks $file"
done
echo "check_install: $(basename "$deb") built; the installed copy works from a read-only prefix"
