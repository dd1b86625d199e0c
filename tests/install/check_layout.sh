#!/usr/bin/env bash
# Checks an installed tree against where the freedesktop standards look: the
# menu entry under share/applications, icons in the hicolor theme, AppStream
# data under share/metainfo, the programs in bin with their manual pages, the
# browser module where the program looks for it, and nothing else.
# Usage: check_layout.sh PREFIX APP_ID VERSION SOURCE_DIR BUILD_DIR [MODULE]
# MODULE is the browser module's path under PREFIX, empty in builds without one.
set -uo pipefail
prefix=$1 app_id=$2 version=$3 source_dir=$4 build_dir=$5 module=${6:-}

failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

desktop=share/applications/$app_id.desktop
metainfo=share/metainfo/$app_id.metainfo.xml

# The value of KEY in the [Desktop Entry] group of the installed menu entry.
entry() { sed -n "/^\[Desktop Entry\]/,/^\[/s/^$1=//p" "$prefix/$desktop" | head -n 1; }
# The text of the first ELEMENT in the installed AppStream file.
element() { sed -n "s:.*<$1[^>]*>\([^<]*\)</$1>.*:\1:p" "$prefix/$metainfo" | head -n 1; }

for program in kelvaro kelvaro-engine; do
  [ -f "$prefix/bin/$program" ] && [ -x "$prefix/bin/$program" ] ||
    fail "bin/$program is not an installed program"
done

if [ -f "$prefix/$desktop" ]; then
  exec_program=$(entry Exec | cut -d ' ' -f 1)
  [ -x "$prefix/bin/$exec_program" ] ||
    fail "the menu entry runs '$exec_program', which is not in bin"
  categories=";$(entry Categories)"
  for category in Game LogicGame; do
    [[ $categories == *";$category;"* ]] ||
      fail "the menu entry is not in category $category: $categories"
  done
  icon=$(entry Icon)
  [ -n "$icon" ] || fail "the menu entry names no icon"
else
  fail "$desktop is missing"
  icon=$app_id
fi

png=share/icons/hicolor/32x32/apps/$icon.png
if [ -f "$prefix/$png" ]; then
  # A PNG's IHDR chunk holds its width and height as 32-bit big-endian numbers
  # at bytes 16 and 20.
  size=$(od -An -t u1 -j 16 -N 8 "$prefix/$png" | tr -s ' ')
  [ "$size" = " 0 0 0 32 0 0 0 32" ] || fail "$png is not 32x32 (IHDR bytes:$size)"
else
  fail "$png is missing"
fi
svg=share/icons/hicolor/scalable/apps/$icon.svg
if [ -f "$prefix/$svg" ]; then
  grep -q '<svg' "$prefix/$svg" || fail "$svg is not an SVG drawing"
else
  fail "$svg is missing"
fi

if [ -f "$prefix/$metainfo" ]; then
  [ "$(element id)" = "$app_id" ] || fail "the AppStream id is '$(element id)', not $app_id"
  [ "$(element launchable)" = "$app_id.desktop" ] ||
    fail "the AppStream data launches '$(element launchable)', not $app_id.desktop"
  newest=$(sed -n 's:.*<release [^>]*version="\([^"]*\)".*:\1:p' "$prefix/$metainfo" | head -n 1)
  [ "$newest" = "$version" ] ||
    fail "the newest AppStream release is '$newest' but the project is $version"
  screenshot=$(element image)
  case $screenshot in
    */docs/screenshots/*)
      [ -f "$source_dir/docs/screenshots/${screenshot##*/docs/screenshots/}" ] ||
        fail "the AppStream screenshot $screenshot is not in docs/screenshots" ;;
    *) fail "the AppStream screenshot $screenshot is not one of the README's" ;;
  esac
else
  fail "$metainfo is missing"
fi

for program in kelvaro kelvaro-engine; do
  page=share/man/man6/$program.6.gz
  if [ -f "$prefix/$page" ]; then
    heading=$(gzip -dc "$prefix/$page" | grep -m 1 '^\.TH ')
    [[ $heading == ".TH ${program^^} 6 "*"Kelvaro $version"* ]] ||
      fail "$page does not open with the page of $program, version $version: $heading"
  else
    fail "$page is missing"
  fi
done

if [ -n "$module" ]; then
  [ -f "$prefix/$module" ] || fail "$module is missing"
  readelf -d "$prefix/$module" 2>/dev/null | grep -q 'libQt6WebEngineWidgets' ||
    fail "$module does not hold the browser"
  ! readelf -d "$prefix/bin/kelvaro" | grep -q 'WebEngine' ||
    fail "bin/kelvaro itself links the browser, which every start then pays for"
fi

# Anything else would be a stray file in every package built from this tree.
expected=$(printf '%s\n' bin/kelvaro bin/kelvaro-engine "$desktop" "$metainfo" "$png" "$svg" \
                   share/man/man6/kelvaro.6.gz share/man/man6/kelvaro-engine.6.gz $module | sort)
installed=$(cd "$prefix" && find . -type f -printf '%P\n' | sort)
unexpected=$(comm -13 <(echo "$expected") <(echo "$installed"))
[ -z "$unexpected" ] || fail "installed but not expected: $unexpected"

for program in kelvaro kelvaro-engine; do
  if readelf -d "$prefix/bin/$program" 2>/dev/null | grep -E 'R(UN)?PATH' | grep -qF "$build_dir"; then
    fail "bin/$program still looks for libraries in the build tree"
  fi
done

[ "$failures" -eq 0 ] && echo "installed tree is complete"
exit $((failures > 0))
