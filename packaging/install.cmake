# What `cmake --install` puts under the prefix: the programs in bin, what they read in
# share/quorvane (nothing there is written), and the desktop's entry, icons, file type, metadata,
# manual pages and shell completion. Everything installed is made by the program build, so a
# build of the two programs can be installed as it stands.

include(GNUInstallDirs)
set(QUORVANE_DATA_DIR ${CMAKE_INSTALL_DATADIR}/quorvane)
set(QUORVANE_APP_ID org.quorvane.Quorvane)
set(QUORVANE_HOMEPAGE "https://quorvane.org" CACHE STRING "The project's web address; the metadata's screenshot is published under it")
set(QUORVANE_RELEASE_DATE 2026-06-01)
set(QUORVANE_MAINTAINER "Quorvane Developers <dev@quorvane.org>" CACHE STRING "Who answers for the package")
set(desktopSource ${PROJECT_SOURCE_DIR}/assets/desktop)
set(desktopBuild ${CMAKE_BINARY_DIR}/desktop)

# The programs find their shipped files relative to themselves, so a moved prefix still works.
file(RELATIVE_PATH dataFromProgram /${CMAKE_INSTALL_BINDIR} /${QUORVANE_DATA_DIR})
target_compile_definitions(quorvane PRIVATE QUORVANE_DATA_FROM_PROGRAM="${dataFromProgram}")
# Every window wears the application icon.
qt_add_resources(quorvane quorvane_icon PREFIX / BASE ${desktopSource} FILES ${desktopSource}/quorvane.svg)

# The icon at the sizes desktops look for, drawn from the SVG.
add_executable(make_icons ${PROJECT_SOURCE_DIR}/tools/make_icons.cpp)
target_link_libraries(make_icons PRIVATE Qt6::Gui Qt6::Svg)
set_target_properties(make_icons PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tools)
set(iconSizes 16 22 24 32 48 64 128 256)
set(iconFiles)
foreach(size ${iconSizes})
  list(APPEND iconFiles ${desktopBuild}/icons/${size}x${size}/apps/quorvane.png)
endforeach()
add_custom_command(OUTPUT ${iconFiles}
  COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=0
    $<TARGET_FILE:make_icons> ${desktopSource}/quorvane.svg ${desktopBuild}/icons ${iconSizes}
  DEPENDS make_icons ${desktopSource}/quorvane.svg
  COMMENT "Drawing the application icons"
  VERBATIM)

# Manual pages and completion from one source each: the runner's own --help, and the desktop
# program's help text in docs/.
add_library(quorvane_command_docs STATIC ${PROJECT_SOURCE_DIR}/tools/command_docs.cpp)
target_include_directories(quorvane_command_docs PUBLIC ${PROJECT_SOURCE_DIR}/tools)
add_executable(make_command_docs ${PROJECT_SOURCE_DIR}/tools/make_command_docs.cpp)
target_link_libraries(make_command_docs PRIVATE quorvane_command_docs quorvane_cli_lib)
set_target_properties(make_command_docs PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tools)
set(docsTool ${CMAKE_COMMAND} -E env ASAN_OPTIONS=detect_leaks=0 $<TARGET_FILE:make_command_docs>)
set(manSource "Quorvane ${PROJECT_VERSION}")
add_custom_command(OUTPUT ${desktopBuild}/man/quorvane.1 ${desktopBuild}/man/quorvane.1.gz
  COMMAND ${CMAKE_COMMAND} -E make_directory ${desktopBuild}/man
  COMMAND ${docsTool} man ${PROJECT_SOURCE_DIR}/docs/quorvane.help ${desktopBuild}/man/quorvane.1
    ${manSource} "simulate dynamic systems drawn as block diagrams" "quorvane-run(1)"
  COMMAND gzip -9nkf ${desktopBuild}/man/quorvane.1
  DEPENDS make_command_docs ${PROJECT_SOURCE_DIR}/docs/quorvane.help
  COMMENT "Making the manual page quorvane(1)"
  VERBATIM)
