#!/usr/bin/env bash
# The packaging sources agree: debian/control builds from what scripts/packages.txt installs, nothing names a web
# address or mail domain that does not exist, and the licence texts are there.
# usage: sources.sh SOURCE_DIR
set -euo pipefail
ROOT=$1
fail() { echo "FAIL: $*" >&2; exit 1; }

# Packages a clean machine installs only for tests, CI, benchmarks, fuzzing or packaging itself: the package build
# needs none of them (the compiler and dpkg-dev come with build-essential, debhelper with debhelper-compat).
TOOLING="g++ dpkg-dev build-essential debhelper fakeroot lintian xvfb xauth sox time xdotool openbox imagemagick
desktop-file-utils appstream file clang libclang-rt-14-dev llvm-14 libbenchmark-dev"

tooling=$(tr -s ' \n' '\n' <<<"$TOOLING")
listed=$(grep -v '^\s*\(#\|$\)' "$ROOT/scripts/packages.txt" | sort -u)
# Build-Depends as bare names: continuation lines joined, versions, architectures and profiles dropped
depends=$(sed -n '/^Build-Depends:/,/^[^ ]/p' "$ROOT/debian/control" | sed '1s/^Build-Depends://; /^[^ ]/d' |
  tr ',' '\n' | sed 's/([^)]*)//g; s/\[[^]]*\]//g; s/<[^>]*>//g; s/:any//; s/^\s*//; s/\s*$//' |
  sed 's/^debhelper-compat$/debhelper/' | grep -v '^$' | sort -u)
[ -n "$depends" ] || fail "no Build-Depends read from debian/control"
bad=0
for p in $depends; do
  [ "$p" = debhelper ] && continue
  grep -qxF "$p" <<<"$listed" || { echo "FAIL: $p is a build dependency but not in scripts/packages.txt" >&2; bad=1; }
done
for p in $listed; do
  grep -qxF "$p" <<<"$depends" || grep -qxF -- "$p" <<<"$tooling" ||
    { echo "FAIL: $p is in scripts/packages.txt but neither a build dependency nor listed as tooling" >&2; bad=1; }
done
for p in $tooling; do
  grep -qxF "$p" <<<"$listed" || { echo "FAIL: $p is listed as tooling but not in scripts/packages.txt" >&2; bad=1; }
done
[ $bad = 0 ] || exit 1
echo "build dependencies: $(wc -w <<<"$depends") packages, all in scripts/packages.txt"

# No invented addresses: the project has no web site and no mail domain. The copyright file's format line and the
# licence texts it quotes are the only web addresses allowed; mail goes to the reserved, never-existing .invalid.
mine=("$ROOT/README.md" "$ROOT"/packaging/* "$ROOT/debian/control" "$ROOT/debian/changelog" "$ROOT/debian/rules")
# the copyright file up to its first licence text
mine_copyright=$(awk '/^License: / && !files {exit} /^Files:/ {files=1} /^$/ {files=0} {print}' "$ROOT/debian/copyright" |
  grep -v '^Format: ')
hits=$( { grep -HnoiE 'https?://[^ )>"]*|www\.[a-z0-9.-]+|[a-z0-9._%+-]+@[a-z0-9.-]+\.[a-z]+' "${mine[@]}" || true
          grep -noiE 'https?://[^ )>"]*|www\.[a-z0-9.-]+|[a-z0-9._%+-]+@[a-z0-9.-]+\.[a-z]+' <<<"$mine_copyright" |
            sed 's/^/debian\/copyright:/' || true; } | grep -v '@morvelle\.invalid$' || true)
[ -z "$hits" ] || fail "invented or unknown addresses:
$hits"
grep -qi 'morvelle\.org\|example\.\(com\|org\|net\)' "${mine[@]}" "$ROOT/debian/copyright" && fail "an invented domain is named"

cmp -s "$ROOT/LICENSE" /usr/share/common-licenses/GPL-3 ||
  { [ -f /usr/share/common-licenses/GPL-3 ] && fail "LICENSE is not the full GPL-3.0 text"; }
grep -q 'GNU GENERAL PUBLIC LICENSE' "$ROOT/LICENSE" && grep -q 'Version 3, 29 June 2007' "$ROOT/LICENSE" ||
  fail "LICENSE is not the GPL-3.0"
# the code, data and font licences each have their text
for l in GPL-3+ CC-BY-SA-4.0 OFL-1.1; do
  awk -v l="$l" '$0 == "License: " l {n++} END {exit !(n >= 1)}' "$ROOT/debian/copyright" || fail "$l is not stated"
  # read whole before grep -q looks at it: a grep that stops early would break the pipe under pipefail
  text=$(sed -n "/^License: $l\$/,/^\$/p" "$ROOT/debian/copyright" | awk 'NR > 1')
  grep -q . <<<"$text" || fail "$l has no text"
done
grep -q '<project_license>GPL-3.0-or-later AND CC-BY-SA-4.0 AND OFL-1.1</project_license>' \
  "$ROOT/packaging/morvelle.metainfo.xml.in" || fail "the metainfo does not name all three licences"
echo "PASS"
