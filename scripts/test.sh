#!/usr/bin/env bash
# Builds the sanitizer test configuration and runs every test.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh $(cat scripts/packages.txt)
cmake --preset test
cmake --build --preset test
ctest --preset test
