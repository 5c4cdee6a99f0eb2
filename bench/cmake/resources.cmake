# The resource loaders run beside stb_image (Debian's libstb-dev), the bitmap reader's baseline.
find_path(VYN_STB_INCLUDE_DIR stb_image.h PATH_SUFFIXES stb REQUIRED)
find_library(VYN_STB_LIBRARY stb REQUIRED)
target_include_directories(bench_resources PRIVATE ${VYN_STB_INCLUDE_DIR})
target_link_libraries(bench_resources PRIVATE ${VYN_STB_LIBRARY})
