# The user's own setup survives a rebuild: copy the shipped file only when none is there.
if(NOT EXISTS "${DST}")
    configure_file("${SRC}" "${DST}" COPYONLY)
endif()
