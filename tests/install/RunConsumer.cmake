# Script mode: install BUILD_DIR into WORK_DIR/prefix, configure, build and run the consumer.
# CONSUMER names the program the consumer builds (default: consumer).
file(REMOVE_RECURSE ${WORK_DIR})
if(NOT CONSUMER)
  set(CONSUMER consumer)
endif()
set(prefix ${WORK_DIR}/prefix)

function(run)
  execute_process(COMMAND ${ARGN} RESULT_VARIABLE result)
  if(NOT result EQUAL 0)
    message(FATAL_ERROR "failed (${result}): ${ARGN}")
  endif()
endfunction()

list(JOIN CONSUMER_FLAGS " " flags)
run(${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${prefix})
run(${CMAKE_COMMAND} -S ${CONSUMER_DIR} -B ${WORK_DIR}/build
  -DCMAKE_PREFIX_PATH=${prefix} "-DCMAKE_CXX_FLAGS=${flags}" "-DCMAKE_EXE_LINKER_FLAGS=${flags}")
run(${CMAKE_COMMAND} --build ${WORK_DIR}/build)
run(${WORK_DIR}/build/${CONSUMER})
