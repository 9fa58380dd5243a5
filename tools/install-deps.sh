#!/usr/bin/env bash
# Installs the Debian packages the game needs to build and run, skipping those
# already present; with --test also those its tests need (the window test's X
# server, its tools and the fonts of its message boxes, clang for the sanitized
# soak and fuzz build, DejaVu and VL Gothic for the font choice without the IPA
# faces); with --web what the web page is built with (Emscripten, the stb
# headers, FluidSynth and LAME to record its music); with --package what the
# Debian package is made and checked with (dpkg-shlibdeps, lintian, the
# AppStream and desktop-entry validators); --test takes those too, with
# Chromium and Node to play the page. Used by `make run`, `make test`,
# `make web` and `make package`.
set -euo pipefail

packages=(
  cmake pkg-config g++ make
  libgtest-dev libbenchmark-dev nlohmann-json3-dev
  libsdl2-dev libsdl2-ttf-dev libsdl2-mixer-dev
  libjpeg62-turbo-dev libpng-dev libfontconfig-dev libstb-dev
  fonts-ipafont-gothic timgm6mb-soundfont fonttools
)
web_packages=(emscripten binaryen nodejs libstb-dev fluidsynth lame)
# CPack finds the programs to give to dpkg-shlibdeps with `file`.
package_packages=(dpkg-dev file lintian appstream desktop-file-utils)
if [[ "${1:-}" == "--web" ]]; then
  packages+=("${web_packages[@]}")
fi
if [[ "${1:-}" == "--package" ]]; then
  packages+=("${package_packages[@]}")
fi
if [[ "${1:-}" == "--test" ]]; then
  packages+=("${web_packages[@]}" "${package_packages[@]}" chromium)
  # xvfb-run needs xauth, which only a recommendation brings; the fonts are
  # those of the tests of a machine without the Japanese ones.
  packages+=(xvfb xauth xdotool x11-utils x11-apps clang libclang-rt-14-dev
    xfonts-base fonts-dejavu-core fonts-vlgothic)
fi

missing=()
for p in "${packages[@]}"; do
  status=$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null || true)
  [[ "$status" == "install ok installed" ]] || missing+=("$p")
done

if ((${#missing[@]} == 0)); then
  exit 0
fi

echo "Installing: ${missing[*]}"
sudo=()
if [[ $(id -u) -ne 0 ]]; then sudo=(sudo); fi
export DEBIAN_FRONTEND=noninteractive
"${sudo[@]}" apt-get update -qq
"${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
