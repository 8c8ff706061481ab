#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test through CTest.
# Optional: a build folder name, then extra cmake options (used by .ci/run).
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
"$here/scripts/deps.sh"
dir="${1:-build}"
shift || true
"$here/scripts/build.sh" "$dir" "$@"
cd "$here/$dir"
ctest --output-on-failure --timeout 300
