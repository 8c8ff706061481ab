#!/usr/bin/env bash
# Installs what is missing, builds, and starts Quillnest with an optional document path.
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
"$here/scripts/deps.sh"
"$here/scripts/build.sh" build
exec "$here/build/quillnest" "$@"
