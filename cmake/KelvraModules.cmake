# Modules: shared objects the programs load on first use, so that start-up
# maps neither them nor the libraries they link.
set(KELVRA_MODULE_BUILD_DIR ${PROJECT_BINARY_DIR}/modules)
set(KELVRA_MODULE_INSTALL_DIR ${CMAKE_INSTALL_LIBDIR}/kelvra)

# kelvra_add_module(<target> <source>...): a module built into the build's
# module folder and installed into the installed one. It exports nothing but
# what it marks visible: its entry point.
function(kelvra_add_module target)
  add_library(${target} MODULE ${ARGN})
  set_target_properties(${target} PROPERTIES
    PREFIX ""
    LIBRARY_OUTPUT_DIRECTORY ${KELVRA_MODULE_BUILD_DIR}
    CXX_VISIBILITY_PRESET hidden
    VISIBILITY_INLINES_HIDDEN ON
  )
  install(TARGETS ${target} LIBRARY DESTINATION ${KELVRA_MODULE_INSTALL_DIR})
endfunction()

# kelvra_loads_module(<loader> <module> <definition>): <loader> is given the
# module's file name as the compile definition <definition> and the module
# loader; whatever links <loader> gets the module built beside it.
function(kelvra_loads_module loader module definition)
  target_compile_definitions(${loader} PRIVATE ${definition}="$<TARGET_FILE_NAME:${module}>")
  target_link_libraries(${loader} PRIVATE kelvra_module_loader)
  add_dependencies(${loader} ${module})
endfunction()
