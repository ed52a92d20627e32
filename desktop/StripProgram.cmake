# Run by CPack on the staged files before it packs them: strips the program as Debian's own
# packaging does, symbols and the compilers' .comment notes both.
file(GLOB_RECURSE programs LIST_DIRECTORIES false "${CPACK_TEMPORARY_DIRECTORY}/*/bin/*")
if(NOT programs)
  message(FATAL_ERROR "no program under ${CPACK_TEMPORARY_DIRECTORY} to strip")
endif()
foreach(program ${programs})
  execute_process(
    COMMAND ${CPACK_VELUNKA_STRIP} --strip-all --remove-section=.comment --remove-section=.note ${program}
    COMMAND_ERROR_IS_FATAL ANY)
endforeach()
