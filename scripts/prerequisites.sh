# Installs the Debian packages a script needs, or says exactly what to install.
# Usage: require_packages PACKAGE...
require_packages() {
  local missing=()
  for package in "$@"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' ||
      missing+=("$package")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  if [ "$(id -u)" -eq 0 ] && command -v apt-get >/dev/null; then
    echo "Installing ${missing[*]} ..." >&2
    DEBIAN_FRONTEND=noninteractive apt-get update -qq >&2 &&
      DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "${missing[@]}" >&2 && return 0
    echo "Installing failed." >&2
  fi
  echo "Missing packages. Install them with: sudo apt-get install ${missing[*]}" >&2
  exit 1
}
