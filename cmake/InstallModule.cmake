# Runs when installing (after the tool): puts the module and the factory presets
# into <VST folder>/Vantorel and writes install-manifest.txt there, one
# "sha256  path" line per installed file (the tool's too), which
# scripts/uninstall.sh reads. The VST folder is chosen now, not when
# configuring: VANT_VST_DIR, else the first folder of $LXVST_PATH, else of
# $VST_PATH, else ~/.vst.
#
# A preset file the user changed since the last install (the editor saves an
# open bank in place) is theirs now: it is kept, and left out of the manifest
# so that no uninstall removes it. So is a file of that name that was never ours.

function(first_folder list out)
  string(REPLACE ":" ";" folders "${list}")
  foreach(f IN LISTS folders)
    if(NOT f STREQUAL "")
      set(${out} "${f}" PARENT_SCOPE)
      return()
    endif()
  endforeach()
  set(${out} "" PARENT_SCOPE)
endfunction()

set(vst_dir "${VANT_VST_DIR}")
if(vst_dir STREQUAL "")
  first_folder("$ENV{LXVST_PATH}" vst_dir)
endif()
if(vst_dir STREQUAL "")
  first_folder("$ENV{VST_PATH}" vst_dir)
endif()
if(vst_dir STREQUAL "")
  if("$ENV{HOME}" STREQUAL "")
    message(FATAL_ERROR "No VST folder: set HOME, LXVST_PATH or VST_PATH, or configure with -DVANT_VST_DIR=...")
  endif()
  set(vst_dir "$ENV{HOME}/.vst")
endif()
set(dest "${vst_dir}/Vantorel")
set(root "$ENV{DESTDIR}")
set(manifest "${dest}/install-manifest.txt")

# What the last install left: path -> hash.
set(old_paths "")
if(EXISTS "${root}${manifest}")
  file(STRINGS "${root}${manifest}" old_lines)
  foreach(line IN LISTS old_lines)
    if(line MATCHES "^([0-9a-f]+)  (.+)$")
      list(APPEND old_paths "${CMAKE_MATCH_2}")
      set("old_hash_${CMAKE_MATCH_2}" "${CMAKE_MATCH_1}")
    endif()
  endforeach()
endif()

file(INSTALL "${VANT_MODULE_FILE}" DESTINATION "${dest}")
set(installed "${dest}/Vantorel.so" "${CMAKE_INSTALL_PREFIX}/bin/vantorel")

file(GLOB presets "${VANT_PRESETS_DIR}/*.vnb" "${VANT_PRESETS_DIR}/*.vnp")
if(NOT presets)
  message(FATAL_ERROR "No factory presets in ${VANT_PRESETS_DIR}: build first")
endif()
foreach(preset IN LISTS presets)
  get_filename_component(name "${preset}" NAME)
  set(target "${dest}/presets/${name}")
  if(EXISTS "${root}${target}")
    file(SHA256 "${root}${target}" now)
    file(SHA256 "${preset}" factory)
    if(NOT now STREQUAL factory AND NOT now STREQUAL "${old_hash_${target}}")
      message(STATUS "Keeping: ${target} (not the file installed last time)")
      continue()
    endif()
  endif()
  file(INSTALL "${preset}" DESTINATION "${dest}/presets")
  list(APPEND installed "${target}")
endforeach()

set(text "")
foreach(path IN LISTS installed)
  file(SHA256 "${root}${path}" hash)
  string(APPEND text "${hash}  ${path}\n")
endforeach()
file(WRITE "${root}${manifest}" "${text}")
message(STATUS "Installed: ${manifest}")
