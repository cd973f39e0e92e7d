# What makes keyboard-installer a macOS app: its bundle properties, its Info.plist, its icon,
# and the install rules that deploy Qt into the bundle and sign it.

set(KEYBOARD_INSTALLER_INFO_PLIST ${PROJECT_SOURCE_DIR}/packaging/macos/Info.plist.in)
set(KEYBOARD_INSTALLER_ICNS ${PROJECT_SOURCE_DIR}/packaging/macos/KeyboardInstaller.icns)

# LANGUAGES are those the app's texts are translated into; Qt's own catalogues for them go into
# Contents/Resources/translations.
function(keyboard_installer_bundle target)
    cmake_parse_arguments(PARSE_ARGV 1 arg "" "" LANGUAGES)
    set_target_properties(${target} PROPERTIES
        MACOSX_BUNDLE_INFO_PLIST ${KEYBOARD_INSTALLER_INFO_PLIST}
        MACOSX_BUNDLE_GUI_IDENTIFIER org.keyboard-installer.KeyboardInstaller
        MACOSX_BUNDLE_BUNDLE_NAME "Keyboard Installer"
        MACOSX_BUNDLE_SHORT_VERSION_STRING ${PROJECT_VERSION}
        MACOSX_BUNDLE_BUNDLE_VERSION ${PROJECT_VERSION}
        MACOSX_BUNDLE_COPYRIGHT "Copyright the Keyboard Installer authors"
        MACOSX_BUNDLE_ICON_FILE KeyboardInstaller.icns)
    if(APPLE)
        set_target_properties(${target} PROPERTIES
            MACOSX_BUNDLE TRUE
            OUTPUT_NAME "Keyboard Installer")
        target_sources(${target} PRIVATE ${KEYBOARD_INSTALLER_ICNS})
        set_source_files_properties(${KEYBOARD_INSTALLER_ICNS} PROPERTIES
            MACOSX_PACKAGE_LOCATION Resources)
        # macdeployqt leaves Qt's translations out; they are taken from where Qt itself reads them.
        get_target_property(qtpaths Qt6::qtpaths LOCATION)
        execute_process(COMMAND "${qtpaths}" --query QT_INSTALL_TRANSLATIONS
            OUTPUT_VARIABLE qt_translations OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
        foreach(language IN LISTS arg_LANGUAGES)
            set(catalogue "${qt_translations}/qtbase_${language}.qm")
            if(NOT EXISTS "${catalogue}")
                message(FATAL_ERROR "No ${catalogue}: Qt's translations are missing (brew install qttranslations).")
            endif()
            target_sources(${target} PRIVATE "${catalogue}")
            set_source_files_properties("${catalogue}" PROPERTIES
                MACOSX_PACKAGE_LOCATION Resources/translations)
        endforeach()
    endif()
endfunction()

# Fills the template from the target's properties the way CMake does when it makes the bundle,
# so the result can be checked on any platform.
function(keyboard_installer_render_info_plist target output)
    get_target_property(MACOSX_BUNDLE_EXECUTABLE_NAME ${target} OUTPUT_NAME)
    if(NOT MACOSX_BUNDLE_EXECUTABLE_NAME)
        set(MACOSX_BUNDLE_EXECUTABLE_NAME ${target})
    endif()
    foreach(property GUI_IDENTIFIER BUNDLE_NAME SHORT_VERSION_STRING BUNDLE_VERSION COPYRIGHT
                     ICON_FILE)
        get_target_property(MACOSX_BUNDLE_${property} ${target} MACOSX_BUNDLE_${property})
    endforeach()
    configure_file(${KEYBOARD_INSTALLER_INFO_PLIST} ${output})
endfunction()

# HELPERS are command-line tools that ship beside the app's own executable in Contents/MacOS,
# deployed and signed with it.
function(keyboard_installer_install_bundle target)
    cmake_parse_arguments(PARSE_ARGV 1 arg "" "" HELPERS)
    install(TARGETS ${target} BUNDLE DESTINATION . RUNTIME DESTINATION bin)
    if(arg_HELPERS)
        # Installing the app installs them, so building it builds them.
        add_dependencies(${target} ${arg_HELPERS})
    endif()
    if(NOT APPLE)
        if(arg_HELPERS)
            install(TARGETS ${arg_HELPERS} RUNTIME DESTINATION bin)
        endif()
        return()
    endif()
    get_target_property(app ${target} OUTPUT_NAME)
    set(macos "${app}.app/Contents/MacOS")
    set(helpers "")
    foreach(helper IN LISTS arg_HELPERS)
        install(TARGETS ${helper} RUNTIME DESTINATION "${macos}")
        string(APPEND helpers " \"${macos}/$<TARGET_FILE_NAME:${helper}>\"")
    endforeach()
    # Copies Qt's frameworks and the cocoa platform plugin into the bundle (macdeployqt), and points
    # the helpers, through -executable=, at the frameworks there.
    set(deploy "qt_deploy_runtime_dependencies(EXECUTABLE \"${app}.app\"")
    if(helpers)
        string(APPEND deploy " ADDITIONAL_EXECUTABLES${helpers}")
    endif()
    string(APPEND deploy ")\n")
    if(Qt6_VERSION VERSION_LESS 6.5)
        set(deploy_script "${CMAKE_CURRENT_BINARY_DIR}/deploy-${target}.cmake")
        file(GENERATE OUTPUT "${deploy_script}" CONTENT "include(\"${QT_DEPLOY_SUPPORT}\")\n${deploy}")
    else()
        qt_generate_deploy_script(TARGET ${target} OUTPUT_SCRIPT deploy_script CONTENT "${deploy}")
    endif()
    install(SCRIPT "${deploy_script}")
    # Deployment rewrote the binaries after linking; Apple silicon runs only signed ones. The
    # helpers first, then the bundle that seals them.
    foreach(helper IN LISTS arg_HELPERS)
        install(CODE "execute_process(COMMAND codesign --force --sign -
            \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${macos}/$<TARGET_FILE_NAME:${helper}>\" COMMAND_ERROR_IS_FATAL ANY)")
    endforeach()
    install(CODE "execute_process(COMMAND codesign --force --deep --sign -
        \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${app}.app\" COMMAND_ERROR_IS_FATAL ANY)")
endfunction()
