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
