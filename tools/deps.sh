# Installs the Debian packages that KORVANT's build, tests and window need, when any is missing.
# Sourced by tools/run.sh, tools/test.sh and tools/package_check.sh.
# Qt Charts' CMake package needs Qt OpenGL's, which its own package does not pull in; the tests
# build a German locale from the sources in `locales`. librsvg2-bin renders the icons at build
# time; groff-base renders the manual pages in a test.
korvant_packages=(cmake g++ make pkgconf qt6-base-dev qt6-charts-dev libqt6opengl6-dev libgl-dev
  libgtest-dev libgmock-dev libbenchmark-dev clang-format fonts-dejavu-core locales librsvg2-bin
  groff-base)
# The checks of the built package: lintian, the AppStream validator, jq for its JSON, and the
# shared MIME database with GIO to recognise an input file by its first line.
korvant_package_check_packages=(lintian appstream jq shared-mime-info libglib2.0-bin)

korvant_install_missing() {
  local missing=()
  local package
  for package in "${korvant_packages[@]}" "$@"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' ||
      missing+=("$package")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installing: ${missing[*]}"
  local sudo=()
  [ "$(id -u)" -eq 0 ] || sudo=(sudo)
  "${sudo[@]}" apt-get update -q
  DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
}
