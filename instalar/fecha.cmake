# Read by cpack before it packs (CPACK_PROJECT_CONFIG_FILE): the build's date
# as SOURCE_DATE_EPOCH, which CPack's DEB generator then writes as the time of
# every file of the package and of the package's own members, and leaves out
# of their gzip headers. A SOURCE_DATE_EPOCH of the builder's own wins.
if(CPACK_ZW_FECHA AND NOT DEFINED ENV{SOURCE_DATE_EPOCH})
    set(ENV{SOURCE_DATE_EPOCH} ${CPACK_ZW_FECHA})
endif()
