#!/usr/bin/env bash
# Fails, listing them, when any of our C++ files differs from what the root
# .clang-format makes of it.
set -euo pipefail
cd "$(dirname "$0")/.."

unformatted=()
while IFS= read -r file; do
    clang-format --style=file "$file" | cmp -s - "$file" || unformatted+=("$file")
done < <(git ls-files '*.cpp' '*.h')

if [ ${#unformatted[@]} -gt 0 ]; then
    echo "Not formatted with the root .clang-format (run clang-format -i on them):" >&2
    printf '  %s\n' "${unformatted[@]}" >&2
    exit 1
fi
