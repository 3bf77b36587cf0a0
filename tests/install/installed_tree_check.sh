#!/usr/bin/env bash
# Installs a build into a temporary DESTDIR under /usr and checks the installed tree: every file
# in its place with its mode, the icons at their sizes (small ones unsmoothed, the SVG drawing
# the same picture), the menu entry and the metainfo pointing at what was installed, and the
# version the same everywhere.
set -u
build=$1 version=$2
app=org.velmora.Velmora
skip() { echo "SKIPPED: $*"; exit 77; }
for tool in identify compare rsvg-convert man; do
  command -v "$tool" >/dev/null || skip "$tool is not installed"
done

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
root=$work/root
DESTDIR=$root cmake --install "$build" --prefix /usr >"$work/install.log" 2>&1 || {
  cat "$work/install.log"
  echo "FAIL: cmake --install failed"
  exit 1
}
usr=$root/usr

failures=0
check() {
  local what=$1 expected=$2 actual=$3
  if [ "$expected" = "$actual" ]; then
    echo "ok   $what: $actual"
  else
    echo "FAIL $what: expected '$expected', found '$actual'"
    failures=$((failures + 1))
  fi
}

while read -r path mode; do
  check "$path" "$mode" "$(stat -c %a "$usr/$path" 2>/dev/null || echo missing)"
done <<TREE
bin/velmora 755
share/applications/$app.desktop 644
share/metainfo/$app.metainfo.xml 644
share/icons/hicolor/scalable/apps/$app.svg 644
share/man/man1/velmora.1.gz 644
share/man/de/man1/velmora.1.gz 644
share/man/fr/man1/velmora.1.gz 644
share/man/es/man1/velmora.1.gz 644
share/man/nl/man1/velmora.1.gz 644
share/doc/velmora/copyright 644
share/doc/velmora/changelog.gz 644
share/velmora/translations/velmora_de.qm 644
share/velmora/translations/velmora_fr.qm 644
share/velmora/translations/velmora_es.qm 644
share/velmora/translations/velmora_nl.qm 644
TREE

# The installed program finds its installed translations.
check "installed program in German" "  -h, --help            Diese Hilfe zeigen und beenden." \
  "$(LC_ALL=C XDG_CONFIG_HOME=$work "$usr/bin/velmora" --language de --help | grep -e '--help ')"

# The progress window's library, in the folder the program looks in (relative to its own).
check "the progress window's library" "$usr/lib/velmora/plugins/libvelmora_progress.so" \
  "$(ls "$usr"/lib*/velmora/plugins/libvelmora_progress.so 2>&1)"

# Up to 32 pixels the picture keeps a few flat colours; larger ones are smoothed.
while read -r size colours; do
  png=$usr/share/icons/hicolor/${size}x$size/apps/$app.png
  facts=$(identify -format '%wx%h %k' "$png" 2>/dev/null || echo missing)
  read -r dimensions count <<<"$facts"
  check "$size px icon size" "${size}x$size" "$dimensions"
  check "$size px icon smoothing" "$colours" "$([ "${count:-0}" -le 16 ] && echo flat || echo smooth)"
done <<SIZES
16 flat
32 flat
48 smooth
64 smooth
128 smooth
256 smooth
SIZES

rsvg-convert -w 256 -h 256 "$usr/share/icons/hicolor/scalable/apps/$app.svg" -o "$work/svg.png"
difference=$(compare -metric RMSE "$work/svg.png" "$usr/share/icons/hicolor/256x256/apps/$app.png" \
  null: 2>&1 | sed 's/.*(\(.*\))/\1/')
check "SVG drawn as the 256 px icon" "same" \
  "$(awk -v d="$difference" 'BEGIN { print (d != "" && d < 0.03) ? "same" : "differs by " d }')"

desktop=$usr/share/applications/$app.desktop
metainfo=$usr/share/metainfo/$app.metainfo.xml

entry() { sed -n "s/^$1=//p" "$desktop"; }
exec_line=$(entry Exec)
check "menu entry's command installed" "$usr/bin/velmora" "$(ls "$usr/bin/${exec_line%% *}" 2>&1)"
check "menu entry's icon installed" "$app.svg" \
  "$(basename "$(ls "$usr/share/icons/hicolor/scalable/apps/$(entry Icon).svg" 2>&1)")"
check "menu entry's categories" "Education;Music;" "$(entry Categories)"
check "metainfo's id" "$app" "$(sed -n 's:.*<id>\(.*\)</id>.*:\1:p' "$metainfo")"
check "metainfo's launchable" "$app.desktop" \
  "$(sed -n 's:.*<launchable type="desktop-id">\(.*\)</launchable>.*:\1:p' "$metainfo")"
check "metainfo's licence" "GPL-3.0-or-later" \
  "$(sed -n 's:.*<project_license>\(.*\)</project_license>.*:\1:p' "$metainfo")"
check "metainfo's newest release" "$version" \
  "$(sed -n 's:.*<release version="\([^"]*\)".*:\1:p' "$metainfo" | head -n 1)"
check "changelog's newest version" "velmora ($version)" \
  "$(zcat "$usr/share/doc/velmora/changelog.gz" | head -n 1 | cut -d ' ' -f 1-2)"

# The English manual page and its translations, each with every option.
for folder in man1 de/man1 fr/man1 es/man1 nl/man1; do
  page=$work/velmora.1
  zcat "$usr/share/man/$folder/velmora.1.gz" >"$page"
  check "$folder manual page's version" "\"Velmora $version\"" \
    "$(sed -n '1s/.*\("Velmora [^"]*"\).*/\1/p' "$page")"
  check "$folder manual page's formatting warnings" "" \
    "$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -E UTF-8 -l -Tutf8 -Z "$page" 2>&1 >/dev/null)"
  for option in help version no-splash soundfont worksheets answer-key output seed paper level \
    advanced centre-question classroom stats data-dir language note-names; do
    check "$folder manual page's option --$option" "1" \
      "$(LC_ALL=C.UTF-8 MANWIDTH=80 man -l "$page" 2>/dev/null | grep -c "^ \{7\}--$option\b")"
  done
done

[ "$failures" -eq 0 ] || { echo "$failures check(s) of the installed tree failed"; exit 1; }
echo "the installed tree is complete"
