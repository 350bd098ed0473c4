#!/usr/bin/env bash
# Builds the release configuration and shows what Zarvel decides about the shipped sample.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh $(cat scripts/packages.txt)
cmake --preset release >/dev/null
cmake --build --preset release
exec bash scripts/demo-run.sh build/release/Tools/zarvel/zarvel
