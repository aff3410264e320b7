#!/usr/bin/env bash
# Installs what is missing, builds Brinolith and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/build.sh build
if [ -x build/brinolith ]; then
    exec build/brinolith
fi
echo "The equations library is built; the windows come next."
