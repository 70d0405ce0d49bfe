#!/usr/bin/env bash
# Puts nginx with TLS on loopback in front of one of the fixture's servers,
# once for each certificate that a program must refuse or accept:
#   tls_front.sh <fixture folder> <server name> <server port>
# All certificates are made here, for this run alone:
#   trusted    issued by the fixture's own authority (tls/authority.der),
#              which the machine trusts only while a test adds it
#   untrusted  self-signed
#   wrong-name issued by the authority for another host name
#   expired    issued by the authority, its validity ended
# Each one's address goes into <fixture folder>/<server name>-tls-<case>.url;
# nginx's process id goes into <fixture folder>/tls.pid, which the fixture's
# stop ends. Without nginx no address is written and the tests that need one
# say so.
set -euo pipefail
folder=$(cd "$1" && pwd)
server=$2
upstream=$3
nginx=/usr/sbin/nginx
if [ ! -x "$nginx" ]; then
    echo "nginx is missing (scripts/install-deps.sh test): no TLS server for the tests." >&2
    exit 0
fi
tls=$folder/tls
mkdir -p "$tls"/temp
cd "$tls"

new_key() { openssl genpkey -algorithm EC -pkeyopt ec_paramgen_curve:P-256 -out "$1" 2>/dev/null; }
# issue <name> <days> <host name>: a server certificate from the authority.
issue() {
    new_key "$1.key"
    openssl req -new -key "$1.key" -subj "/CN=$3" -out "$1.csr"
    printf 'subjectAltName=DNS:%s\nextendedKeyUsage=serverAuth\nbasicConstraints=CA:false\n' \
        "$3" >"$1.ext"
    openssl x509 -req -in "$1.csr" -CA authority.pem -CAkey authority.key -CAcreateserial \
        -days "$2" -extfile "$1.ext" -out "$1.pem" 2>/dev/null
}
new_key authority.key
openssl req -x509 -new -key authority.key -days 2 -subj "/CN=Update Test Authority" \
    -addext basicConstraints=critical,CA:true -addext keyUsage=critical,keyCertSign,cRLSign \
    -out authority.pem
openssl x509 -in authority.pem -outform der -out authority.der
issue trusted 2 localhost
issue wrong-name 2 definitions.invalid
# A negative count of days ends the validity before it begins.
issue expired -1 localhost
new_key untrusted.key
openssl req -x509 -new -key untrusted.key -days 2 -subj "/CN=localhost" \
    -addext subjectAltName=DNS:localhost -out untrusted.pem

# A port on which nothing answers now; nginx says so should another take it
# first.
free_port() {
    local port
    while :; do
        port=$((20000 + RANDOM % 40000))
        (echo >"/dev/tcp/127.0.0.1/$port") 2>/dev/null || break
    done
    echo "$port"
}
cases=(trusted untrusted wrong-name expired)
declare -A ports
sites=""
for name in "${cases[@]}"; do
    ports[$name]=$(free_port)
    sites+="server { listen 127.0.0.1:${ports[$name]} ssl; ssl_certificate $tls/$name.pem;
        ssl_certificate_key $tls/$name.key; location / { proxy_pass http://127.0.0.1:$upstream; } }
"
done
cat >nginx.conf <<EOF
daemon off;
user $(id -un);
worker_processes 1;
pid $tls/nginx.pid;
error_log $tls/error.log;
events {}
http {
    access_log $tls/access.log;
    client_body_temp_path $tls/temp/body;
    proxy_temp_path $tls/temp/proxy;
    fastcgi_temp_path $tls/temp/fastcgi;
    uwsgi_temp_path $tls/temp/uwsgi;
    scgi_temp_path $tls/temp/scgi;
    ssl_protocols TLSv1.2 TLSv1.3;
    $sites
}
EOF
# Detached from this script's output, which the test runner waits on.
"$nginx" -p "$tls" -c "$tls/nginx.conf" </dev/null >/dev/null 2>"$tls/nginx.log" &
echo $! >"$folder/tls.pid"
for name in "${cases[@]}"; do
    listening=""
    for _ in $(seq 100); do
        (echo >"/dev/tcp/127.0.0.1/${ports[$name]}") 2>/dev/null && listening=yes && break
        sleep 0.1
    done
    if [ -z "$listening" ]; then
        echo "nginx did not start:" >&2
        cat "$tls/nginx.log" "$tls/error.log" >&2 2>/dev/null || true
        exit 1
    fi
    echo "https://localhost:${ports[$name]}" >"$folder/$server-tls-$name.url"
done
