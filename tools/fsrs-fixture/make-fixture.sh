#!/bin/sh
# Writes tests/review/data/fsrs-histories.csv from the reference scheduler
# (ts-fsrs from the npm registry), installed into a throw-away folder so that
# neither the build nor the tests need node.
# Usage: tools/fsrs-fixture/make-fixture.sh   (needs Debian's nodejs and npm)
set -eu
here=$(cd "$(dirname "$0")" && pwd)
out=${1:-$here/../../tests/review/data/fsrs-histories.csv}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"
npm init -y >/dev/null
# Pinned: the fixture says what this exact version schedules.
npm install --no-audit --no-fund ts-fsrs@5.4.2 >/dev/null
cp "$here/histories.mjs" .
node histories.mjs >"$out"
echo "wrote $out"
