# The landscape generator's suite calls the generator library directly.
target_link_libraries(test_makeLandscape PRIVATE vynlandscapegen)
