#!/usr/bin/env bash
# Refreshes i18n/*.ts from the tr() texts in src/, keeping existing
# translations. New texts arrive unfinished and must be translated by hand.
set -euo pipefail
cd "$(dirname "$0")/.."
for ts in i18n/sevoly_*.ts; do
  lupdate -silent -no-obsolete -locations none src -ts "$ts"
done
