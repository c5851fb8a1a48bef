# `make uninstall`: removes what `make install` installed, as its install_manifest.txt lists it,
# and then the folders of Huebit's own (share/huebit/…, share/doc/huebit) that are left empty.
# Shared folders (bin, share/applications, the icon theme) stay, empty or not.
#   cmake -DMANIFEST=<build>/install_manifest.txt -P cmake/uninstall.cmake
if(NOT MANIFEST OR NOT EXISTS "${MANIFEST}")
  message(FATAL_ERROR "Nothing to uninstall: no ${MANIFEST} (make install writes it)")
endif()

file(STRINGS "${MANIFEST}" installed)
set(own_folders "")
foreach(file IN LISTS installed)
  # The manifest names the files as installed; DESTDIR, when given, stages them elsewhere.
  set(file "$ENV{DESTDIR}${file}")
  if(EXISTS "${file}" OR IS_SYMLINK "${file}")
    message(STATUS "Removing ${file}")
    file(REMOVE "${file}")
  endif()
  get_filename_component(folder "${file}" DIRECTORY)
  while(folder MATCHES "/huebit(/|$)")
    list(APPEND own_folders "${folder}")
    get_filename_component(folder "${folder}" DIRECTORY)
  endwhile()
endforeach()

# Deepest first, so a folder's emptied subfolders are gone before it is looked at.
list(REMOVE_DUPLICATES own_folders)
list(SORT own_folders ORDER DESCENDING)
foreach(folder IN LISTS own_folders)
  file(GLOB left "${folder}/*" "${folder}/.*")
  if(IS_DIRECTORY "${folder}" AND NOT left)
    message(STATUS "Removing ${folder}/")
    file(REMOVE_RECURSE "${folder}")
  endif()
endforeach()
