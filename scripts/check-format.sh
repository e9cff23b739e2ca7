#!/usr/bin/env bash
# Fails when clang-format (the repository's .clang-format) would change any tracked C++
# file, and lists those files; scripts/format.sh rewrites them. Installs clang-format first
# when it is missing.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh --format

# One clang-format for every file: a process per file takes a minute on a busy machine.
# Each change it would make is reported as "FILE:LINE:COLUMN: error: ...".
report=$(git ls-files -z '*.cpp' '*.h' | xargs -0 clang-format --dry-run --Werror 2>&1) && exit 0
mapfile -t unformatted < <(grep -oP '^.+?(?=:\d+:\d+: error:)' <<<"$report" | sort -u)
if [ ${#unformatted[@]} -eq 0 ]; then
  echo "$report" >&2
  exit 1
fi
# Another clang-format version lays some lines out differently, so name the one used.
echo "check-format.sh: $(clang-format --version) would change ${#unformatted[@]} files;" \
  "scripts/format.sh rewrites them:" >&2
printf '  %s\n' "${unformatted[@]}" >&2
exit 1
