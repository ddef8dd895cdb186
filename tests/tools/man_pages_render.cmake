# Each manual page must render as man shows it without a warning (what lintian checks too).
#   cmake -DPAGE_FOLDER=<folder of the built pages> -P man_pages_render.cmake
file(GLOB pages ${PAGE_FOLDER}/*.1.gz)
if(NOT pages)
  message(FATAL_ERROR "no manual pages in ${PAGE_FOLDER}")
endif()
foreach(page ${pages})
  execute_process(COMMAND ${CMAKE_COMMAND} -E env LC_ALL=C.UTF-8 MANROFFSEQ= MANWIDTH=80
      man --warnings -E UTF-8 -l -Tutf8 -Z ${page}
    OUTPUT_QUIET ERROR_VARIABLE warnings RESULT_VARIABLE status)
  if(NOT status EQUAL 0 OR NOT warnings STREQUAL "")
    message(FATAL_ERROR "${page}: ${warnings}")
  endif()
endforeach()
