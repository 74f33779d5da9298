# Platform adapters carry the platform in their file name; this picks the suffix once for every folder.
if(WIN32)
    set(RIGVET_PLATFORM Win32)
    set(RIGVET_OS_FAMILY Win32)
else()
    set(RIGVET_PLATFORM Linux)
    set(RIGVET_OS_FAMILY Posix)
endif()
