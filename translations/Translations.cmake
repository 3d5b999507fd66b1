# The translations of every text the programs show. `lupdate` reads the texts
# from the sources of every Qt folder into translations/kolvira_LANG.ts
# (target update_translations); the build turns each .ts into a .qm that is
# compiled into the library that loads it (imageio's InstallTranslations).
find_package(Qt6 REQUIRED COMPONENTS LinguistTools)

set(KOLVIRA_LANGUAGES de fr es)
set(KOLVIRA_TRANSLATED_FOLDERS imageio mosaic framework photowindow mosaicwindow app cli)
set(KOLVIRA_TS_FILES)
foreach(language IN LISTS KOLVIRA_LANGUAGES)
  list(APPEND KOLVIRA_TS_FILES ${PROJECT_SOURCE_DIR}/translations/kolvira_${language}.ts)
endforeach()

function(kolvira_add_translations target)
  set(sources)
  foreach(folder IN LISTS KOLVIRA_TRANSLATED_FOLDERS)
    file(GLOB_RECURSE folder_sources CONFIGURE_DEPENDS
         ${PROJECT_SOURCE_DIR}/${folder}/*.cpp ${PROJECT_SOURCE_DIR}/${folder}/*.h)
    list(APPEND sources ${folder_sources})
  endforeach()
  qt_add_translations(${target}
    TS_FILES ${KOLVIRA_TS_FILES}
    SOURCES ${sources}
    INCLUDE_DIRECTORIES ${PROJECT_SOURCE_DIR}
    LUPDATE_OPTIONS -locations none -no-obsolete
    RESOURCE_PREFIX /i18n)
endfunction()
