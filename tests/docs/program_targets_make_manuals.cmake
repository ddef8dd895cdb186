# Building the two programs, as scripts/build does, must also put the three manuals beside them,
# or every Help item says "Manual not found". Ninja lists every command the programs need; one
# of them must write each manual into the programs' folder.
#   cmake -DBUILD_DIR=<build folder> -P program_targets_make_manuals.cmake
execute_process(COMMAND ninja -C ${BUILD_DIR} -t commands quorvane quorvane-run
  OUTPUT_VARIABLE commands RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "ninja could not list the programs' commands")
endif()
foreach(manual "Quorvane Manual" "Quorvane Function Blocks" "Quorvane Examples Help")
  string(FIND "${commands}" "${BUILD_DIR}/bin/${manual}.pdf" written)
  if(written EQUAL -1)
    message(FATAL_ERROR "building the programs does not make \"${manual}.pdf\" beside them")
  endif()
endforeach()
