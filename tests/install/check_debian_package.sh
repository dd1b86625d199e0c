#!/usr/bin/env bash
# Builds the Debian package with cpack and checks its name, its dependencies on
# Debian's Qt 6 packages, that it carries every installed file under /usr in
# Debian's layout, and its changelog and copyright file.
# Usage: check_debian_package.sh BUILD_DIR OUTPUT_DIR VERSION APP_ID [MODULE]
# MODULE is the browser module's path under the prefix, empty in builds without one.
set -uo pipefail
build_dir=$1 output_dir=$2 version=$3 app_id=$4 module=${5:-}

rm -rf "$output_dir"
cpack --config "$build_dir/CPackConfig.cmake" -B "$output_dir" >"$output_dir.log" 2>&1 || {
  echo "FAIL: cpack failed:"; cat "$output_dir.log"; exit 1; }

package=$output_dir/kelvaro_${version}_$(dpkg --print-architecture).deb
if [ ! -f "$package" ]; then
  echo "FAIL: no $package; cpack made:"; ls "$output_dir"; exit 1
fi

failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

[ "$(dpkg-deb -f "$package" Package)" = kelvaro ] || fail "the package is not called kelvaro"
[ "$(dpkg-deb -f "$package" Section)" = games ] || fail "the package is not in section games"

depends=$(dpkg-deb -f "$package" Depends)
echo "Depends: $depends"
depended_on=$(tr ',|' '\n\n' <<<"$depends" | sed 's/(.*//; s/ //g' | sort -u)
# Exactly what the programs and the module use at run time: the libraries
# they link (found by dpkg-shlibdeps), and the plugins and fonts that Qt
# loads. A library that only the benchmarks use must not be among them.
expected=(libc6 libgcc-s1 libstdc++6 libqt6core6 libqt6gui6 libqt6widgets6 libqt6printsupport6
          libxcb1 qt6-qpa-plugins libqt6svg6 fonts-liberation)
[ -n "$module" ] && expected+=(libqt6webenginecore6 libqt6webenginecore6-bin libqt6webenginewidgets6)
unexpected=$(comm -23 <(echo "$depended_on") <(printf '%s\n' "${expected[@]}" | sort -u))
missing=$(comm -13 <(echo "$depended_on") <(printf '%s\n' "${expected[@]}" | sort -u))
[ -z "$unexpected" ] || fail "the package depends on what the programs do not use: $unexpected"
[ -z "$missing" ] || fail "the package does not depend on: $missing"
# The desktop's browser and mail program, which the web-page window hands
# links to, are opened through xdg-open.
[ "$(dpkg-deb -f "$package" Recommends)" = xdg-utils ] || fail "the package does not recommend xdg-utils"

# Debian keeps a game's programs in /usr/games, with their manual pages in
# section 6, and every package's copyright and changelog under its doc folder.
contents=$(dpkg-deb -c "$package" | awk '{print $NF}')
for file in usr/games/kelvaro usr/games/kelvaro-engine \
            usr/share/man/man6/kelvaro.6.gz usr/share/man/man6/kelvaro-engine.6.gz \
            usr/share/doc/kelvaro/copyright usr/share/doc/kelvaro/changelog.gz \
            "usr/share/applications/$app_id.desktop" \
            "usr/share/metainfo/$app_id.metainfo.xml" \
            "usr/share/icons/hicolor/32x32/apps/$app_id.png" \
            "usr/share/icons/hicolor/scalable/apps/$app_id.svg"; do
  grep -qxF "./$file" <<<"$contents" || fail "the package lacks /$file"
done

! grep -q '^\./usr/bin/' <<<"$contents" || fail "the package still has programs in /usr/bin"

unpacked=$output_dir/unpacked
dpkg-deb -x "$package" "$unpacked"
changelog_version=$(gzip -dc "$unpacked/usr/share/doc/kelvaro/changelog.gz" |
                    sed -n '1s/^kelvaro (\([^)]*\)).*/\1/p')
[ "$changelog_version" = "$version" ] ||
  fail "the changelog's newest entry is '$changelog_version', not $version"
grep -qx 'License: GPL-3+' "$unpacked/usr/share/doc/kelvaro/copyright" ||
  fail "the copyright file does not license the program under GPL-3+"

if [ -n "$module" ]; then
  grep -qxF "./usr/$module" <<<"$contents" || fail "the package lacks /usr/$module"
fi

[ "$failures" -eq 0 ] && echo "$package is complete"
exit $((failures > 0))
