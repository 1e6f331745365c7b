#!/usr/bin/env bash
# Fresh minimal Debian machines of a release (bookworm, Debian 12; trixie, Debian 13), for checks
# that must start from nothing: a base system made once per release with debootstrap, then copied
# for each machine, with /proc, /sys and /dev mounted in it while the script runs. Sourced by the
# scripts that use it; they need root, debootstrap and access to a Debian archive.

fresh_mirror="${DEBIAN_MIRROR:-http://deb.debian.org/debian}"
fresh_security_mirror="${DEBIAN_SECURITY_MIRROR:-http://deb.debian.org/debian-security}"

# fresh_release NAME: fails, saying why, unless machines can be made of release NAME.
fresh_release() {
  case "$1" in
    bookworm | trixie) ;;
    *)
      echo "release: bookworm (Debian 12) or trixie (Debian 13), not '$1'" >&2
      return 2
      ;;
  esac
}

# fresh_folder FOLDER: makes FOLDER, where machines are kept, and refuses one that another user
# could have made or could change (a link, someone else's, writable by others).
fresh_folder() {
  mkdir -p -m 700 "$1"
  if [ -L "$1" ] || [ "$(stat -c %u "$1")" != 0 ] || [ -n "$(find "$1" -maxdepth 0 -perm /022)" ]; then
    echo "$1 is not a folder of root's alone: machines are not made there" >&2
    return 1
  fi
}

# mounted_under FOLDER: what is mounted at FOLDER or under it, deepest first.
mounted_under() {
  findmnt -rn -o TARGET | awk -v root="$1" '$0 == root || index($0, root "/") == 1' | sort -r
}

# unmount_under FOLDER: unmounts all that is mounted at or under FOLDER (a killed run may have
# left its mounts behind), lazily where a process still uses it.
unmount_under() {
  local target
  mounted_under "$1" | while read -r target; do
    umount "$target" 2>/dev/null || umount -l "$target"
  done
}

# remove_machine FOLDER: removes a machine, or a base, once nothing is mounted in it any more;
# the removal never crosses into another file system.
remove_machine() {
  [ -e "$1" ] || return 0
  local folder
  folder="$(realpath "$1")"
  unmount_under "$folder"
  if [ -n "$(mounted_under "$folder")" ]; then
    echo "still mounted under $folder, not removed:" >&2
    mounted_under "$folder" >&2
    return 1
  fi
  rm -rf --one-file-system "$folder"
}

fresh_machines=()
unmount_machines() {
  local machine
  for machine in "${fresh_machines[@]}"; do unmount_under "$machine" || true; done
}
trap unmount_machines EXIT

# make_base FOLDER RELEASE [PACKAGE,...]: a minimal Debian of RELEASE in FOLDER with the packages
# named, and the release's updates and security suites, made unless an earlier run finished it.
make_base() {
  local base="$1" release="$2" include="${3:-}"
  fresh_release "$release" || return
  [ -e "$base.done" ] && return
  command -v debootstrap >/dev/null || apt-get install -y debootstrap || return
  remove_machine "$base" || return
  debootstrap --variant=minbase ${include:+--include="$include"} "$release" "$base" \
    "$fresh_mirror" || return
  cat >"$base/etc/apt/sources.list" <<EOF || return
deb $fresh_mirror $release main
deb $fresh_mirror $release-updates main
deb $fresh_security_mirror $release-security main
EOF
  touch "$base.done"
}

# new_machine FOLDER BASE: a fresh copy of BASE in FOLDER, with what a chroot needs. The
# packages its apt downloads are kept beside BASE for the next machines, which still install
# every one of them.
new_machine() {
  local machine="$1" base="$2"
  remove_machine "$machine" || return
  cp -a "$base" "$machine"
  machine="$(realpath "$machine")"
  cp /etc/resolv.conf "$machine/etc/resolv.conf"
  # The host's certificate authorities, so that apt, git and npm work where the network passes
  # through a TLS proxy; the local ones too, so that they stay when the machine remakes its list.
  mkdir -p "$machine/etc/ssl/certs" "$machine/usr/local/share/ca-certificates"
  cp /etc/ssl/certs/ca-certificates.crt "$machine/etc/ssl/certs/"
  cp -r /usr/local/share/ca-certificates/. "$machine/usr/local/share/ca-certificates/"
  echo "cafile=/etc/ssl/certs/ca-certificates.crt" >"$machine/root/.npmrc"
  fresh_machines+=("$machine")
  for fs in proc sys dev dev/pts; do mount --bind "/$fs" "$machine/$fs"; done
  mkdir -p "$base.archives"
  mount --bind "$base.archives" "$machine/var/cache/apt/archives"
}

# on_machine FOLDER COMMAND: runs COMMAND with bash, as root, in the machine in FOLDER, in a
# clean environment but for the host's limit on parallel build jobs.
on_machine() {
  chroot "$1" /usr/bin/env -i HOME=/root PATH=/usr/sbin:/usr/bin:/sbin:/bin \
    ${CMAKE_BUILD_PARALLEL_LEVEL:+CMAKE_BUILD_PARALLEL_LEVEL="$CMAKE_BUILD_PARALLEL_LEVEL"} \
    bash -c "$2"
}

# on_fresh_clone FOLDER BASE REPOSITORY COMMAND: a fresh machine from BASE in FOLDER with a
# clone of REPOSITORY in /root/ferolan, running COMMAND there.
on_fresh_clone() {
  new_machine "$1" "$2" || return
  git clone --quiet "$3" "$1/root/ferolan"
  on_machine "$1" "cd /root/ferolan && $4"
}
