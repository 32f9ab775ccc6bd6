#!/bin/sh
# Writes tests/review/data/fsrs-train-history.csv, a synthetic review log, and
# tests/review/data/fsrs-train-reference.txt, the weights the reference
# optimizer (@open-spaced-repetition/binding from the npm registry) fits to
# it. Installed into a throw-away folder, so that neither the build nor the
# tests need node.
# Usage: tools/fsrs-fixture/make-optimizer-fixture.sh   (needs Debian's nodejs and npm)
set -eu
here=$(cd "$(dirname "$0")" && pwd)
out=${1:-$here/../../tests/review/data}
out=$(cd "$out" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"
npm init -y >/dev/null
# Pinned: the fixture says what this exact version fits.
npm install --no-audit --no-fund @open-spaced-repetition/binding@0.5.0 >/dev/null
cp "$here/optimizer.mjs" .
node optimizer.mjs "$out"
echo "wrote $out/fsrs-train-history.csv and $out/fsrs-train-reference.txt"
