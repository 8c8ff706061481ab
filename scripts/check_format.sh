#!/usr/bin/env bash
# Fails, listing them, when C++ files differ from .clang-format's layout.
# With --fix, formats them in place instead.
set -euo pipefail
cd "$(dirname "$0")/.."
if ! command -v clang-format >/dev/null; then
  sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends clang-format
fi
mapfile -t files < <(git ls-files '*.cpp' '*.h')
if [ "${1:-}" = "--fix" ]; then
  clang-format -i "${files[@]}"
  exit 0
fi
differ=()
for f in "${files[@]}"; do
  clang-format --dry-run -Werror "$f" >/dev/null 2>&1 || differ+=("$f")
done
if [ ${#differ[@]} -gt 0 ]; then
  echo "Not formatted (run scripts/check_format.sh --fix):" >&2
  printf '  %s\n' "${differ[@]}" >&2
  exit 1
fi
echo "All ${#files[@]} C++ files formatted."
