#!/usr/bin/env bash
# Fails when a C++ file of the project is not formatted as .clang-format says.
set -euo pipefail
cd "$(dirname "$0")/.."
if git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
    mapfile -t files < <(git ls-files --cached --others --exclude-standard -- \
        'src/*.cpp' 'src/*.h' 'tests/*.cpp' 'tests/*.h' 'tools/*.cpp' 'tools/*.h' 'bench/*.cpp' 'bench/*.h')
else
    mapfile -t files < <(find src tests tools bench -name '*.cpp' -o -name '*.h' 2>/dev/null)
fi
[ ${#files[@]} -eq 0 ] && exit 0
if ! clang-format --dry-run --Werror "${files[@]}"; then
    echo "Formatting differs from .clang-format; run: clang-format -i <files>" >&2
    exit 1
fi
echo "Formatting: ${#files[@]} files checked."
