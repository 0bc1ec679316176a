# Builds the one resource bundle: icons rendered from their SVG sources, the
# style sheet, files, and the translations compiled from their sources.
# The resource paths the program opens are fixed (":/Resources/Icons/...",
# ":/Stylesheets/Resources/Stylesheets/default.qss", ":/Languages/<CC>_VQ4100.qm",
# ":/Resources/Files/..."), so the generated .qrc reproduces them.

find_program(RSVG_CONVERT rsvg-convert REQUIRED)
set(VQ_RES_DIR ${CMAKE_BINARY_DIR}/res)
set(VQ_RES_OUTPUTS)
set(VQ_QRC_ROOT "")
set(VQ_QRC_STYLE "")
set(VQ_QRC_LANG "")

# Icons: SVG sources become PNGs of the size the SVG declares; PNGs are copied.
file(GLOB_RECURSE icon_sources CONFIGURE_DEPENDS RELATIVE ${CMAKE_SOURCE_DIR}
  ${CMAKE_SOURCE_DIR}/Resources/Icons/*.svg ${CMAKE_SOURCE_DIR}/Resources/Icons/*.png)
foreach(rel ${icon_sources})
  get_filename_component(ext ${rel} EXT)
  string(REGEX REPLACE "\\.svg$" ".png" out_rel ${rel})
  set(out ${VQ_RES_DIR}/${out_rel})
  get_filename_component(out_dir ${out} DIRECTORY)
  if(ext STREQUAL ".svg")
    add_custom_command(OUTPUT ${out}
      COMMAND ${CMAKE_COMMAND} -E make_directory ${out_dir}
      COMMAND ${RSVG_CONVERT} -o ${out} ${CMAKE_SOURCE_DIR}/${rel}
      DEPENDS ${CMAKE_SOURCE_DIR}/${rel} VERBATIM)
  else()
    add_custom_command(OUTPUT ${out}
      COMMAND ${CMAKE_COMMAND} -E copy ${CMAKE_SOURCE_DIR}/${rel} ${out}
      DEPENDS ${CMAKE_SOURCE_DIR}/${rel} VERBATIM)
  endif()
  list(APPEND VQ_RES_OUTPUTS ${out})
  string(APPEND VQ_QRC_ROOT "    <file>${out_rel}</file>\n")
endforeach()

# Plain files (ALSA state, test tone, ...).
file(GLOB_RECURSE plain_files CONFIGURE_DEPENDS RELATIVE ${CMAKE_SOURCE_DIR}
  ${CMAKE_SOURCE_DIR}/Resources/Files/*)
foreach(rel ${plain_files})
  set(out ${VQ_RES_DIR}/${rel})
  add_custom_command(OUTPUT ${out}
    COMMAND ${CMAKE_COMMAND} -E copy ${CMAKE_SOURCE_DIR}/${rel} ${out}
    DEPENDS ${CMAKE_SOURCE_DIR}/${rel} VERBATIM)
  list(APPEND VQ_RES_OUTPUTS ${out})
  string(APPEND VQ_QRC_ROOT "    <file>${rel}</file>\n")
endforeach()

# Style sheet.
set(qss Resources/Stylesheets/default.qss)
add_custom_command(OUTPUT ${VQ_RES_DIR}/${qss}
  COMMAND ${CMAKE_COMMAND} -E copy ${CMAKE_SOURCE_DIR}/${qss} ${VQ_RES_DIR}/${qss}
  DEPENDS ${CMAKE_SOURCE_DIR}/${qss} VERBATIM)
list(APPEND VQ_RES_OUTPUTS ${VQ_RES_DIR}/${qss})
string(APPEND VQ_QRC_STYLE "    <file>${qss}</file>\n")

# Translations: one file per code, compiled from that code's sources alone:
# GB and EN from the English sources (Resources/Languages/<area>.ts), every
# other code from Resources/Languages/<CC>/<area>.ts. Unfinished entries are
# compiled too, so an untranslated language shows the English it holds. A
# source that is not well-formed stops the build; lrelease names it.
set(VQ_LANGUAGE_CODES GB DE FR IT ES CN CZ HU RU SI JP PL PT RO SK SE FI DK NO BG HR KR RS TR UA EN)
foreach(cc ${VQ_LANGUAGE_CODES})
  if(cc STREQUAL "GB" OR cc STREQUAL "EN")
    set(ts_dir ${CMAKE_SOURCE_DIR}/Resources/Languages)
  else()
    set(ts_dir ${CMAKE_SOURCE_DIR}/Resources/Languages/${cc})
  endif()
  file(GLOB ts_sources CONFIGURE_DEPENDS ${ts_dir}/*.ts)
  if(NOT ts_sources)
    message(FATAL_ERROR "No translation sources in ${ts_dir}: run scripts/update-translations")
  endif()
  set(qm ${VQ_RES_DIR}/Languages/${cc}_VQ4100.qm)
  add_custom_command(OUTPUT ${qm}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${VQ_RES_DIR}/Languages
    COMMAND Qt5::lrelease -silent ${ts_sources} -qm ${qm}
    DEPENDS ${ts_sources} VERBATIM)
  list(APPEND VQ_RES_OUTPUTS ${qm})
  string(APPEND VQ_QRC_LANG "    <file alias=\"${cc}_VQ4100.qm\">Languages/${cc}_VQ4100.qm</file>\n")
endforeach()

set(qrc ${VQ_RES_DIR}/vq4100.qrc)
file(WRITE ${qrc}.in "<RCC>\n  <qresource prefix=\"/\">\n${VQ_QRC_ROOT}  </qresource>\n  <qresource prefix=\"/Stylesheets\">\n${VQ_QRC_STYLE}  </qresource>\n  <qresource prefix=\"/Languages\">\n${VQ_QRC_LANG}  </qresource>\n</RCC>\n")
configure_file(${qrc}.in ${qrc} COPYONLY)

set(VQ_RESOURCE_CPP ${VQ_RES_DIR}/qrc_vq4100.cpp)
add_custom_command(OUTPUT ${VQ_RESOURCE_CPP}
  COMMAND Qt5::rcc --name vq4100 -o ${VQ_RESOURCE_CPP} ${qrc}
  DEPENDS ${qrc} ${VQ_RES_OUTPUTS}
  WORKING_DIRECTORY ${VQ_RES_DIR} VERBATIM)
add_custom_target(vq_resources DEPENDS ${VQ_RESOURCE_CPP})
set_source_files_properties(${VQ_RESOURCE_CPP} PROPERTIES GENERATED TRUE SKIP_AUTOGEN ON)
