#!/usr/bin/env bash
# Starts and stops the reference definitions servers that the Wine tests of
# Live Update talk to, on loopback ports of their own:
#   defserver_fixture.sh start <bin folder> <fixture folder>
#   defserver_fixture.sh stop <fixture folder>
#   defserver_fixture.sh expect-submitted <bin folder> <fixture folder> <server> <name>...
# Server "first" holds the sample definitions; server "second" holds the same
# and, a day later, additions and deletions, and serves a localisation file
# that has one language more than the shipped one. Each one's address goes
# into <fixture folder>/<name>.url for the tests to read. nginx puts HTTPS in
# front of the second (tls_front.sh).
set -euo pipefail
command=$1
if [ "$command" = stop ]; then
    folder=$2
    for pid_file in "$folder"/*.pid; do
        [ -f "$pid_file" ] && kill "$(cat "$pid_file")" 2>/dev/null || true
    done
    exit 0
fi

if [ "$command" = expect-submitted ]; then
    # Every name must be among the decoded names that the server stored.
    listing=$("$2/defpublish" --db "$3/$4.sqlite" submissions)
    status=0
    for name in "${@:5}"; do
        if ! cut -f 4 <<<"$listing" | tr '|' '\n' | grep -qxF -- "$name"; then
            echo "The $4 server did not store \"$name\"; it holds:" >&2
            status=1
        fi
    done
    [ "$status" = 0 ] || printf '%s\n' "$listing" >&2
    exit "$status"
fi

bin=$2
folder=$3
samples=$(cd "$(dirname "$0")/../../tools/samples/definitions" && pwd)
if [ ! -x "$bin/defserver" ] || [ ! -x "$bin/defpublish" ]; then
    echo "The reference definitions server is not built in $bin (build the host preset first)." >&2
    exit 1
fi
"$0" stop "$folder"
rm -rf "$folder"
mkdir -p "$folder"

publish() { "$bin/defpublish" --db "$folder/$1.sqlite" "${@:2}" >/dev/null; }
for name in first second; do
    publish "$name" seed-samples "$samples"
done
publish second add FILE 'fresh_helper.dll=Demo.Adware.Fresh|[progfil]FreshDemo|Adware' \
    --date '2026-12-02 08:00:00'
publish second add REG '1^Software\FreshDemo^=Demo.Adware.Fresh|Adware' --date '2026-12-02 08:00:01'
publish second del FILE 'pixelpal.cfg' --date '2026-12-02 08:00:02'
publish second del COOK 'pixelpal-demo.example' --date '2026-12-02 08:00:03'

# The shipped file with a Dutch group added before its end.
localization=$(cd "$(dirname "$0")/../../src/app" && pwd)/Localization.txt
dutch=$'<LANGUAGE_GROUP xml:lang="nl">\r\n\t<LANGUAGE_NAME>Nederlands</LANGUAGE_NAME>\r\n'
dutch+=$'\t<TRANSLATION_ITEMS>\r\n\t\t<FRMMAIN_CMDSCAN>Nu scannen</FRMMAIN_CMDSCAN>\r\n'
dutch+=$'\t</TRANSLATION_ITEMS>\r\n</LANGUAGE_GROUP>\r\n'
awk -v dutch="$dutch" '/<\/XML_DIZ_INFO>/ { printf "%s", dutch } { print }' "$localization" \
    >"$folder/Localization.txt"
served_file() { [ "$1" = second ] && echo --localization "$folder/Localization.txt"; true; }

# The servers sign with a key pair of the fixture's own; the tests read its
# public half from keys/publisher.pub.
"$(dirname "$0")/../../scripts/update-keys.sh" "$folder/keys" "$bin/defpublish"
signing=(--signing-key "$folder/keys/publisher.key")

for name in first second; do
    # Detached from this script's output, which the test runner waits on.
    # shellcheck disable=SC2046
    "$bin/defserver" --db "$folder/$name.sqlite" --port 0 $(served_file "$name") "${signing[@]}" \
        </dev/null >/dev/null 2>"$folder/$name.log" &
    echo $! >"$folder/$name.pid"
done
for name in first second; do
    port=""
    for _ in $(seq 100); do
        port=$(sed -n 's|.*on http://127\.0\.0\.1:\([0-9]*\)/.*|\1|p' "$folder/$name.log" | head -n 1)
        [ -n "$port" ] && break
        sleep 0.1
    done
    if [ -z "$port" ]; then
        echo "The $name server did not start:" >&2
        cat "$folder/$name.log" >&2
        exit 1
    fi
    echo "http://127.0.0.1:$port" >"$folder/$name.url"
done

# HTTPS in front of the second server, with certificates to accept and refuse.
"$(dirname "$0")/tls_front.sh" "$folder" second "$(sed 's|.*:||' "$folder/second.url")"
