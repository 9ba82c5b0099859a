# The windows' texts in other languages: one .ts file per language in
# translations/, kept up to date from the code by lupdate (the target
# update_translations) and compiled by lrelease into catalogues built into the
# program (as resources under :/i18n). To add a language, add its file here.
set(FT817_TS_FILES
    ${PROJECT_SOURCE_DIR}/translations/ft817clone_de.ts
    ${PROJECT_SOURCE_DIR}/translations/ft817clone_ja.ts)

# The sources whose texts a person reads in the windows.
set(ft817_translated_sources)
foreach(folder app editor gui sheet cat)
  file(GLOB folder_sources ${PROJECT_SOURCE_DIR}/src/${folder}/*.cpp ${PROJECT_SOURCE_DIR}/src/${folder}/*.h)
  list(APPEND ft817_translated_sources ${folder_sources})
endforeach()
list(FILTER ft817_translated_sources EXCLUDE REGEX "/src/app/(main|windows_main)\\.cpp$")
# The core's texts marked FT817_WINDOW_TEXT (text/window_text.h).
list(APPEND ft817_translated_sources ${PROJECT_SOURCE_DIR}/src/image/radio_settings.cpp ${PROJECT_SOURCE_DIR}/src/image/radio_settings_table.cpp
     ${PROJECT_SOURCE_DIR}/src/image/radio_settings.h)

# Building for Windows, the tools are the build machine's own (QT_HOST_PATH).
find_package(Qt6 COMPONENTS LinguistTools QUIET)
if(Qt6LinguistTools_FOUND)
  # lupdate reads the sources of several layers, so it sees the whole of src/
  # (ft817_gui's own include root allows only the gui layer's headers).
  qt_add_translations(ft817_gui TS_FILES ${FT817_TS_FILES} SOURCES ${ft817_translated_sources}
                      INCLUDE_DIRECTORIES ${PROJECT_SOURCE_DIR}/src
                      LUPDATE_OPTIONS -locations none -no-ui-lines -tr-function-alias QT_TRANSLATE_NOOP+=FT817_WINDOW_TEXT LRELEASE_OPTIONS -nounfinished)
else()
  # Without Qt's CMake package for the tools, lrelease alone compiles them.
  find_program(FT817_LRELEASE NAMES lrelease lrelease-qt6 PATHS /usr/lib/qt6/bin ${QT_HOST_PATH}/lib/qt6/bin
               REQUIRED)
  set(qm_files)
  foreach(ts ${FT817_TS_FILES})
    get_filename_component(name ${ts} NAME_WE)
    set(qm ${CMAKE_CURRENT_BINARY_DIR}/${name}.qm)
    add_custom_command(OUTPUT ${qm} COMMAND ${FT817_LRELEASE} -silent -nounfinished ${ts} -qm ${qm}
                       DEPENDS ${ts} VERBATIM)
    list(APPEND qm_files ${qm})
  endforeach()
  qt_add_resources(ft817_gui ft817_gui_translations PREFIX /i18n BASE ${CMAKE_CURRENT_BINARY_DIR} FILES ${qm_files})
endif()

# Qt's own texts (a question's Yes and No, a tab row's scroll buttons) in the
# same languages, from the build machine's Qt of the same version (Debian's
# qt6-translations-l10n), built in beside the program's own: a Windows Qt
# carries none, and a Linux system may lack them.
set(ft817_qt_catalogues)
foreach(ts ${FT817_TS_FILES})
  string(REGEX REPLACE ".*/ft817clone_([A-Za-z_]+)\\.ts$" "\\1" language ${ts})
  find_file(FT817_QTBASE_${language} qtbase_${language}.qm
            PATHS /usr/share/qt6/translations ${QT_HOST_PATH}/share/qt6/translations
            NO_DEFAULT_PATH NO_CMAKE_FIND_ROOT_PATH)
  if(FT817_QTBASE_${language})
    configure_file(${FT817_QTBASE_${language}} ${CMAKE_CURRENT_BINARY_DIR}/qt_catalogues/qtbase_${language}.qm COPYONLY)
    list(APPEND ft817_qt_catalogues ${CMAKE_CURRENT_BINARY_DIR}/qt_catalogues/qtbase_${language}.qm)
  else()
    message(WARNING "qtbase_${language}.qm not found (qt6-translations-l10n): Qt's own texts stay English")
  endif()
endforeach()
if(ft817_qt_catalogues)
  qt_add_resources(ft817_gui ft817_qt_translations PREFIX /i18n BASE ${CMAKE_CURRENT_BINARY_DIR}/qt_catalogues
                   FILES ${ft817_qt_catalogues})
endif()
