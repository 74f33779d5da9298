# The Linux release build, which the Debian package is made from, takes Debian's hardening flags as
# dpkg-buildflags gives them with every hardening feature on: fortified functions, the stack
# protector, format checks, read-only relocations bound at start-up (relro, bindnow), and
# position-independent executables. Its own optimisation stays; -g is left out since the package
# ships stripped programs and no debug symbols.
if(NOT RIGVET_PLATFORM STREQUAL "Linux" OR NOT CMAKE_BUILD_TYPE STREQUAL "Release")
    return()
endif()
find_program(RIGVET_DPKG_BUILDFLAGS dpkg-buildflags)
if(NOT RIGVET_DPKG_BUILDFLAGS)
    message(WARNING "dpkg-buildflags not found: the release build is not hardened (apt install dpkg-dev)")
    return()
endif()

function(rigvet_debian_flags kind output)
    execute_process(
        COMMAND ${CMAKE_COMMAND} -E env DEB_BUILD_MAINT_OPTIONS=hardening=+all
                ${RIGVET_DPKG_BUILDFLAGS} --get ${kind}
        WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
        OUTPUT_VARIABLE flags OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
    separate_arguments(flags UNIX_COMMAND "${flags}")
    list(FILTER flags EXCLUDE REGEX "^-(g|O[0-9s]?)$")
    list(JOIN flags " " flags)
    set(${output} "${flags}" PARENT_SCOPE)
endfunction()

rigvet_debian_flags(CPPFLAGS rigvet_cppflags)
rigvet_debian_flags(CXXFLAGS rigvet_cxxflags)
rigvet_debian_flags(LDFLAGS rigvet_ldflags)
string(APPEND CMAKE_CXX_FLAGS " ${rigvet_cppflags} ${rigvet_cxxflags}")
foreach(kind EXE SHARED MODULE)
    string(APPEND CMAKE_${kind}_LINKER_FLAGS " ${rigvet_ldflags}")
endforeach()
# -fPIE and -pie, or -fPIC in libraries, said outright rather than left to the compiler's default.
include(CheckPIESupported)
check_pie_supported()
set(CMAKE_POSITION_INDEPENDENT_CODE ON)
