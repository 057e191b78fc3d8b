#!/usr/bin/env bash
# Installs a build into a scratch folder and checks what a desktop gets from it: the program
# and its data in one private folder, bin/daubrix linked to it, the menu entry, the drawing
# file type and the icons; then runs the installed program through the link.
#   check_install.sh CMAKE BUILD_DIR SOURCE_DIR
set -euo pipefail
cmake="$1" build="$2" source="$3"
root="$(mktemp -d)"
trap 'rm -rf "$root"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

if ! log="$(DESTDIR="$root" "$cmake" --install "$build" --prefix /usr 2>&1)"; then
  echo "$log" >&2
  fail "cmake --install failed"
fi
share="$root/usr/share"

# --- the program, its data and the link -------------------------------------------------
link="$root/usr/bin/daubrix"
[ -L "$link" ] || fail "bin/daubrix is not a symbolic link"
case "$(readlink "$link")" in /*) fail "bin/daubrix points to an absolute path";; esac
program="$(readlink -f "$link")"
folder="$(dirname "$program")"
case "$folder" in "$root"/usr/*) ;; *) fail "bin/daubrix leads out of the install: $program";; esac
[ -x "$program" ] && [ -f "$program" ] || fail "no executable behind bin/daubrix"
[ -f "$folder/tips.txt" ] || fail "tips.txt missing beside the program"
[ -f "$folder/help/index.html" ] || fail "help/index.html missing beside the program"
diff <(ls "$source/resources/shapes") <(ls "$folder/shapes") >/dev/null \
  || fail "installed shapes differ from resources/shapes"
[ "$(ls "$folder")" = "$(printf '%s\n' daubrix help shapes tips.txt)" ] \
  || fail "unexpected files in the program folder: $(ls "$folder" | tr '\n' ' ')"
[ "$(ls "$root/usr/bin")" = "daubrix" ] || fail "bin/ holds more than daubrix"
strays="$(find "$root" \( -name 'test_*' -o -name '*Bench' -o -name 'make_*' -o -name 'Fuzz*' \) -print)"
[ -z "$strays" ] || fail "tests, benchmarks or tools were installed: $strays"

# --- menu entry -----------------------------------------------------------------------------
desktop="$share/applications/daubrix.desktop"
[ -f "$desktop" ] || fail "no menu entry"
command -v desktop-file-validate >/dev/null || fail "desktop-file-validate missing (scripts/setup.sh installs it)"
out="$(desktop-file-validate "$desktop" 2>&1)" || fail "menu entry is invalid: $out"
[ -z "$out" ] || fail "menu entry has warnings: $out"
grep -qx 'Exec=daubrix %f' "$desktop" || fail "menu entry does not start daubrix with the file"
grep -qx 'MimeType=application/x-daubrix-drawing;' "$desktop" || fail "menu entry claims no drawing type"

# --- drawing file type: build the type database from our package alone and read it back -----
[ -f "$share/mime/packages/daubrix.xml" ] || fail "no file type description"
command -v update-mime-database >/dev/null || fail "update-mime-database missing (scripts/setup.sh installs it)"
out="$(XDG_DATA_HOME="$share" XDG_DATA_DIRS="$share" update-mime-database "$share/mime" 2>&1)" || fail "file type description rejected: $out"
[ -z "$out" ] || fail "file type description has warnings: $out"
grep -qx '50:application/x-daubrix-drawing:\*\.dbr' "$share/mime/globs2" || fail "*.dbr is not matched"
# The magic table must hold ">0=", the 16-bit match length 8, then the length byte 7 (not the
# four characters of its escape) and "Daubrix".
od -An -tx1 -v "$share/mime/magic" | tr -d ' \n' | grep -q '3e303d000807446175627269780a' \
  || fail "the signature at offset 0 is not in the magic table"
grep -q '<comment>Daubrix drawing</comment>' "$share/mime/application/x-daubrix-drawing.xml" \
  || fail "file type has no comment"

# --- icons: a PNG of the right size for every size --------------------------------------------
for side in 16 32 48 64 128 256; do
  png="$share/icons/hicolor/${side}x${side}/apps/daubrix.png"
  [ -f "$png" ] || fail "no ${side}px icon"
  [ "$(od -An -tx1 -N8 "$png" | tr -d ' \n')" = "89504e470d0a1a0a" ] || fail "${side}px icon is not a PNG"
  read -r w h < <(od -An -tu4 --endian=big -j16 -N8 "$png")
  [ "$w" = "$side" ] && [ "$h" = "$side" ] || fail "${side}px icon is ${w}x${h}"
done

# --- the installed program runs through its link, with no display, from anywhere ---------------
list_shapes() { (cd / && env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$link" --list-shapes); }
shapes="$(list_shapes)" || fail "installed daubrix --list-shapes failed"
count="$(ls "$folder/shapes" | wc -l)"
for f in $(ls "$folder/shapes"); do
  grep -q "\"${f%.bmp}" <<<"$shapes" || grep -q "\"$f\"" <<<"$shapes" || fail "shape $f not listed"
done
# It reads the installed shapes, not those of the build: one removed is one fewer listed.
last="$(ls "$folder/shapes" | tail -1)"
rm "$folder/shapes/$last"
shapes="$(list_shapes)" || fail "installed daubrix --list-shapes failed after removing a shape"
! grep -q "${last%.bmp}" <<<"$shapes" || fail "the program still lists $last: it reads shapes elsewhere"
echo "install check passed: $count shapes listed from $folder"
