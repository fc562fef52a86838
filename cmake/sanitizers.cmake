# Options shared by every target: the sanitizer build when asked for.
add_library(project_options INTERFACE)
if(DAVUREDAV_SANITIZE)
  target_compile_options(project_options INTERFACE
    -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
  target_link_options(project_options INTERFACE -fsanitize=address,undefined)
endif()
