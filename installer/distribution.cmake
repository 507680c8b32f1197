# The installation medium: `cmake --build --preset release --target
# distribution` writes <build>/distribution with the installer `install`,
# its masks and help pages under share/pekto, and the two archives:
# ARCVAI.EXE (the programs by their DOS names, mandor.INI, the version file
# VERSPRK.INF, the dialog scripts of the program and the installer, help
# pages and release notes under share/pekto) and
# ARCVAA.EXE (the wage type file LOHNAR.DAT).
set(PEKTO_MEDIUM ${CMAKE_BINARY_DIR}/distribution)
set(PEKTO_RES ${PROJECT_SOURCE_DIR}/resources)

# The installed version file: the online check compares its date with the
# vendor's VERSPRK.INF, so a release publishes exactly these two values
# (pekto-publish refuses an ARCVAI.EXE whose version file differs).
set(PEKTO_RELEASE_VERSION "2026.1" CACHE STRING "Version text of the release; its first four characters are the year")
set(PEKTO_RELEASE_DATE "01122026" CACHE STRING "Release date of the release, DDMMYYYY")
# (file(WRITE) keeps the CR LF line ends; the copy keeps the archive
# from being rebuilt at every configure.)
file(WRITE ${CMAKE_BINARY_DIR}/medium/VERSPRK.INF.new "${PEKTO_RELEASE_VERSION}\r\n${PEKTO_RELEASE_DATE}\r\n")
file(COPY_FILE ${CMAKE_BINARY_DIR}/medium/VERSPRK.INF.new ${CMAKE_BINARY_DIR}/medium/VERSPRK.INF ONLY_IF_DIFFERENT)

set(pekto_program_members "PEKTO.EXE\t$<TARGET_FILE:pekto>\tx\nMANDOR.EXE\t$<TARGET_FILE:mandor>\tx\n")
set(pekto_program_depends pekto mandor)
# The accessories, where they are built.
foreach(accessory dorvel fimrel)
  if(TARGET ${accessory})
    string(TOUPPER ${accessory} dos_name)
    string(APPEND pekto_program_members "${dos_name}.EXE\t$<TARGET_FILE:${accessory}>\tx\n")
    list(APPEND pekto_program_depends ${accessory})
  endif()
endforeach()
string(APPEND pekto_program_members "mandor.INI\t${PEKTO_RES}/install/mandor.INI\n")
string(APPEND pekto_program_members "VERSPRK.INF\t${CMAKE_BINARY_DIR}/medium/VERSPRK.INF\n")
# The explanations the menus open, built from their Markdown.
foreach(name Wesentl_Neuerun2024 Energiepreispauschale Midijob__Bestandsschutz)
  string(APPEND pekto_program_members "${name}.pdf\t${PEKTO_DOCUMENTS_DIR}/${name}.pdf\n")
endforeach()
list(APPEND pekto_program_depends pekto_documents)
string(APPEND pekto_program_members "share/pekto/release_notes.txt\t${PEKTO_RES}/release_notes.txt\n")
file(GLOB_RECURSE pekto_shipped RELATIVE ${PEKTO_RES} CONFIGURE_DEPENDS
     ${PEKTO_RES}/pekto/* ${PEKTO_RES}/install/*.rc ${PEKTO_RES}/install/agb.txt ${PEKTO_RES}/help/*
     ${PEKTO_RES}/data/*)
set(pekto_shipped_files)
foreach(file ${pekto_shipped})
  string(APPEND pekto_program_members "share/pekto/${file}\t${PEKTO_RES}/${file}\n")
  list(APPEND pekto_shipped_files ${PEKTO_RES}/${file})
endforeach()
file(GENERATE OUTPUT ${CMAKE_BINARY_DIR}/medium/arcvai.list CONTENT "${pekto_program_members}")
file(GENERATE OUTPUT ${CMAKE_BINARY_DIR}/medium/arcvaa.list CONTENT "LOHNAR.DAT\t${PEKTO_RES}/data/LOHNAR.DAT\n")

add_custom_command(OUTPUT ${PEKTO_MEDIUM}/ARCVAI.EXE
  COMMAND ${CMAKE_COMMAND} -E make_directory ${PEKTO_MEDIUM}
  COMMAND pekto-pack ${PEKTO_MEDIUM}/ARCVAI.EXE ${CMAKE_BINARY_DIR}/medium/arcvai.list
  DEPENDS pekto-pack ${pekto_program_depends} ${pekto_shipped_files} ${PEKTO_RES}/install/mandor.INI
          ${CMAKE_BINARY_DIR}/medium/arcvai.list ${CMAKE_BINARY_DIR}/medium/VERSPRK.INF
  COMMENT "Archiv ARCVAI.EXE")
add_custom_command(OUTPUT ${PEKTO_MEDIUM}/ARCVAA.EXE
  COMMAND ${CMAKE_COMMAND} -E make_directory ${PEKTO_MEDIUM}
  COMMAND pekto-pack ${PEKTO_MEDIUM}/ARCVAA.EXE ${CMAKE_BINARY_DIR}/medium/arcvaa.list
  DEPENDS pekto-pack ${PEKTO_RES}/data/LOHNAR.DAT ${CMAKE_BINARY_DIR}/medium/arcvaa.list
  COMMENT "Archiv ARCVAA.EXE")

file(GLOB pekto_installer_resources CONFIGURE_DEPENDS ${PEKTO_RES}/install/*.rc ${PEKTO_RES}/install/agb.txt)
file(GLOB pekto_installer_help CONFIGURE_DEPENDS ${PEKTO_RES}/help/inpekto/*)
add_custom_target(distribution
  COMMAND ${CMAKE_COMMAND} -E make_directory ${PEKTO_MEDIUM}/share/pekto/install ${PEKTO_MEDIUM}/share/pekto/help/inpekto
  COMMAND ${CMAKE_COMMAND} -E copy $<TARGET_FILE:pekto-install> ${PEKTO_MEDIUM}/install
  COMMAND ${CMAKE_COMMAND} -E copy ${pekto_installer_resources} ${PEKTO_MEDIUM}/share/pekto/install/
  COMMAND ${CMAKE_COMMAND} -E copy ${pekto_installer_help} ${PEKTO_MEDIUM}/share/pekto/help/inpekto/
  DEPENDS ${PEKTO_MEDIUM}/ARCVAI.EXE ${PEKTO_MEDIUM}/ARCVAA.EXE pekto-install
  COMMENT "Installationsmedium in ${PEKTO_MEDIUM}")
