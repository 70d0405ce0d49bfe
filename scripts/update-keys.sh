#!/usr/bin/env bash
# Makes the publisher's key pair that a definitions server signs with, unless
# the folder holds one already:
#   scripts/update-keys.sh <folder> <defpublish>
# <folder>/publisher.key is the private key (PEM, PKCS#8, mode 0600), for
# "defserver --signing-key"; <folder>/publisher.pub is the public key as one
# line of 128 hexadecimal digits (X then Y), for the program's build
# (-DUPDATE_PUBLIC_KEY_FILE=<folder>/publisher.pub).
set -euo pipefail
folder=$1
defpublish=$2
if [ -s "$folder/publisher.key" ] && [ -s "$folder/publisher.pub" ]; then
    exit 0
fi
mkdir -p "$folder"
# A half-made pair from an interrupted run is of no use; keygen refuses to
# overwrite, so it goes first.
rm -f "$folder/publisher.key" "$folder/publisher.pub"
"$defpublish" keygen "$folder" >/dev/null
