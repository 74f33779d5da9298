# Platform adapters carry their platform in the file name: Foo.h declares a seam, FooLinux.cpp and
# FooWin32.cpp implement it. RIGVET_PLATFORM is that suffix for the platform being built.
if(WIN32)
    set(RIGVET_PLATFORM Win32)
else()
    set(RIGVET_PLATFORM Linux)
endif()

# rigvet_seams(TARGET SEAM...): adds the adapter of each named seam of the calling folder, for the
# platform being built, to the target. Each folder names its seams in one such call, so the list
# of what a new platform must provide is there at a glance.
function(rigvet_seams target)
    foreach(seam IN LISTS ARGN)
        target_sources(${target} PRIVATE ${CMAKE_CURRENT_SOURCE_DIR}/${seam}${RIGVET_PLATFORM}.cpp)
    endforeach()
endfunction()

# rigvet_header_library(TARGET PACKAGE FOLDER [VERSION]): the header-only library PACKAGE as TARGET. A native
# build takes the package's own configuration. A cross build takes the headers of the build
# machine's package through a folder of its own that holds only FOLDER, so that the cross
# compiler never sees the rest of the build machine's /usr/include.
function(rigvet_header_library target package folder)
    if(TARGET ${target})
        return()
    endif()
    if(NOT CMAKE_CROSSCOMPILING)
        find_package(${package} ${ARGN} REQUIRED)
        return()
    endif()
    find_path(${package}_HOST_INCLUDE ${folder} PATHS /usr/include NO_DEFAULT_PATH
              NO_CMAKE_FIND_ROOT_PATH REQUIRED)
    set(staged ${CMAKE_BINARY_DIR}/host-headers/${package})
    file(MAKE_DIRECTORY ${staged})
    file(CREATE_LINK ${${package}_HOST_INCLUDE}/${folder} ${staged}/${folder} SYMBOLIC)
    add_library(${target} INTERFACE IMPORTED GLOBAL)
    target_include_directories(${target} SYSTEM INTERFACE ${staged})
endfunction()
