# Fails when a portable file of the support and core layers includes anything but the C++ standard
# library and other portable project headers: no platform header (unistd.h, windows.h), no
# third-party library (pugixml, cpprestsdk, Qt, nlohmann-json, CLI11), and no platform adapter.
#   cmake -DSOURCE_DIR=<src> [-DCORE_SOURCES=a.cpp|b.cpp] -P CheckPortableIncludes.cmake
# Portable files are those of the layer folders below, at any depth, whose names do not end in a
# platform suffix, and the data lists of res/ (*.def) that they include; the front ends (ui/qt,
# ui/cli, ui/win32) and the Linux collector are not portable layers. An include through a macro
# cannot be checked, so it is a fault too. The core target's sources (CORE_SOURCES, when given)
# must hold no platform adapter: adapters go to the platform target.
if(NOT SOURCE_DIR)
    message(FATAL_ERROR "SOURCE_DIR is not set")
endif()

set(layers support run diagnostics updates clock ui)
set(standard_headers
    algorithm any array atomic bit bitset cassert cctype cerrno cfloat charconv chrono cinttypes
    climits clocale cmath compare concepts condition_variable csignal cstdarg cstddef cstdint
    cstdio cstdlib cstring ctime cwchar cwctype deque exception filesystem format forward_list
    fstream functional future initializer_list iomanip ios iosfwd iostream istream iterator
    limits list locale map memory mutex new numbers numeric optional ostream queue random ranges
    ratio set source_location span sstream stack stdexcept stop_token streambuf string
    string_view system_error thread tuple type_traits typeindex typeinfo unordered_map
    unordered_set utility valarray variant vector version)

function(is_portable_file path result)
    if(path MATCHES "(Linux|Win32)\\.(h|hpp|inl|cpp)$" OR path MATCHES "/ui/(qt|cli|win32)/")
        set(${result} FALSE PARENT_SCOPE)
    else()
        set(${result} TRUE PARENT_SCOPE)
    endif()
endfunction()

set(files)
foreach(layer IN LISTS layers)
    file(GLOB_RECURSE found ${SOURCE_DIR}/${layer}/*.h ${SOURCE_DIR}/${layer}/*.hpp
         ${SOURCE_DIR}/${layer}/*.inl ${SOURCE_DIR}/${layer}/*.cpp)
    list(APPEND files ${found})
endforeach()
# The data lists beside the sources (the string table) are expanded inside portable files, so
# they are held to the same rule.
set(lists_dir ${SOURCE_DIR}/../res)
file(GLOB lists ${lists_dir}/*.def)
list(APPEND files ${lists})

set(faults)
set(checked 0)
foreach(path IN LISTS files)
    is_portable_file("${path}" portable)
    if(NOT portable)
        continue()
    endif()
    math(EXPR checked "${checked} + 1")
    file(STRINGS "${path}" lines REGEX "^[ \t]*#[ \t]*include")
    foreach(line IN LISTS lines)
        if(line MATCHES "<([^>]+)>")
            list(FIND standard_headers "${CMAKE_MATCH_1}" index)
            if(index EQUAL -1)
                list(APPEND faults "${path}: <${CMAKE_MATCH_1}> is not a C++ standard header")
            endif()
        elseif(NOT line MATCHES "\"([^\"]+)\"")
            list(APPEND faults "${path}: \"${line}\" includes through a macro")
        else()
            set(included "${CMAKE_MATCH_1}")
            if(included MATCHES "\\.def$" AND EXISTS "${lists_dir}/${included}")
                continue()
            endif()
            is_portable_file("/${included}" included_portable)
            string(REGEX MATCH "^[^/]+" folder "${included}")
            list(FIND layers "${folder}" layer_index)
            if(NOT EXISTS "${SOURCE_DIR}/${included}" OR layer_index EQUAL -1
               OR NOT included_portable)
                list(APPEND faults "${path}: \"${included}\" is not a portable project header")
            endif()
        endif()
    endforeach()
endforeach()

string(REPLACE "|" ";" core_sources "${CORE_SOURCES}")
foreach(source IN LISTS core_sources)
    if(source MATCHES "(Linux|Win32)\\.cpp$")
        list(APPEND faults "the core target compiles the adapter ${source}")
    endif()
endforeach()

if(checked EQUAL 0)
    message(FATAL_ERROR "no portable file found below ${SOURCE_DIR}")
endif()
if(faults)
    list(JOIN faults "\n" text)
    message(FATAL_ERROR "Portable files include what they must not:\n${text}")
endif()
message(STATUS "${checked} portable files include only the standard library and each other")
