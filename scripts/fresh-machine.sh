#!/usr/bin/env bash
# Fresh minimal Debian 12 machines, for checks that must start from nothing: a base system made
# once with debootstrap, then copied for each machine, with /proc, /sys and /dev mounted in it
# while the script runs. Sourced by the scripts that use it; they need root, debootstrap and
# access to a Debian archive.

fresh_mounted=()
unmount_machines() {
  for ((i = ${#fresh_mounted[@]} - 1; i >= 0; i--)); do umount -l "${fresh_mounted[i]}" || true; done
}
trap unmount_machines EXIT

# make_base FOLDER [PACKAGE,...]: a minimal Debian 12 in FOLDER with the packages named, made
# unless an earlier run finished it.
make_base() {
  local base="$1" include="${2:-}"
  [ -e "$base.done" ] && return
  command -v debootstrap >/dev/null || apt-get install -y debootstrap
  rm -rf "$base"
  debootstrap --variant=minbase ${include:+--include="$include"} bookworm "$base" \
    "${DEBIAN_MIRROR:-http://deb.debian.org/debian}"
  touch "$base.done"
}

# new_machine FOLDER BASE: a fresh copy of BASE in FOLDER, with what a chroot needs.
new_machine() {
  local machine="$1" base="$2"
  rm -rf "$machine"
  cp -a "$base" "$machine"
  cp /etc/resolv.conf "$machine/etc/resolv.conf"
  for fs in proc sys dev dev/pts; do
    mount --bind "/$fs" "$machine/$fs"
    fresh_mounted+=("$machine/$fs")
  done
}

# on_machine FOLDER COMMAND: runs COMMAND with bash, as root, in the machine in FOLDER, in a
# clean environment.
on_machine() {
  chroot "$1" /usr/bin/env -i HOME=/root PATH=/usr/sbin:/usr/bin:/sbin:/bin bash -c "$2"
}
