# What `cmake --install` puts where; the folders are chosen in InstallLayout.cmake.

# Also without the compiler's notes (.comment), which Debian's packaging drops and
# cpack's strip keeps.
function(wordsnarl_install_program target component)
    install(TARGETS ${target} RUNTIME DESTINATION ${WORDSNARL_INSTALL_PROGRAMDIR} COMPONENT ${component})
    set(installed "\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${WORDSNARL_INSTALL_PROGRAMDIR}/${target}")
    install(CODE "execute_process(COMMAND \"${CMAKE_OBJCOPY}\" --remove-section=.comment \"${installed}\"
                                  COMMAND_ERROR_IS_FATAL ANY)"
            COMPONENT ${component})
endfunction()

wordsnarl_install_program(wordsnarl game)
install(FILES ${WORDSNARL_INSTRUCTIONS_PAGE} DESTINATION ${WORDSNARL_INSTALL_PROGRAMDIR})

# The game on the PATH: a relative link, so the installed tree can be moved or unpacked anywhere.
cmake_path(ABSOLUTE_PATH WORDSNARL_INSTALL_PROGRAMDIR BASE_DIRECTORY ${CMAKE_INSTALL_PREFIX} OUTPUT_VARIABLE program_dir)
file(RELATIVE_PATH game_from_bindir ${CMAKE_INSTALL_FULL_BINDIR} ${program_dir}/wordsnarl)
file(MAKE_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR}/path-link)
file(CREATE_LINK ${game_from_bindir} ${CMAKE_CURRENT_BINARY_DIR}/path-link/wordsnarl SYMBOLIC)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/path-link/wordsnarl DESTINATION ${CMAKE_INSTALL_BINDIR})

set(packaging ${PROJECT_SOURCE_DIR}/packaging)

# Menu entry and software-centre entry.
install(FILES ${packaging}/${WORDSNARL_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${packaging}/${WORDSNARL_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

# The icon in the hicolor theme, drawn for each size, and as SVG for every other scale.
set(icon_theme_dir ${CMAKE_INSTALL_DATADIR}/icons/hicolor)
foreach(size 16 24 32 48 64 128 256)
    install(FILES ${PROJECT_SOURCE_DIR}/resources/icons/hicolor/${size}/wordsnarl.png
            DESTINATION ${icon_theme_dir}/${size}x${size}/apps
            RENAME ${WORDSNARL_APP_ID}.png)
endforeach()
install(FILES ${PROJECT_SOURCE_DIR}/resources/icons/wordsnarl.svg
        DESTINATION ${icon_theme_dir}/scalable/apps
        RENAME ${WORDSNARL_APP_ID}.svg)

# Manual page, copyright and changelog, compressed as Debian's tools expect (gzip -9n,
# so the package does not change with the build time).
set(compressed ${CMAKE_CURRENT_BINARY_DIR}/compressed)
foreach(document wordsnarl.6 changelog)
    add_custom_command(
        OUTPUT ${compressed}/${document}.gz
        COMMAND ${CMAKE_COMMAND} -E copy ${packaging}/${document} ${compressed}/${document}
        COMMAND gzip -9nf ${compressed}/${document}
        DEPENDS ${packaging}/${document}
        COMMENT "Compressing ${document}"
        VERBATIM)
    list(APPEND compressed_documents ${compressed}/${document}.gz)
endforeach()
add_custom_target(wordsnarl_documents ALL DEPENDS ${compressed_documents})
install(FILES ${compressed}/wordsnarl.6.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
install(FILES ${packaging}/copyright ${compressed}/changelog.gz DESTINATION ${CMAKE_INSTALL_DOCDIR})
install(FILES ${packaging}/lintian-overrides DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides RENAME wordsnarl)

# The viewer's own package, beside the game in its folder, with the same notices.
if(TARGET wordsnarl-instructions)
    wordsnarl_install_program(wordsnarl-instructions instructions)
    install(FILES ${packaging}/copyright ${compressed}/changelog.gz
            DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/wordsnarl-instructions COMPONENT instructions)
endif()
