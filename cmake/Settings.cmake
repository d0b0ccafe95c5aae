# Build settings shared by every target of ours.

set(QZ_PLAYLIST_HOST "qzone-music.qq.com" CACHE STRING
    "Host (and optional :port) of the playlist service the program asks")
set(QZ_CONTACT_QQ "88886666" CACHE STRING
    "QQ number that the contact button's chat-launch page opens")
set(QZ_HOME_PAGE "www.lirabo.com" CACHE STRING
    "The maker's home page, a bare host name beginning with www.")
option(QZ_SANITIZE "Build with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)

if(CMAKE_CROSSCOMPILING)
  # Boost.Regex is header-only; give the cross compiler a directory that holds
  # only the boost headers, never the host's /usr/include with glibc's headers.
  set(QZ_BOOST_INCLUDE ${CMAKE_BINARY_DIR}/boost-include)
  if(NOT EXISTS ${QZ_BOOST_INCLUDE}/boost)
    file(MAKE_DIRECTORY ${QZ_BOOST_INCLUDE})
    file(CREATE_LINK /usr/include/boost ${QZ_BOOST_INCLUDE}/boost SYMBOLIC)
  endif()
else()
  set(QZ_BOOST_INCLUDE /usr/include)
endif()

if(MINGW)
  add_link_options(-static -static-libgcc -static-libstdc++)
endif()

if(QZ_SANITIZE AND NOT CMAKE_CROSSCOMPILING)
  add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer
                      -fno-sanitize-recover=all)
  add_link_options(-fsanitize=address,undefined)
endif()

# Every text the program carries is GBK (code page 936); sources are UTF-8.
# Warnings are errors in our own targets only.
function(qz_target_defaults target)
  if(MSVC)
    target_compile_options(${target} PRIVATE /W4 /WX /source-charset:utf-8 /execution-charset:.936)
  else()
    target_compile_options(${target} PRIVATE -Wall -Wextra -Werror -fexec-charset=GBK)
  endif()
  if(WIN32)
    target_compile_definitions(${target} PRIVATE WIN32_LEAN_AND_MEAN NOMINMAX
                                                 _WIN32_WINNT=0x0601 WINVER=0x0601)
  endif()
endfunction()

configure_file(${CMAKE_CURRENT_LIST_DIR}/build_settings.h.in
               ${CMAKE_BINARY_DIR}/generated/build_settings.h @ONLY)

# The port of the sample playlist service that the tests start; 0 when the
# tests do not need it.
set(QZ_SAMPLE_PORT "0" CACHE STRING "Port of the sample playlist service for the tests")
