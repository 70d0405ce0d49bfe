#!/usr/bin/env bash
# Makes the publisher's key pair that a definitions server signs with, unless
# the folder holds one already:
#   scripts/update-keys.sh <folder> [<defpublish>]
# <folder>/publisher.key is the private key (PEM, PKCS#8, mode 0600), for
# "defserver --signing-key"; <folder>/publisher.pub is the public key as one
# line of 128 hexadecimal digits (X then Y), for the program's build
# (-DUPDATE_PUBLIC_KEY_FILE=<folder>/publisher.pub). "defpublish keygen"
# makes them when the given defpublish has that command; otherwise the
# openssl command line makes the same two files.
set -euo pipefail
folder=$1
defpublish=${2:-}
if [ -s "$folder/publisher.key" ] && [ -s "$folder/publisher.pub" ]; then
    exit 0
fi
mkdir -p "$folder"
rm -f "$folder/publisher.key" "$folder/publisher.pub"
if [ -n "$defpublish" ] && [ -x "$defpublish" ] &&
    "$defpublish" keygen "$folder" >/dev/null 2>&1 &&
    [ -s "$folder/publisher.key" ] && [ -s "$folder/publisher.pub" ]; then
    exit 0
fi
rm -f "$folder/publisher.key" "$folder/publisher.pub"
(
    umask 077
    openssl genpkey -algorithm EC -pkeyopt ec_paramgen_curve:P-256 -out "$folder/publisher.key"
)
# The public key's DER form ends with the uncompressed point's X and Y.
openssl pkey -in "$folder/publisher.key" -pubout -outform DER | tail -c 64 |
    od -An -v -tx1 | tr -d ' \n' >"$folder/publisher.pub"
echo >>"$folder/publisher.pub"
[ "$(tr -d '\n' <"$folder/publisher.pub" | wc -c)" = 128 ] || {
    echo "update-keys.sh: could not write the public key" >&2
    exit 1
}
