#!/usr/bin/env bash
# Formats C++ files in place with clang-format and the repository's .clang-format: the
# files named, or every tracked *.cpp and *.h. scripts/check-format.sh is CI's check.
set -euo pipefail
root="$(dirname "$0")/.."
"$root/scripts/install-deps.sh" --format
if [ $# -gt 0 ]; then
  clang-format -i "$@"
else
  cd "$root"
  git ls-files -z '*.cpp' '*.h' | xargs -0 clang-format -i
fi
