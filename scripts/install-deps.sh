#!/usr/bin/env bash
# Installs the Debian 12 packages the build and the tests need; does nothing when they are present.
set -euo pipefail
packages=(cmake ninja-build g++ qt6-base-dev qt6-base-dev-tools qt6-svg-dev libgl-dev
          fonts-liberation cups cups-client cups-bsd libcups2-dev poppler-utils
          desktop-file-utils appstream dpkg-dev shared-mime-info)
case "${1:-}" in
--with-fuzz) packages+=(clang-14 libclang-rt-14-dev) ;;
--with-format) packages=(clang-format-14) ;;
esac
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0
sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
echo "Installing: ${missing[*]}"
$sudo env DEBIAN_FRONTEND=noninteractive apt-get update -q
$sudo env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends "${missing[@]}"
