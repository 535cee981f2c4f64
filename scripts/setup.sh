#!/bin/bash
# Installs the Debian packages the build and the tests need; quick when all is there.
set -e
PKGS="cmake ninja-build g++ make googletest libgtest-dev libbenchmark-dev clang
g++-mingw-w64-x86-64 g++-mingw-w64-i686 wine wine64 xvfb xauth pulseaudio
gstreamer1.0-plugins-base gstreamer1.0-plugins-good gstreamer1.0-plugins-ugly gstreamer1.0-libav
fonts-ipafont-gothic locales python3 x11-apps imagemagick xdotool lhasa jlha-utils mpg123 lame sox"
missing=""
for p in $PKGS; do
  s=$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null || true)
  [ "$s" = "install ok installed" ] || missing="$missing $p"
done
if [ -n "$missing" ]; then
  if [ "$(id -u)" = 0 ]; then
    echo "setup: installing$missing"
    apt-get update -qq
    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends $missing >/dev/null
  else
    echo "setup: please run: sudo apt-get update && sudo apt-get install$missing"
    exit 1
  fi
fi
# Wine converts Japanese arguments and registry text only under a real ja_JP.UTF-8 locale.
if ! locale -a 2>/dev/null | grep -qi '^ja_JP.utf8$'; then
  if [ "$(id -u)" = 0 ]; then
    sed -i 's/^# *ja_JP.UTF-8 UTF-8/ja_JP.UTF-8 UTF-8/' /etc/locale.gen
    grep -q '^ja_JP.UTF-8 UTF-8' /etc/locale.gen || echo 'ja_JP.UTF-8 UTF-8' >> /etc/locale.gen
    locale-gen >/dev/null
  else
    echo "setup: please run as root: locale-gen ja_JP.UTF-8"
    exit 1
  fi
fi
