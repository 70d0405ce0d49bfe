#!/bin/sh
# Signs a copy of a test program the way a publisher signs its releases:
# an authority of the test's own issues a code-signing certificate to
# "Test Publisher Ltd", and osslsigncode puts an Authenticode signature on
# the copy with it.
#   sign_test_program.sh PROGRAM OUTDIR
# OUTDIR receives signed.exe and authority.der (the authority the test has
# the prefix trust for as long as it runs).
set -eu
program=$1
out=$2
mkdir -p "$out"
cd "$out"
rm -f signed.exe
openssl req -x509 -newkey rsa:2048 -nodes -keyout authority.key -out authority.pem -days 3650 \
    -subj "/CN=Startup Test Authority" -addext "basicConstraints=critical,CA:TRUE" \
    -addext "keyUsage=critical,keyCertSign,cRLSign" 2>/dev/null
openssl req -newkey rsa:2048 -nodes -keyout publisher.key -out publisher.csr \
    -subj "/O=Test Publisher Ltd/CN=Test Publisher Ltd" 2>/dev/null
printf 'basicConstraints=CA:FALSE\nkeyUsage=critical,digitalSignature\nextendedKeyUsage=codeSigning\n' \
    >publisher.ext
openssl x509 -req -in publisher.csr -CA authority.pem -CAkey authority.key -CAcreateserial \
    -days 3650 -extfile publisher.ext -out publisher.pem 2>/dev/null
openssl x509 -in authority.pem -outform der -out authority.der
osslsigncode sign -certs publisher.pem -key publisher.key -n "Test Program" -h sha256 \
    -in "$program" -out signed.exe >/dev/null
