# Read by cpack before it builds the package: the newest changelog entry must be the package's
# own version, so that a new version cannot ship without its entry.
file(STRINGS "${CPACK_ZOR_CHANGELOG}" newest LIMIT_COUNT 1)
string(REPLACE "." "\\." version_pattern "${CPACK_PACKAGE_VERSION}")
if(NOT newest MATCHES "^zor \\(${version_pattern}\\) ")
    message(FATAL_ERROR
        "packaging/changelog: the newest entry is \"${newest}\", not version ${CPACK_PACKAGE_VERSION}")
endif()
