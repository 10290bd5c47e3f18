# Windows Installer packages, made by wixl from installer/Vn_EditorTyp.wxs for
# the build's architecture and checked with msiinfo as they are made.
find_program(TYP_WIXL wixl REQUIRED)

if(CMAKE_SIZEOF_VOID_P EQUAL 8)
    set(TYP_MSI_ARCH x64)
else()
    set(TYP_MSI_ARCH x86)
endif()

# typ_add_msi(<target> <version> <output>): the package of <version> as <output>;
# the files it holds, the server without its debugging information among them,
# are gathered in <target>-files of the current binary folder.
# The product code follows from the upgrade code and the version, so a rebuild
# of one version is the same product to Windows Installer and a later version
# is a major upgrade of it. Each architecture has an upgrade code of its own:
# both packages can be installed side by side on 64-bit Windows.
function(typ_add_msi target version output)
    if(TYP_MSI_ARCH STREQUAL x64)
        set(defines -D Win64=yes -D ProgramFiles=ProgramFiles64Folder -D Platform=win64)
        set(upgrade_code 6D3F2A41-8B7C-4E15-9A02-C4E8B1F5D730)
    else()
        set(defines -D Win64=no -D ProgramFiles=ProgramFilesFolder -D Platform=win32)
        set(upgrade_code 2A7C5E93-1F48-4D6B-8E30-B95D07C4A1F2)
    endif()
    string(UUID product_code NAMESPACE ${upgrade_code} NAME ${version} TYPE SHA1 UPPER)
    string(UUID folder_component NAMESPACE ${upgrade_code} NAME VelnorFolder TYPE SHA1 UPPER)
    set(dir ${PROJECT_SOURCE_DIR}/installer)
    # wixl takes its files by names relative to where it runs. Only a package
    # that passes its check takes the package's name.
    set(files ${CMAKE_CURRENT_BINARY_DIR}/${target}-files)
    add_custom_command(
        OUTPUT ${output}
        COMMAND ${CMAKE_COMMAND} -E rm -rf ${files}
        COMMAND ${CMAKE_COMMAND} -E make_directory ${files}
        COMMAND ${CMAKE_COMMAND} -E copy ${dir}/Léame.txt ${dir}/Licencia.txt ${files}
        COMMAND ${CMAKE_STRIP} -o ${files}/Vn_EditorTyp.exe $<TARGET_FILE:Vn_EditorTyp>
        COMMAND ${CMAKE_COMMAND} -E chdir ${files} ${TYP_WIXL} -a ${TYP_MSI_ARCH} -o ${output}.new ${defines}
                -D Version=${version} -D ProductCode={${product_code}}
                -D UpgradeCode={${upgrade_code}} -D FolderComponent={${folder_component}}
                ${dir}/Vn_EditorTyp.wxs
        COMMAND ${dir}/check-package ${output}.new ${TYP_MSI_ARCH} ${version}
        COMMAND ${CMAKE_COMMAND} -E rename ${output}.new ${output}
        DEPENDS Vn_EditorTyp ${dir}/Vn_EditorTyp.wxs ${dir}/check-package ${dir}/Léame.txt
                ${dir}/Licencia.txt
        COMMENT "Building the Windows Installer package ${output}")
    add_custom_target(${target} ALL DEPENDS ${output})
endfunction()
