#!/usr/bin/env bash
# Installs what building and testing need on a Debian machine. Safe to run again:
# it installs only what is missing and generates the Japanese locale once.
set -euo pipefail

packages=(
  cmake ninja-build g++ clang libclang-rt-14-dev
  googletest libgtest-dev libbenchmark-dev nlohmann-json3-dev
  g++-mingw-w64-x86-64 wine wine64 fonts-wine xvfb xauth x11-utils locales fonts-ipafont-gothic imagemagick
  zip unzip python3
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done

sudo_cmd=()
[ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)

# On a fresh machine another installation (unattended upgrades, say) often holds apt's lock for a
# while: wait for it, up to QUORVA_APT_WAIT seconds, instead of failing at once.
apt_wait=${QUORVA_APT_WAIT:-900}
apt_poll=${QUORVA_APT_POLL:-5}
apt_get() {
  local deadline=$((SECONDS + apt_wait)) told="" out
  while ! out=$("${sudo_cmd[@]}" env DEBIAN_FRONTEND=noninteractive apt-get "$@" 2>&1); do
    if ! grep -qE 'Could not get lock|Unable to acquire|Unable to lock' <<<"$out"; then
      printf '%s\n' "$out" >&2
      return 1
    fi
    if [ "$SECONDS" -ge "$deadline" ]; then
      echo "setup: apt is still locked by another installation after ${apt_wait} s; run setup again when it has finished" >&2
      return 1
    fi
    [ -n "$told" ] || echo "setup: another package installation holds apt's lock; waiting for it (at most ${apt_wait} s)"
    told=1
    sleep "$apt_poll"
  done
}

if [ ${#missing[@]} -gt 0 ]; then
  echo "setup: installing ${missing[*]}"
  apt_get update -qq
  apt_get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi

# Wine reads the glibc locale: without ja_JP.UTF-8, code page 932 file names and arguments break.
if ! locale -a 2>/dev/null | grep -qi '^ja_JP\.utf-\?8$'; then
  echo "setup: generating the ja_JP.UTF-8 locale"
  "${sudo_cmd[@]}" sed -i 's/^# *ja_JP.UTF-8 UTF-8/ja_JP.UTF-8 UTF-8/' /etc/locale.gen
  grep -q '^ja_JP.UTF-8 UTF-8' /etc/locale.gen || echo 'ja_JP.UTF-8 UTF-8' | "${sudo_cmd[@]}" tee -a /etc/locale.gen >/dev/null
  "${sudo_cmd[@]}" locale-gen >/dev/null
fi
