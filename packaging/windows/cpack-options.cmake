# Read by cpack for each package it makes: the zip unpacks into one folder,
# Kulbo-<version>\, so that "extract here" leaves nothing loose beside it.
if(CPACK_GENERATOR STREQUAL "ZIP")
  set(CPACK_PACKAGING_INSTALL_PREFIX /${CPACK_PACKAGE_NAME}-${CPACK_PACKAGE_VERSION})
endif()
