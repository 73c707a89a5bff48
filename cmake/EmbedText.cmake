# Compiles text files, joined in order, into a C++ source as a raw string
# literal, so that a program carries its string table without a file beside it.
function(tv_embed_text target symbol)
    set(files ${ARGN})
    set(out ${CMAKE_CURRENT_BINARY_DIR}/${symbol}.cpp)
    string(REPLACE ";" "@@" joined "${files}")
    add_custom_command(
        OUTPUT ${out}
        COMMAND ${CMAKE_COMMAND} "-DIN=${joined}" -DOUT=${out} -DSYMBOL=${symbol}
                -P ${PROJECT_SOURCE_DIR}/cmake/EmbedTextRun.cmake
        DEPENDS ${files} ${PROJECT_SOURCE_DIR}/cmake/EmbedTextRun.cmake
        COMMENT "Embedding ${symbol}")
    target_sources(${target} PRIVATE ${out})
endfunction()
