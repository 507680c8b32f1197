# The Debian packages the build needs; sourced by ./test and ./run.
PEKTO_PACKAGES=(g++ cmake ninja-build libgtest-dev libgmock-dev libbenchmark-dev
                qt6-base-dev fonts-dejavu-core ccache libsodium-dev pkg-config libarchive-dev
                desktop-file-utils poppler-utils xdg-utils clang-14 libclang-rt-14-dev)

pekto_install_packages() {
  local missing=()
  local pkg
  for pkg in "${PEKTO_PACKAGES[@]}"; do
    dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q "install ok installed" || missing+=("$pkg")
  done
  if ((${#missing[@]} == 0)); then
    return 0
  fi
  echo "Installing: ${missing[*]}"
  local sudo=""
  if [ "$(id -u)" -ne 0 ]; then
    sudo="sudo"
  fi
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}"
}
