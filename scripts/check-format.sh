#!/usr/bin/env bash
# Fails when clang-format (the repository's .clang-format) would change any tracked C++
# file, and lists those files; scripts/format.sh rewrites them. Installs clang-format first
# when it is missing.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh --format

unformatted=()
while IFS= read -r -d '' file; do
  clang-format --dry-run --Werror "$file" >/dev/null 2>&1 || unformatted+=("$file")
done < <(git ls-files -z '*.cpp' '*.h')

[ ${#unformatted[@]} -eq 0 ] && exit 0
# Another clang-format version lays some lines out differently, so name the one used.
echo "check-format.sh: $(clang-format --version) would change ${#unformatted[@]} files;" \
  "scripts/format.sh rewrites them:" >&2
printf '  %s\n' "${unformatted[@]}" >&2
exit 1
