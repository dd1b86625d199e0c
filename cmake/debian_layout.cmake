# Run by cpack on the staged files before it builds the .deb: gives the
# package the layout Debian asks of a game. Its programs move from bin to
# games (a source install keeps them in bin, where a home-directory PATH finds
# them), and the copyright file and the compressed changelog go into the
# package's documentation folder.
set(usr "${CPACK_TEMPORARY_INSTALL_DIRECTORY}${CPACK_PACKAGING_INSTALL_PREFIX}")

file(MAKE_DIRECTORY "${usr}/games")
file(GLOB programs "${usr}/bin/*")
foreach(program IN LISTS programs)
  get_filename_component(name "${program}" NAME)
  file(RENAME "${program}" "${usr}/games/${name}")
endforeach()
file(REMOVE_RECURSE "${usr}/bin")

set(doc "${usr}/share/doc/${CPACK_PACKAGE_NAME}")
file(MAKE_DIRECTORY "${doc}")
file(COPY_FILE "${CPACK_KELVARO_DEBIAN_DIR}/copyright" "${doc}/copyright")
# -n leaves the name and time out of the archive, so that the same changelog
# always gives the same bytes.
execute_process(COMMAND gzip -9n -c "${CPACK_KELVARO_DEBIAN_DIR}/changelog"
                OUTPUT_FILE "${doc}/changelog.gz"
                RESULT_VARIABLE gzip_status)
if(NOT gzip_status EQUAL 0)
  message(FATAL_ERROR "gzip failed on the changelog: ${gzip_status}")
endif()
