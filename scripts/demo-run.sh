#!/usr/bin/env bash
# What the library decides about the shipped sample of mixed Persian and English text.
set -euo pipefail
zarvel="$1"
sample="$(dirname "$0")/../Tests/data/sample.txt"
echo "== zarvel classify (the shipped sample) =="
"$zarvel" classify --default rtl < "$sample"
echo
echo "== zarvel split --each-line (runs of each line, right-to-left paragraphs) =="
"$zarvel" split --each-line --paragraph rtl < "$sample"
echo
echo "== zarvel split --visual --each-line (each line in display order) =="
"$zarvel" split --visual --each-line --paragraph rtl < "$sample"
echo
echo "== zarvel shape --each-line (each line shaped as one right-to-left run) =="
"$zarvel" shape --each-line < "$sample"
echo
echo "== zarvel date show 2024-03-20 (Nowruz 1403 in every calendar) =="
"$zarvel" date show 2024-03-20
echo
echo "== zarvel date table --calendar Jalali (the turn of the Persian year 1402/1403) =="
"$zarvel" date table --calendar Jalali --from 2024-03-18 --to 2024-03-21
