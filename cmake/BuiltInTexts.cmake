# Compiles the program's language file into the core library, so that a text a translation lacks
# can fall back to the English this build ships with. The file is the one place those texts are
# written: CMake runs again whenever it changes.
function(rpx_built_in_texts source_dir out_var)
    set(lng ${source_dir}/resources/lang/Rpx41c.lng)
    set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${lng})
    file(READ ${lng} hex HEX)
    string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," RPX_BUILT_IN_BYTES "${hex}")
    set(out ${CMAKE_CURRENT_BINARY_DIR}/generated/built_in_texts.cpp)
    configure_file(${source_dir}/core/text/built_in_texts.cpp.in ${out} @ONLY)
    set(${out_var} ${out} PARENT_SCOPE)
endfunction()
