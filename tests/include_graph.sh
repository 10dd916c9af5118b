#!/usr/bin/env bash
# The folder include check passes on this tree, and fails on a fake tree with a new cycle, an include of app/ or a
# listed cycle that is gone.
set -euo pipefail
ROOT=$(cd "$(dirname "$0")/.." && pwd)
CHECK="$ROOT/scripts/include-graph"
fail() { echo "FAIL: $*"; exit 1; }

"$CHECK" "$ROOT" || fail "the game's own tree"

T=$(mktemp -d)
trap 'rm -rf "$T"' EXIT
mkdir -p "$T"/{fonts,frontend,framework,scripts,app}
echo '#include "frontend/x.h"' > "$T/fonts/a.h"
echo '#include "fonts/a.h"' > "$T/frontend/x.h"
out=$("$CHECK" "$T" || true)
grep -q "new include cycle between fonts/ and frontend/" <<<"$out" || fail "a new cycle passed: $out"

echo "fonts frontend" > "$T/scripts/include-cycles.txt"
"$CHECK" "$T" > /dev/null || fail "a listed cycle failed"

echo '#include "app/globals.h"' > "$T/framework/g.cpp"
out=$("$CHECK" "$T" || true)
grep -q "framework/ includes app/" <<<"$out" || fail "an include of app/ passed: $out"

rm "$T/framework/g.cpp" "$T/frontend/x.h"
out=$("$CHECK" "$T" || true)
grep -q "is gone" <<<"$out" || fail "a listed cycle that is gone passed: $out"
echo PASS
