#!/usr/bin/env bash
# Tries the README's commands as a new user of a Debian release would: a
# fresh minimal root from debootstrap with only make added, a clean clone of
# this repository's HEAD, `make check` under a bare environment; then the
# .deb of `make deb` installed with apt-get and started.
#
#   tools/check-in-chroot.sh bookworm|trixie
#
# Needs root and debootstrap. The roots live outside the repository, in
# $ZOLBAS_CHROOTS (default /work/chroots): RELEASE-minbase.tgz keeps the
# downloaded base packages between runs, RELEASE-check is made anew each run.
# The log of the run is RELEASE-check.log beside them. With
# ZOLBAS_FLAKE_ROUNDS=N, the windowed tests then run N more times under load
# there (tools/flake-hunt.sh).
set -euo pipefail

release=${1:-}
case "$release" in
  bookworm | trixie) ;;
  *) echo "usage: $0 bookworm|trixie" >&2; exit 2 ;;
esac
[ "$(id -u)" -eq 0 ] || { echo "$0: needs root (debootstrap, chroot, mount)" >&2; exit 2; }
command -v debootstrap > /dev/null || { echo "$0: needs debootstrap (apt-get install debootstrap)" >&2; exit 2; }

repo=$(cd "$(dirname "$0")/.." && pwd)
chroots=${ZOLBAS_CHROOTS:-/work/chroots}
mirror=${DEBIAN_MIRROR:-http://deb.debian.org/debian}
base=$chroots/$release-minbase.tgz
root=$chroots/$release-check
log=$chroots/$release-check.log
commit=$(git -C "$repo" rev-parse HEAD)
# The bare environment of the commands, as a new user's login would give.
bare_env=(env -i PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin HOME=/root LANG=C.UTF-8)
# What Xvfb and the sanitizers need of a running system.
mounts=(proc sys dev dev/pts dev/shm)

unmount_all() {
  local m i
  for ((i = ${#mounts[@]} - 1; i >= 0; i--)); do
    m=$root/${mounts[i]}
    if mountpoint -q "$m"; then umount "$m" || umount -l "$m"; fi
  done
}

# Processes left running inside the root (a stray X server) would keep the
# mounts busy: end those, by their ids.
end_processes_inside() {
  local p
  for p in /proc/[0-9]*; do
    [ "$(readlink "$p/root" 2> /dev/null)" = "$root" ] && kill "${p#/proc/}" 2> /dev/null || true
  done
}

finish() {
  end_processes_inside
  unmount_all
}

mkdir -p "$chroots"
[ -e "$root" ] && { end_processes_inside; unmount_all; rm -rf --one-file-system "$root"; }
trap finish EXIT
exec > >(tee "$log") 2>&1

echo "== $release: fresh root in $root"
if [ ! -s "$base" ]; then
  debootstrap --variant=minbase --make-tarball="$base" "$release" "$root.download" "$mirror"
  rm -rf "$root.download"
fi
debootstrap --variant=minbase --unpack-tarball="$base" "$release" "$root" "$mirror" > "$root.debootstrap.log"
cp /etc/resolv.conf "$root/etc/resolv.conf"
mount -t proc proc "$root/proc"
mount -t sysfs sysfs "$root/sys"
mount --bind /dev "$root/dev"
mount --bind /dev/pts "$root/dev/pts"
mount --bind /dev/shm "$root/dev/shm"

in_root() { chroot "$root" "${bare_env[@]}" "$@"; }

echo "== $release: only make added"
{ in_root apt-get update -q && in_root DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends make; } \
  > "$root.setup.log" 2>&1 || { tail -20 "$root.setup.log"; exit 1; }

echo "== $release: clean clone of $commit"
git clone -q --no-local "$repo" "$root/root/zolbas"
git -C "$root/root/zolbas" checkout -q --detach "$commit"

echo "== $release: make check"
start=$(date +%s)
status=0
in_root bash -c 'cd /root/zolbas && make check' > "$root.make-check.log" 2>&1 || status=$?
echo "make check exited $status after $(( $(date +%s) - start )) s (output in $root.make-check.log)"
sed -n '/tests passed, /,$p' "$root.make-check.log"

if [ -n "${ZOLBAS_FLAKE_ROUNDS:-}" ]; then
  echo "== $release: the windowed tests ${ZOLBAS_FLAKE_ROUNDS} times under load"
  in_root bash -c "cd /root/zolbas && tools/flake-hunt.sh ${ZOLBAS_FLAKE_ROUNDS}" > "$root.flake-hunt.log" 2>&1 || status=1
  sed -n '/^test  /,$p' "$root.flake-hunt.log"
fi

echo "== $release: make deb, apt-get install, zolbas --version"
in_root bash -c 'cd /root/zolbas && make deb' > "$root.make-deb.log" 2>&1 ||
  { tail -20 "$root.make-deb.log"; exit 1; }
deb=$(cd "$root/root/zolbas" && ls dist/zolbas_*_amd64.deb)
echo "built $deb"
in_root bash -c "cd /root/zolbas && apt-get install -y -q ./$deb" > "$root.install.log" 2>&1 ||
  { tail -20 "$root.install.log"; exit 1; }
# A user's PATH on Debian (/etc/profile), where the games are.
chroot "$root" env -i PATH=/usr/local/bin:/usr/bin:/bin:/usr/local/games:/usr/games HOME=/root zolbas --version
exit "$status"
