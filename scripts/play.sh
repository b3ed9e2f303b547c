#!/usr/bin/env bash
# Installs what is missing, builds, and starts Halmora.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/build.sh build Release
exec build/tools/halmora-cli "$@"
