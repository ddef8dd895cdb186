# The Debian package, made by CPack from the install rules (scripts/package). Its dependencies
# are found by dpkg-shlibdeps from the shared libraries the programs actually link.

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME quorvane)
set(CPACK_PACKAGE_VENDOR "The Quorvane developers")
set(CPACK_PACKAGE_CONTACT ${QUORVANE_MAINTAINER})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "simulator of dynamic systems drawn as block diagrams")
set(CPACK_PACKAGE_DESCRIPTION "Quorvane simulates continuous and sampled dynamic systems drawn as block
diagrams: gains, integrators, lags, PID controllers, delays, quantisers,
sine and PRBS sources and more, on up to three diagram sheets. A run shows
the recorded signals as a time graph, a table, FFT spectra and the impulse
and frequency responses found by PRBS correlation.
.
The package holds the desktop program quorvane, the headless runner
quorvane-run, ten example models and three PDF manuals.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${QUORVANE_HOMEPAGE})
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Help opens the manuals in the first of these readers it finds.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "evince | okular | qpdfview | zathura | mupdf")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_STRIP_FILES ON)
include(CPack)
