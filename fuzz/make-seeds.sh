#!/usr/bin/env bash
# Regenerates the stream seeds of fuzz_syntax from the JSON seeds of fuzz_json
# with the native fwstream. Usage: fuzz/make-seeds.sh (after a native build)
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
tool=build/native/stream/fwstream
for j in fuzz/corpus/json/*.json; do
  "$tool" from-json "$j" -o "fuzz/corpus/syntax/$(basename "${j%.json}").bin"
done
# A cut record and a stream that is only a signature: both must be refused cleanly.
head -c 40 fuzz/corpus/syntax/sample.bin > fuzz/corpus/syntax/truncated.bin
printf 'TPF0' > fuzz/corpus/syntax/signature-only.bin
