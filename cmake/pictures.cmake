# Embeds the image modules' pictures (images/CMakeLists.txt) in a Windows program.
function(typ_embed_pictures target)
    target_sources(${target} PRIVATE ${TYP_PICTURES_RC})
    add_dependencies(${target} typ_pictures)
endfunction()
