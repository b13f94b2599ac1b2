# Import libraries that load their DLL on the first call into it instead of
# at start-up. cmake/delayload/NAME.def lists the functions called; one that
# is missing there fails the link, since the ordinary import library is not
# linked as well.
function(velmora_delay_load_library target dll)
    set(def ${PROJECT_SOURCE_DIR}/cmake/delayload/${dll}.def)
    set(lib ${CMAKE_CURRENT_BINARY_DIR}/lib${dll}_delayed.a)
    add_custom_command(OUTPUT ${lib}
        COMMAND ${CMAKE_DLLTOOL} --input-def ${def} --output-delaylib ${lib}
        DEPENDS ${def}
        COMMENT "Delay-load import library for ${dll}.dll"
        VERBATIM)
    add_custom_target(${dll}_delayed DEPENDS ${lib})
    add_library(velmora_delayed_${dll} STATIC IMPORTED GLOBAL)
    set_target_properties(velmora_delayed_${dll} PROPERTIES IMPORTED_LOCATION ${lib})
    add_dependencies(velmora_delayed_${dll} ${dll}_delayed)
    # The helper that loads the DLL and resolves the call.
    target_link_libraries(${target} PUBLIC velmora_delayed_${dll} delayimp)
endfunction()
