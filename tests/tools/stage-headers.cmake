# cmake -DSOURCE_ROOT=... -DSTAGED=... -P stage-headers.cmake: stages the headers as a build
# folder's configuration does.
include(${SOURCE_ROOT}/cmake/vynStagedHeaders.cmake)
vyn_stage_headers(${SOURCE_ROOT} ${STAGED})
