# Run by CPack on the staged files: strips the program as Debian's dh_strip does, the symbols
# and the compiler's notes (CPack's own stripping leaves the .comment section).
file(GLOB programs "${CPACK_TEMPORARY_INSTALL_DIRECTORY}/usr/bin/*")
foreach(program IN LISTS programs)
    execute_process(
        COMMAND strip --remove-section=.comment --remove-section=.note --strip-unneeded
                ${program}
        COMMAND_ERROR_IS_FATAL ANY)
endforeach()
