# pugixml as the target rigvet::pugixml. pugixml's compact mode stores a report's elements in about
# a fifth of the memory of its ordinary mode (the whole load of a dense report drops from 3.2x
# its size to 1.4x) and loads it faster, but it is chosen when pugixml itself is compiled, and the
# distribution ships only the ordinary build. So the distribution's source of the very version
# installed, which scripts/fetch-pugixml puts in build/third-party/pugixml/, is compiled here in
# compact mode. Without it (a build by hand that skipped the script) the distribution's library
# is used, and the configuration says so.
set(RIGVET_PUGIXML_SOURCE_DIR ${PROJECT_SOURCE_DIR}/build/third-party/pugixml/src
    CACHE PATH "pugixml's own src folder (pugixml.cpp, pugixml.hpp), compiled in compact mode")

if(EXISTS ${RIGVET_PUGIXML_SOURCE_DIR}/pugixml.cpp)
    add_library(rigvet_pugixml STATIC ${RIGVET_PUGIXML_SOURCE_DIR}/pugixml.cpp)
    target_include_directories(rigvet_pugixml SYSTEM PUBLIC ${RIGVET_PUGIXML_SOURCE_DIR})
    # Public: every file that includes pugixml.hpp must see the same mode.
    target_compile_definitions(rigvet_pugixml PUBLIC PUGIXML_COMPACT)
    add_library(rigvet::pugixml ALIAS rigvet_pugixml)
    message(STATUS "pugixml: compiled in compact mode from ${RIGVET_PUGIXML_SOURCE_DIR}")
else()
    find_package(pugixml REQUIRED)
    add_library(rigvet::pugixml ALIAS pugixml::pugixml)
    message(STATUS "pugixml: the distribution's library (scripts/fetch-pugixml gives the compact "
                   "mode)")
endif()
