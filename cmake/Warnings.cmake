# One interface target that carries the project's warning and sanitizer flags.
add_library(quillmark_options INTERFACE)
target_compile_options(quillmark_options INTERFACE -Wall -Wextra -Wpedantic -Wshadow
                       -Wnon-virtual-dtor -Wold-style-cast -Wcast-align -Woverloaded-virtual)
if(QUILLMARK_WERROR)
  target_compile_options(quillmark_options INTERFACE -Werror)
endif()
# Bounds-checked standard containers and views: an index past the end stops the
# program at once instead of quietly reading whatever lies there.
target_compile_definitions(quillmark_options INTERFACE _GLIBCXX_ASSERTIONS)

add_library(quillmark_sanitizers INTERFACE)
if(QUILLMARK_BUILD_FUZZ)
  # The logic library instrumented for libFuzzer's coverage, checked by both sanitizers.
  target_compile_options(quillmark_sanitizers INTERFACE
                         -fsanitize=fuzzer-no-link,address,undefined -fno-omit-frame-pointer
                         -fno-sanitize-recover=all)
  target_link_options(quillmark_sanitizers INTERFACE -fsanitize=address,undefined)
elseif(QUILLMARK_SANITIZE)
  target_compile_options(quillmark_sanitizers INTERFACE -fsanitize=address,undefined
                         -fno-omit-frame-pointer -fno-sanitize-recover=all)
  target_link_options(quillmark_sanitizers INTERFACE -fsanitize=address,undefined)
elseif(QUILLMARK_SANITIZE_UNDEFINED)
  # Undefined behaviour only: cheap enough for the GUI tests, which start a web engine.
  target_compile_options(quillmark_sanitizers INTERFACE -fsanitize=undefined
                         -fno-omit-frame-pointer -fno-sanitize-recover=all)
  target_link_options(quillmark_sanitizers INTERFACE -fsanitize=undefined)
endif()
