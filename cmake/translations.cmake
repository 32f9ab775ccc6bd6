# The interface's translations, with Qt's own tools:
#   cmake --build build --target update_translations   lupdate: every tr() text of
#                                                       src/ into translations/*.ts
#   (edit translations/velmora_<lang>.ts with Qt Linguist)
#   cmake --build build                                 lrelease: build/translations/*.qm
# velmora.ts is the template a new language starts from (copy it to
# velmora_<lang>.ts and add the file to VELMORA_TRANSLATIONS). The .qm files lie
# in translations/ beside the executable in the build and in
# share/velmora/translations when installed (src/app/translations.h).
find_package(Qt6 REQUIRED COMPONENTS LinguistTools)

set(VELMORA_TRANSLATIONS ${CMAKE_SOURCE_DIR}/translations/velmora_de.ts)
set(VELMORA_TRANSLATION_TEMPLATE ${CMAKE_SOURCE_DIR}/translations/velmora.ts)
file(GLOB_RECURSE VELMORA_TRANSLATED_SOURCES CONFIGURE_DEPENDS
     ${CMAKE_SOURCE_DIR}/src/*.cpp ${CMAKE_SOURCE_DIR}/src/*.h ${CMAKE_SOURCE_DIR}/src/*.ui)
# No line numbers: a change of code elsewhere in a file then leaves the .ts alone.
qt_add_lupdate(velmora_core TS_FILES ${VELMORA_TRANSLATION_TEMPLATE} ${VELMORA_TRANSLATIONS}
               SOURCES ${VELMORA_TRANSLATED_SOURCES} INCLUDE_DIRECTORIES ${CMAKE_SOURCE_DIR}/src
               OPTIONS -no-obsolete -locations none)
set_source_files_properties(${VELMORA_TRANSLATIONS} PROPERTIES OUTPUT_LOCATION ${CMAKE_BINARY_DIR}/translations)
qt_add_lrelease(velmora TS_FILES ${VELMORA_TRANSLATIONS} QM_FILES_OUTPUT_VARIABLE VELMORA_QM_FILES
                OPTIONS -silent)
install(FILES ${VELMORA_QM_FILES} DESTINATION ${CMAKE_INSTALL_DATADIR}/velmora/translations)
