#!/usr/bin/env bash
# Installs the Debian package that `make deb` built, as a user would, and
# starts the installed program under a private Xvfb from outside the source
# tree. Succeeds when the launcher window appears. A package that was not
# installed before is removed again afterwards, so the machine is left as it
# was found.
# Usage: tools/check-deb.sh path/to/kestrin_*.deb   (needs root or sudo)
set -euo pipefail
deb=$(realpath "$1")
sudo=()
if [ "$(id -u)" -ne 0 ]; then sudo=(sudo); fi

dpkg-deb --info "$deb" >/dev/null
if ! dpkg-query -W -f='${Status}' kestrin 2>/dev/null | grep -q 'install ok installed'; then
  trap '"${sudo[@]}" dpkg -r kestrin >/dev/null && echo "kestrin removed again"' EXIT
fi

if ! "${sudo[@]}" dpkg -i "$deb"; then
  DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get -f install -y --no-install-recommends
fi
program=$(dpkg -L kestrin | grep '/bin/kestrin$')

cd "$(mktemp -d)"
xvfb-run -a -s "-screen 0 1280x1024x24 -nolisten tcp" bash -c '
  "$0" & pid=$!
  if timeout 20 xdotool search --sync --name "^Vellumark Kestrin\$" >/dev/null; then
    echo "$0 started: launcher window mapped"
    kill $pid; wait $pid 2>/dev/null || true
  else
    echo "$0: no launcher window within 20 s" >&2
    kill $pid 2>/dev/null; exit 1
  fi' "$program"
