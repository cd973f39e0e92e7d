# pugixml, found or built here and nowhere else: the project includes this once, before its
# targets, and every target that reads XML links pugixml::pugixml. A universal macOS build needs
# one with every architecture it builds for, which Homebrew's (this Mac's alone) lacks; then a
# pinned release is built here for all of them and linked in statically. Homebrew's copy is then
# never looked for: its exported targets would clash with the ones built here.
include_guard(GLOBAL)
list(LENGTH CMAKE_OSX_ARCHITECTURES keyboard_installer_architectures)
if(NOT APPLE OR keyboard_installer_architectures LESS 2)
    find_package(pugixml REQUIRED)
    return()
endif()

find_library(KEYBOARD_INSTALLER_PUGIXML_LIBRARY pugixml)
set(keyboard_installer_pugixml_universal FALSE)
if(KEYBOARD_INSTALLER_PUGIXML_LIBRARY)
    execute_process(COMMAND lipo -archs "${KEYBOARD_INSTALLER_PUGIXML_LIBRARY}"
        OUTPUT_VARIABLE pugixml_architectures OUTPUT_STRIP_TRAILING_WHITESPACE RESULT_VARIABLE lipo_failed)
    separate_arguments(pugixml_architectures)
    set(keyboard_installer_pugixml_universal TRUE)
    foreach(architecture IN LISTS CMAKE_OSX_ARCHITECTURES)
        if(lipo_failed OR NOT architecture IN_LIST pugixml_architectures)
            set(keyboard_installer_pugixml_universal FALSE)
        endif()
    endforeach()
endif()
if(keyboard_installer_pugixml_universal)
    find_package(pugixml REQUIRED)
    return()
endif()

message(STATUS "No pugixml for ${CMAKE_OSX_ARCHITECTURES} found; building pugixml 1.15 from its release")
include(FetchContent)
if(POLICY CMP0135)
    cmake_policy(SET CMP0135 NEW)
endif()
FetchContent_Declare(pugixml
    URL https://github.com/zeux/pugixml/releases/download/v1.15/pugixml-1.15.tar.gz
    URL_HASH SHA256=655ade57fa703fb421c2eb9a0113b5064bddb145d415dd1f88c79353d90d511a)
# Linked into the app and keylayout; nothing of it belongs in the bundle or the disk image.
set(PUGIXML_INSTALL OFF CACHE BOOL "Install pugixml's headers and library")
FetchContent_MakeAvailable(pugixml)
