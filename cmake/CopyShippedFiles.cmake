# Puts the files the workbench ships into its program folder. The initial file and the template are
# the learner's to change (the workbench rewrites the initial file at every exit), so they are copied
# only when missing; the help page is kept up to date.
#   cmake -DSOURCE=<resources folder> -DDESTINATION=<program folder> -P CopyShippedFiles.cmake
foreach(name "初期ファイル.txt" "KvTemp.txt")
  if(NOT EXISTS "${DESTINATION}/${name}")
    file(COPY "${SOURCE}/${name}" DESTINATION "${DESTINATION}")
  endif()
endforeach()
file(COPY "${SOURCE}/Kavora2.htm" DESTINATION "${DESTINATION}")
