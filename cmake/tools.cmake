# add_tool(NAME source...): one tool program, a GUI-subsystem executable that links the
# shortcut core (whose WinMain comes along as an interface source).
function(add_tool name)
  if(NOT WIN32)
    return()
  endif()
  add_executable(${name} WIN32 ${ARGN})
  target_link_libraries(${name} PRIVATE shortcut-core)
endfunction()
