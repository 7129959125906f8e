# Sourced by the commands: the Debian packages each needs, and a function
# that installs those that are missing (as root, or through sudo).

# Building and running the program.
RUN_PACKAGES=(g++ cmake ninja-build qt6-base-dev qt6-wayland fonts-liberation)
# Building the Debian package (dpkg-shlibdeps and dpkg-buildflags; file for CPack).
PACKAGE_PACKAGES=(g++ cmake ninja-build qt6-base-dev dpkg-dev file)
# Building and running every test and benchmark, headless, and checking the
# packages (fresh Debian systems for the Debian package by debootstrap; the
# differences between two builds named by diffoscope; git for the sources and
# the time of their last commit).
TEST_PACKAGES=("${RUN_PACKAGES[@]}" libgtest-dev libbenchmark-dev libx11-dev xvfb xauth xdotool
               x11-apps netpbm xclip clang libclang-rt-dev clang-tidy
               dpkg-dev file lintian desktop-file-utils appstream
               orca openbox at-spi2-core dbus-daemon python3-pyatspi weston
               debootstrap diffoscope-minimal git)
# Cross-building ritmolis.exe and its Qt (scripts/windows-qt.sh) and running
# them under Wine; building its installer (wixl, and libmsi for python3:
# packaging/msi.py) and taking installers apart (msitools); the test command
# needs these too.
WINDOWS_PACKAGES=(cmake ninja-build g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix
                  binutils-mingw-w64-x86-64 qt6-base-dev-tools dpkg-dev googletest fonts-liberation
                  wine wine64 icoutils python3 zip
                  wixl msitools gir1.2-libmsi-1.0 python3-gi)
# Building the web edition in a Debian 13 root (scripts/web-build) and testing
# it in three browser engines (scripts/web-check): Chromium through its driver,
# Firefox ESR over WebDriver BiDi (a websocket), WebKitGTK's MiniBrowser
# through its driver on a virtual display; axe-core is fetched by web-check
# itself, over a connection checked against the certificate authorities.
WEB_PACKAGES=(debootstrap cmake ninja-build g++ chromium chromium-driver python3-selenium fonts-liberation
              firefox-esr python3-websocket webkit2gtk-driver xvfb openbox xdotool ca-certificates)

# A Debian package is for the release it is built on and the later ones:
# built on Debian 12 it installs on 12 and 13; built on 13, on 13 alone.
INSTALL_SUITES=(bookworm trixie)
[ "$(. /etc/os-release && echo "$VERSION_CODENAME")" = bookworm ] || INSTALL_SUITES=(trixie)

# The minimal Debian systems that the builds and checks work in, each made
# once per machine by scripts/debian-root.sh from SUITE NAME PACKAGE...:
# Debian 13's emscripten for the web edition; fresh systems of the releases
# above with a virtual display, to install the Debian package into; Debian
# 13's lintian.
DEBIAN_ROOTS=("trixie emscripten emscripten cmake ninja-build")
for suite in "${INSTALL_SUITES[@]}"; do
    DEBIAN_ROOTS+=("$suite install xvfb xauth xdotool")
done
DEBIAN_ROOTS+=("trixie lintian lintian")

# Prints the folder of the root SUITE NAME, made first if this machine has none.
debian_root() {
    local spec
    for spec in "${DEBIAN_ROOTS[@]}"; do
        # shellcheck disable=SC2086  # the words of the root's line
        [[ $spec == "$1 $2 "* ]] && { scripts/debian-root.sh $spec; return; }
    done
    echo "there is no Debian root '$1 $2'" >&2
    return 1
}

ensure_packages() {
    local missing=() package
    for package in "$@"; do
        dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'ok installed' || missing+=("$package")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    local sudo=()
    if [ "$(id -u)" -ne 0 ]; then
        command -v sudo >/dev/null || { echo "Please install as root: ${missing[*]}" >&2; return 1; }
        sudo=(sudo)
    fi
    echo "Installing ${missing[*]}"
    "${sudo[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
}