add_custom_command(OUTPUT ${desktopBuild}/man/quorvane-run.1 ${desktopBuild}/man/quorvane-run.1.gz
    ${desktopBuild}/completion/quorvane-run
  COMMAND ${CMAKE_COMMAND} -E make_directory ${desktopBuild}/man ${desktopBuild}/completion
  COMMAND ${docsTool} man --runner ${desktopBuild}/man/quorvane-run.1
    ${manSource} "run Quorvane models without a screen" "quorvane(1)"
  COMMAND gzip -9nkf ${desktopBuild}/man/quorvane-run.1
  COMMAND ${docsTool} completion --runner ${desktopBuild}/completion/quorvane-run "*.vqe"
  DEPENDS make_command_docs
  COMMENT "Making the manual page quorvane-run(1) and its completion"
  VERBATIM)

configure_file(${desktopSource}/${QUORVANE_APP_ID}.metainfo.xml.in ${desktopBuild}/${QUORVANE_APP_ID}.metainfo.xml @ONLY)
configure_file(${CMAKE_CURRENT_LIST_DIR}/changelog.in ${desktopBuild}/changelog @ONLY)
add_custom_command(OUTPUT ${desktopBuild}/changelog.gz
  COMMAND gzip -9nkf ${desktopBuild}/changelog
  DEPENDS ${desktopBuild}/changelog
  VERBATIM)

add_custom_target(quorvane_desktop_files ALL DEPENDS ${iconFiles}
  ${desktopBuild}/man/quorvane.1.gz ${desktopBuild}/man/quorvane-run.1.gz ${desktopBuild}/completion/quorvane-run
  ${desktopBuild}/changelog.gz)
add_dependencies(quorvane quorvane_desktop_files)

install(TARGETS quorvane quorvane-run RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${EXAMPLE_MODELS} ${PROJECT_SOURCE_DIR}/examples/README.txt DESTINATION ${QUORVANE_DATA_DIR}/examples)
install(FILES ${SOUND_FILES} DESTINATION ${QUORVANE_DATA_DIR}/sounds)
install(FILES ${QUORVANE_MANUALS} DESTINATION ${QUORVANE_DATA_DIR})
install(FILES ${desktopSource}/${QUORVANE_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${desktopBuild}/${QUORVANE_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${desktopSource}/quorvane-mime.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages RENAME quorvane.xml)
install(FILES ${desktopSource}/quorvane.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(DIRECTORY ${desktopBuild}/icons/ DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor)
install(FILES ${desktopBuild}/man/quorvane.1.gz ${desktopBuild}/man/quorvane-run.1.gz
  DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${desktopBuild}/completion/quorvane-run DESTINATION ${CMAKE_INSTALL_DATADIR}/bash-completion/completions)
install(FILES ${CMAKE_CURRENT_LIST_DIR}/copyright ${desktopBuild}/changelog.gz DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/quorvane)

if(QUORVANE_TESTS)
  quorvane_add_gtest(quorvane_command_docs_tests SOURCES ${PROJECT_SOURCE_DIR}/tests/tools/command_docs_test.cpp
    LIBRARIES quorvane_command_docs quorvane_cli_lib)
  add_test(NAME ManPagesRenderWithoutWarnings
    COMMAND ${CMAKE_COMMAND} -DPAGE_FOLDER=${desktopBuild}/man -P ${PROJECT_SOURCE_DIR}/tests/tools/man_pages_render.cmake)
  add_test(NAME DesktopFilesValidate
    COMMAND bash ${PROJECT_SOURCE_DIR}/tests/packaging/desktop_files_test.sh ${PROJECT_SOURCE_DIR} ${CMAKE_BINARY_DIR})
  add_test(NAME InstalledProgram
    COMMAND bash ${PROJECT_SOURCE_DIR}/tests/packaging/installed_program_test.sh ${CMAKE_BINARY_DIR})
endif()
