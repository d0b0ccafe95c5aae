# Programs that run on the build machine during the build or the tests.
#   qz_host_tool(<var> <name>) sets <var> to the tool's path and makes sure
#   that it is built before whatever depends on QZ_HOST_TOOLS_TARGET.
# A native build builds them as ordinary targets; a cross build configures this
# same source tree natively with QZ_HOST_TOOLS_ONLY in a sub-build.

if(CMAKE_CROSSCOMPILING)
  include(ExternalProject)
  set(QZ_HOST_TOOLS_DIR ${CMAKE_BINARY_DIR}/host-tools)
  ExternalProject_Add(host_tools
    SOURCE_DIR ${CMAKE_SOURCE_DIR}
    BINARY_DIR ${QZ_HOST_TOOLS_DIR}
    CMAKE_ARGS -DQZ_HOST_TOOLS_ONLY=ON -DCMAKE_BUILD_TYPE=Release
               -DCMAKE_RUNTIME_OUTPUT_DIRECTORY=${QZ_HOST_TOOLS_DIR}/bin
    BUILD_ALWAYS ON
    INSTALL_COMMAND ""
    BUILD_BYPRODUCTS ${QZ_HOST_TOOLS_DIR}/bin/skinc ${QZ_HOST_TOOLS_DIR}/bin/qz-sample-service
                     ${QZ_HOST_TOOLS_DIR}/bin/qzplaylist)
  set(QZ_HOST_TOOLS_TARGET host_tools)
  function(qz_host_tool var name)
    set(${var} ${QZ_HOST_TOOLS_DIR}/bin/${name} PARENT_SCOPE)
  endfunction()
else()
  set(QZ_HOST_TOOLS_TARGET "")
  function(qz_host_tool var name)
    set(${var} $<TARGET_FILE:${name}> PARENT_SCOPE)
  endfunction()
endif()
