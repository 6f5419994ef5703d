# The program's words for translators, with Qt's own tools (the Debian package qt6-l10n-tools):
# lupdate gathers every text wrapped in tr() or QCoreApplication::translate() into a template,
# and lrelease turns each translation into the .qm file that the programs load for the user's
# language (see session/translations.h).
find_program(VANT_LUPDATE NAMES lupdate-qt6 lupdate HINTS ${QT6_INSTALL_PREFIX}/${QT6_INSTALL_BINS} REQUIRED)
find_program(VANT_LRELEASE NAMES lrelease-qt6 lrelease HINTS ${QT6_INSTALL_PREFIX}/${QT6_INSTALL_BINS} REQUIRED)

# vant_translation_template(TARGET name OUTPUT file.ts SOURCES_OF target...): at every build,
# the template of the texts in the sources of those targets, without translations.
function(vant_translation_template)
  cmake_parse_arguments(T "" "TARGET;OUTPUT" "SOURCES_OF" ${ARGN})
  set(sources)
  foreach(target IN LISTS T_SOURCES_OF)
    get_target_property(source_dir ${target} SOURCE_DIR)
    get_target_property(target_sources ${target} SOURCES)
    foreach(source IN LISTS target_sources)
      if(source MATCHES "\\.(cpp|h)$")
        cmake_path(ABSOLUTE_PATH source BASE_DIRECTORY ${source_dir} NORMALIZE)
        list(APPEND sources ${source})
      endif()
    endforeach()
  endforeach()
  set(list_file ${CMAKE_CURRENT_BINARY_DIR}/${T_TARGET}.sources)
  list(JOIN sources "\n" lines)
  file(GENERATE OUTPUT ${list_file} CONTENT "${lines}\n")
  add_custom_command(OUTPUT ${T_OUTPUT}
    COMMAND ${VANT_LUPDATE} -silent -no-obsolete -locations relative -source-language en
            @${list_file} -ts ${T_OUTPUT}
    DEPENDS ${sources} ${list_file}
    COMMENT "Gathering the texts to translate into ${T_OUTPUT}"
    VERBATIM)
  add_custom_target(${T_TARGET} ALL DEPENDS ${T_OUTPUT})
endfunction()

# vant_release_translations(TARGET name DESTINATION folder TS_FILES file.ts...): the .qm file
# of each translation in that folder, at every build.
function(vant_release_translations)
  cmake_parse_arguments(T "" "TARGET;DESTINATION" "TS_FILES" ${ARGN})
  set(qm_files)
  foreach(ts IN LISTS T_TS_FILES)
    get_filename_component(name ${ts} NAME_WE)
    get_filename_component(ts_path ${ts} ABSOLUTE)
    set(qm ${T_DESTINATION}/${name}.qm)
    add_custom_command(OUTPUT ${qm}
      COMMAND ${CMAKE_COMMAND} -E make_directory ${T_DESTINATION}
      COMMAND ${VANT_LRELEASE} -silent ${ts_path} -qm ${qm}
      DEPENDS ${ts_path}
      VERBATIM)
    list(APPEND qm_files ${qm})
  endforeach()
  add_custom_target(${T_TARGET} ALL DEPENDS ${qm_files})
  set(${T_TARGET}_QM_FILES ${qm_files} PARENT_SCOPE)
endfunction()
