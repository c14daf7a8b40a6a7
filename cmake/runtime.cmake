# The toolchain's C++ runtime DLLs go beside our DLLs in bin/.
execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=libstdc++-6.dll
                OUTPUT_VARIABLE VQTR_LIBSTDCXX OUTPUT_STRIP_TRAILING_WHITESPACE)
execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=libgcc_s_seh-1.dll
                OUTPUT_VARIABLE VQTR_LIBGCC OUTPUT_STRIP_TRAILING_WHITESPACE)
execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=libwinpthread-1.dll
                OUTPUT_VARIABLE VQTR_LIBWINPTHREAD OUTPUT_STRIP_TRAILING_WHITESPACE)
foreach(dll ${VQTR_LIBSTDCXX} ${VQTR_LIBGCC} ${VQTR_LIBWINPTHREAD})
    if(NOT EXISTS ${dll})
        message(FATAL_ERROR "The toolchain's runtime DLL ${dll} is missing")
    endif()
endforeach()
set(VQTR_RUNTIME_DLLS ${VQTR_LIBSTDCXX} ${VQTR_LIBGCC} ${VQTR_LIBWINPTHREAD})
add_custom_target(vqtr_runtime ALL
    COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/bin
    COMMAND ${CMAKE_COMMAND} -E copy_if_different ${VQTR_RUNTIME_DLLS} ${CMAKE_BINARY_DIR}/bin
    COMMENT "Copying the C++ runtime DLLs")
