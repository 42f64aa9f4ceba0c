#!/usr/bin/env bash
# Installs what building, running and testing the client need on Debian 12. Idempotent: packages
# already present are not touched and apt is not even asked.
set -euo pipefail

packages=(
  cmake ninja-build g++ pkg-config
  qt6-base-dev qt6-base-dev-tools qt6-declarative-dev qt6-declarative-dev-tools
  qt6-5compat-dev qt6-svg-dev libgl-dev
  qml6-module-qtquick qml6-module-qtquick-controls qml6-module-qtquick-templates
  qml6-module-qtquick-window qml6-module-qtquick-layouts qml6-module-qtquick-dialogs
  qml6-module-qt-labs-settings qml6-module-qt5compat-graphicaleffects qml6-module-qttest
  qml6-module-qtqml-workerscript qml6-module-qtquick-shapes qml6-module-qt-labs-folderlistmodel qml6-module-qtcore
  # lupdate/lrelease for the client's catalogues, Qt's own catalogues for its dialogs
  qt6-tools-dev qt6-l10n-tools qt6-translations-l10n
  zlib1g-dev libdeflate-dev libgeographiclib-dev libbenchmark-dev
  # the checks of the installed desktop entry, metainfo and file types
  desktop-file-utils appstream shared-mime-info
)
if [ "${ARDIX_WITH_FUZZ:-0}" = 1 ]; then
  packages+=(clang-14 libclang-rt-14-dev)
fi
# The Debian package's library dependencies are computed by dpkg-shlibdeps, which needs file.
if [ "${ARDIX_WITH_PACKAGING:-0}" = 1 ]; then
  packages+=(dpkg-dev file)
fi

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -q
$sudo apt-get install -y -q --no-install-recommends "${missing[@]}"
