#!/usr/bin/env bash
# Runs make targets of the current commit in a clean Debian 13 (trixie) root,
# as a new user of Debian 13 would: clone, set up (`make build`, which
# installs the dependencies first), then the targets given (default: test).
#
#   tools/debian13.sh [target ...]        (needs root)
#
# The root is made once with mmdebstrap from the mirror this machine's apt
# already uses, with tools/install-deps.sh run in it, and kept in
# $KESTRIN_ROOT_CACHE (default /var/cache/kestrin) under a hash of what went
# into it; a changed install-deps.sh or mirror makes a new one. Each run works
# on a throw-away overlay of it, so every run starts from the same root.
#
# Everything happens in a mount namespace of this script's own, and every
# command in the root in a PID namespace of its own: no mount outlives the
# script, and ending a command ends every process it started. A screen reader
# in the root sees only its own processes, so one running elsewhere on the
# machine cannot make it quit.
set -euo pipefail

[ "$(id -u)" -eq 0 ] || { echo "$0: needs root (mounts and chroot)" >&2; exit 1; }
if [ -z "${KESTRIN_DEBIAN13_NS:-}" ]; then
  KESTRIN_DEBIAN13_NS=1 exec unshare --mount --propagation private -- "$0" "$@"
fi

started=$(date +%s)
repo=$(git -C "$(dirname "$0")/.." rev-parse --show-toplevel)
commit=$(git -C "$repo" rev-parse HEAD)
targets=("$@")
[ ${#targets[@]} -gt 0 ] || targets=(test)
suite=trixie
cache=${KESTRIN_ROOT_CACHE:-/var/cache/kestrin}

# The host's Debian mirrors, by label, as its apt sees them.
mirror_of() {
  apt-get indextargets --format '$(LABEL) $(REPO_URI)' 'Created-By: Packages' |
    awk -v label="$1" '$1 == label { print $2; exit }'
}
mirror=$(mirror_of Debian)
security=$(mirror_of Debian-Security)
[ -n "$mirror" ] || { echo "$0: the host's apt names no Debian mirror" >&2; exit 1; }
sources=("deb $mirror $suite main" "deb $mirror $suite-updates main")
[ -z "$security" ] || sources+=("deb $security $suite-security main")
base_packages=ca-certificates,git,make

deps=$(git -C "$repo" show "$commit:tools/install-deps.sh")
key=$(printf '%s\n' "$deps" "$base_packages" "${sources[@]}" | sha256sum | cut -c1-16)
root=$cache/debian13-$key
work=$(mktemp -d "$cache/run.XXXXXX" 2>/dev/null || { mkdir -p "$cache"; mktemp -d "$cache/run.XXXXXX"; })
tree=$work/tree
child=

cleanup() {
  local status=$?
  trap - EXIT INT TERM
  [ -z "$child" ] || kill -KILL "$child" 2>/dev/null || true
  wait 2>/dev/null || true
  for m in $(findmnt -rn -o TARGET | grep -F "$work/" | sort -r); do umount -l "$m" || true; done
  rm -rf "$work"
  echo "debian13: $(( $(date +%s) - started )) s in all"
  exit "$status"
}
trap cleanup EXIT
trap 'exit 130' INT TERM

# Mounts what programs in the root expect of a running system. /tmp is the
# host's, as in schroot: X servers there and here take display numbers by
# lock files in /tmp, so both must see them (and /tmp/.X11-unix with them).
mount_system() {
  local dir=$1
  mount --bind /proc "$dir/proc"
  mount --bind /dev "$dir/dev"
  mount --bind /dev/pts "$dir/dev/pts"
  mount --bind /dev/shm "$dir/dev/shm"
  mount --bind /tmp "$dir/tmp"
  mkdir -p "$dir/tmp/.X11-unix"
  mount --bind /tmp/.X11-unix "$dir/tmp/.X11-unix"
}

# Runs a shell command in the root, in a PID namespace of its own with its
# own /proc; when it ends, the kernel ends whatever it left running.
in_root() {
  local dir=$1 cmd=$2
  unshare --pid --fork --kill-child --mount-proc="$dir/proc" \
    chroot "$dir" /usr/bin/env -i HOME=/root TERM="${TERM:-dumb}" LANG=C.UTF-8 \
      PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin \
      /bin/bash -c "$cmd" &
  child=$!
  wait "$child"
}

if [ ! -d "$root" ]; then
  command -v mmdebstrap >/dev/null || { apt-get update && apt-get -o DPkg::Lock::Timeout=600 install -y --no-install-recommends mmdebstrap; }
  echo "debian13: making the root $root"
  new=$work/new
  mmdebstrap --variant=minbase --include="$base_packages" "$suite" "$new" "${sources[@]}"
  printf '%s\n' "$deps" > "$new/root/install-deps.sh"
  chmod +x "$new/root/install-deps.sh"
  mkdir -p "$work/newmnt"
  mount --bind "$new" "$work/newmnt"
  mount_system "$work/newmnt"
  in_root "$work/newmnt" '/root/install-deps.sh && apt-get clean && rm /root/install-deps.sh'
  umount -R "$work/newmnt"
  # Another run may have made the same root meanwhile; either is as good.
  mv -T "$new" "$root" 2>/dev/null || true
  echo "debian13: root made in $(( $(date +%s) - started )) s"
fi
# Roots of other package lists that no run has used for a week go.
touch "$root"
find "$cache" -maxdepth 1 -name 'debian13-*' ! -path "$root" -mtime +7 -exec rm -rf {} +

mkdir -p "$work/upper" "$work/overlay" "$tree"
mount -t overlay overlay -o "lowerdir=$root,upperdir=$work/upper,workdir=$work/overlay" "$tree"
mount_system "$tree"

git init -q "$tree/root/kestrin"
git -C "$tree/root/kestrin" fetch -q "$repo" HEAD
git -C "$tree/root/kestrin" -c advice.detachedHead=false checkout -q "$commit"
echo "debian13: $(. "$tree/etc/os-release" && echo "$PRETTY_NAME"), commit $(git -C "$repo" log -1 --format='%h %s' "$commit")"

in_root "$tree" "cd /root/kestrin && nice make build && nice make ${targets[*]}"
