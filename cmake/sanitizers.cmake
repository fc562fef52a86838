# Options shared by every target: the sanitizer build when asked for. The fuzz
# build instruments every library for libFuzzer too, so that its coverage guides
# the fuzzer into the core.
add_library(project_options INTERFACE)
if(DAVUREDAV_SANITIZE OR DAVUREDAV_FUZZ)
  target_compile_options(project_options INTERFACE
    -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
  target_link_options(project_options INTERFACE -fsanitize=address,undefined)
endif()
if(DAVUREDAV_FUZZ)
  target_compile_options(project_options INTERFACE -fsanitize=fuzzer-no-link)
endif()
