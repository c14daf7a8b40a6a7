# bind_companions_beside(target COMPANIONS dll...): the DLLs a binary imports are bound from the
# binary's own folder, whatever the host's search order or the DLLs it loaded already. The binary
# carries a manifest that names them as files of its own assembly; the loader resolves the
# binary's imports through it, from the folder the binary was loaded from.
function(bind_companions_beside target)
    cmake_parse_arguments(ARG "" "" "COMPANIONS" ${ARGN})
    set(files "")
    foreach(companion ${ARG_COMPANIONS})
        string(APPEND files "  <file name=\"${companion}\"/>\n")
    endforeach()
    set(manifest ${CMAKE_CURRENT_BINARY_DIR}/${target}.manifest)
    file(WRITE ${manifest}
         "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n"
         "<assembly xmlns=\"urn:schemas-microsoft-com:asm.v1\" manifestVersion=\"1.0\">\n"
         "  <assemblyIdentity type=\"win32\" name=\"vqtr.${target}\" version=\"1.0.0.0\"/>\n"
         "${files}</assembly>\n")
    # 2 is the manifest a DLL's loader reads for its imports; 24 the manifest resource type.
    set(script ${CMAKE_CURRENT_BINARY_DIR}/${target}_manifest.rc)
    file(WRITE ${script} "2 24 \"${target}.manifest\"\n")
    target_sources(${target} PRIVATE ${script})
endfunction()
