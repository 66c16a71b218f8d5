#!/usr/bin/env bash
# Builds the Debian package orbivox32 through CPack into ${ORBIVOX_DEB_BUILD_DIR:-build-deb}/
# and checks it: lintian (no errors), the desktop entry and the AppStream metainfo. That build
# folder holds only what the package installs: no tests, no benchmarks (scripts/test.sh and
# build/ have those).
# Installs the build's packages (scripts/setup.sh) and the packaging tools first.
# Install the result with: sudo apt-get install ./build-deb/orbivox32_*.deb
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir="${ORBIVOX_DEB_BUILD_DIR:-build-deb}"

bash scripts/setup.sh
bash scripts/install-packages.sh dpkg-dev file lintian appstream desktop-file-utils librsvg2-bin

# Debian's hardening flags, all of them; the build type adds nothing of its own.
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
map_data="${ORBIVOX_MAP_DATA:-$PWD/.cache/mapdata}"
cmake -G Ninja -S . -B "$build_dir" -DCMAKE_BUILD_TYPE=None -DORBIVOX_TESTS=OFF -DORBIVOX_BENCH=OFF \
  -DORBIVOX_MAP_DATA="$map_data/node_modules" \
  -DCMAKE_CXX_FLAGS="$(dpkg-buildflags --get CPPFLAGS) $(dpkg-buildflags --get CXXFLAGS)" \
  -DCMAKE_EXE_LINKER_FLAGS="$(dpkg-buildflags --get LDFLAGS)" >/dev/null
cmake --build "$build_dir" -j"$(nproc)"
rm -f "$build_dir"/orbivox32_*.deb
(cd "$build_dir" && cpack -G DEB)
deb=$(ls "$build_dir"/orbivox32_*.deb)

echo "Checking $deb"
lintian --fail-on error --info "$deb"
desktop-file-validate packaging/org.orbivox.Orbivox32.desktop
appstreamcli validate --no-net "$build_dir/packaging/org.orbivox.Orbivox32.metainfo.xml"
echo "Built $deb"
