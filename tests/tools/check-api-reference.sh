#!/usr/bin/env bash
# Generates the API reference (docs/Doxyfile) into OUTPUT and fails when Doxygen warns: every
# public function, type, field and constant keeps its comment.
#   check-api-reference.sh REPOSITORY OUTPUT
set -euo pipefail
repository=$1
export VYN_DOCS_OUTPUT=$2
mkdir -p "$VYN_DOCS_OUTPUT"
cd "$repository"
doxygen docs/Doxyfile
if [[ -s $VYN_DOCS_OUTPUT/warnings.txt ]]; then
    cat "$VYN_DOCS_OUTPUT/warnings.txt"
    echo "$(wc -l < "$VYN_DOCS_OUTPUT/warnings.txt") warnings: document what they name" >&2
    exit 1
fi
echo "the reference is complete: $VYN_DOCS_OUTPUT/html/index.html"
