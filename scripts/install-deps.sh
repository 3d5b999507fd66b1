#!/usr/bin/env bash
# Installs the Debian packages Kolvira needs to build, test and run, skipping
# those already present. Non-interactive: safe under CI with no stdin.
set -euo pipefail

packages=(
  build-essential cmake pkg-config ccache
  qt6-base-dev qt6-image-formats-plugins qt6-svg-dev libexif-dev libx11-dev
  # the translations: lupdate and lrelease, and Qt's own texts translated
  qt6-tools-dev qt6-l10n-tools qt6-translations-l10n
  libjxl-dev libjxl-tools libexiv2-dev
  libheif-dev libheif-examples libavif-bin
  libraw-dev
  libwmf-dev libemf2svg-dev libfontconfig-dev
  libseccomp-dev
  liblcms2-dev libjpeg62-turbo-dev zlib1g-dev imagemagick
  libgtest-dev libgmock-dev libbenchmark-dev libvips-dev libpng-dev
  xvfb xauth dbus-daemon
  # gdbus and gapplication, the D-Bus clients the start-up tests reach Kolvira with
  libglib2.0-bin
  poppler-utils fonts-liberation2
  python3 python3-pil
  # public sample pictures the tests check against: icons, the PNG test suite
  gdk-pixbuf-tests libsixel-examples
  scdoc librsvg2-bin dpkg-dev file desktop-file-utils appstream shared-mime-info man-db
  # The conformance suite: public sample pictures, and the reference
  # decoders it compares with (ImageMagick, djxl and heif-convert are above).
  golang-golang-x-image-dev libjxl-testdata
  golang-github-gabriel-vasile-mimetype-dev rawtran-doc libjs-flotr webp libraw-bin exiv2
  # the package's checker, and GNOME's thumbnail factory with its sandbox as
  # the file managers' client of the thumbnailer
  lintian gir1.2-gnomedesktop-3.0 python3-gi bubblewrap
  # jpegtran, for bench/progressive-memory.sh's progressive JPEGs
  libjpeg-turbo-progs
  # a screen reader's view: the accessibility bus and its client library
  at-spi2-core gir1.2-atspi-2.0
  # the checks of the sources' layout and of the include graph's drawing
  clang-format graphviz
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

if ((${#missing[@]})); then
  echo "Installing: ${missing[*]}" >&2
  sudo_cmd=()
  if [ "$(id -u)" -ne 0 ]; then sudo_cmd=(sudo); fi
  export DEBIAN_FRONTEND=noninteractive
  "${sudo_cmd[@]}" apt-get update -q </dev/null
  "${sudo_cmd[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}" </dev/null
fi
