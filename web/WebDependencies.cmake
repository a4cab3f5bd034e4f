# What the wasm build takes from the build machine. Emscripten looks for packages only in its
# own system root, and the machine's /usr/include must not reach the compiler (its C headers
# would shadow emscripten's), so the header-only libraries are linked in one by one.
set(ORV5_WEB_INCLUDE ${CMAKE_BINARY_DIR}/web-include)
find_path(ORV5_NLOHMANN_DIR nlohmann/json.hpp PATHS /usr/include NO_DEFAULT_PATH NO_CMAKE_FIND_ROOT_PATH REQUIRED)
file(MAKE_DIRECTORY ${ORV5_WEB_INCLUDE})
file(CREATE_LINK ${ORV5_NLOHMANN_DIR}/nlohmann ${ORV5_WEB_INCLUDE}/nlohmann SYMBOLIC)
add_library(nlohmann_json::nlohmann_json INTERFACE IMPORTED)
set_target_properties(nlohmann_json::nlohmann_json PROPERTIES INTERFACE_INCLUDE_DIRECTORIES ${ORV5_WEB_INCLUDE})

# pako (zlib in JavaScript) inflates the body; Chart.js draws the history chart. Both are
# inlined into the page, which loads nothing from the network (the tests' node takes the whole
# pako, with its deflate, from Debian's node modules).
find_file(ORV5_PAKO_INFLATE_JS pako_inflate.min.js PATHS /usr/share/nodejs/pako/dist NO_DEFAULT_PATH
          NO_CMAKE_FIND_ROOT_PATH REQUIRED)
find_file(ORV5_CHARTJS chart.min.js PATHS /usr/share/javascript/chart.js NO_DEFAULT_PATH NO_CMAKE_FIND_ROOT_PATH
          REQUIRED)
