# The demo's suite drives its module on the fake backend and writes its files with the
# generator's encoders.
target_link_libraries(test_vynLandscape PRIVATE vynlandscape vynlandscapegen)
