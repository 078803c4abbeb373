# Run by CPack on the staged tree before it is packed, for what only the Debian package holds:
# the programs and the batch tool's drawing module lose their .comment and .note sections, as Debian's own packaging tools strip them
# (the build id in .note.gnu.build-id stays), and lintian gets the package's overrides.
set(staged "${CPACK_TEMPORARY_INSTALL_DIRECTORY}/usr")

find_program(OBJCOPY objcopy REQUIRED)
file(GLOB programs "${staged}/bin/*" "${staged}/lib/gridlex/*.so")
if(NOT programs)
  message(FATAL_ERROR "no programs to strip under ${staged}/bin")
endif()
foreach(program ${programs})
  execute_process(COMMAND ${OBJCOPY} --remove-section=.comment --remove-section=.note ${program}
                  RESULT_VARIABLE failed)
  if(failed)
    message(FATAL_ERROR "objcopy could not strip ${program}")
  endif()
endforeach()

# Copied, not installed: an install here would go below DESTDIR, which CPack still has set.
set(overrides "${staged}/share/lintian/overrides")
file(MAKE_DIRECTORY "${overrides}")
file(COPY_FILE "${CMAKE_CURRENT_LIST_DIR}/../packaging/lintian-overrides" "${overrides}/gridlex")
file(CHMOD "${overrides}/gridlex" FILE_PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ)
