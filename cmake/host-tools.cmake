# The picture generator runs at build time on the build machine. A native build
# makes it as one of its targets (tools/imagegen); a cross build makes it in a
# build of its own with the native compiler, under host-tools/.
# Sets TYP_IMAGEGEN (the command) and TYP_IMAGEGEN_DEPENDS.
if(CMAKE_CROSSCOMPILING)
    include(ExternalProject)
    set(host_dir ${CMAKE_BINARY_DIR}/host-tools)
    set(host_args -DCMAKE_BUILD_TYPE=Release -DCMAKE_CXX_COMPILER=c++)
    if(CMAKE_CXX_COMPILER_LAUNCHER)
        list(APPEND host_args -DCMAKE_CXX_COMPILER_LAUNCHER=${CMAKE_CXX_COMPILER_LAUNCHER})
    endif()
    ExternalProject_Add(typ_host_tools
        SOURCE_DIR ${CMAKE_SOURCE_DIR}/tools/imagegen
        BINARY_DIR ${host_dir}
        CMAKE_ARGS ${host_args}
        BUILD_ALWAYS ON
        INSTALL_COMMAND ""
        BUILD_BYPRODUCTS ${host_dir}/imagegen ${host_dir}/imagesheet)
    set(TYP_IMAGEGEN ${host_dir}/imagegen)
    set(TYP_IMAGESHEET ${host_dir}/imagesheet)
    set(TYP_IMAGEGEN_DEPENDS typ_host_tools ${host_dir}/imagegen)
else()
    set(TYP_IMAGEGEN $<TARGET_FILE:imagegen>)
    set(TYP_IMAGESHEET $<TARGET_FILE:imagesheet>)
    set(TYP_IMAGEGEN_DEPENDS imagegen)
endif()
